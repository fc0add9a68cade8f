// Program entry: one application, one main window.
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int result = 0;
    {
        MainWindow window;
        window.show();
        result = app.exec();
    } // the window goes before the application object
    return result;
}
