// SPDX-License-Identifier: GPL-3.0-or-later
// drill-screenshot: runs a drill in the real window on the simulated camera and saves a picture
// of the window with the shot timer panel once the drill's run is over.
//
// Usage: drill-screenshot OUT.png SCENARIO.json PROJECT.fsp DRILL [LANGUAGE]
#include "drillpanel.h"
#include "drillrunner.h"
#include "mainwindow.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: drill-screenshot OUT.png SCENARIO.json PROJECT.fsp DRILL [LANGUAGE]\n");
        return 2;
    }
    qputenv("LASER_SOURCES", argv[2]);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("fieldshot"));
    MainWindow window;
    if (!window.IsConfigured()) {
        std::fprintf(stderr, "drill-screenshot: no camera library\n");
        return 77;
    }
    window.resize(1280, 800);
    window.show();
    window.LoadProject(QString::fromLocal8Bit(argv[3]));
    if (argc > 5)
        window.SetLanguage(QString::fromLocal8Bit(argv[5]));
    window.drillPanel->show();
    window.drillPanel->resize(1000, 800);
    if (!window.drillPanel->ChooseDrill(QString::fromLocal8Bit(argv[4]))) {
        std::fprintf(stderr, "drill-screenshot: no drill %s\n", argv[4]);
        return 2;
    }
    int code = 1;
    QObject::connect(window.drillRunner, &DrillRunner::RunFinished, &app, [&] {
        // Let the last shot's marker and row settle, then take the picture.
        QTimer::singleShot(300, &app, [&] {
            const QPixmap main = window.grab();
            const QPixmap panel = window.drillPanel->grab();
            QImage out(main.width() + panel.width(), qMax(main.height(), panel.height()), QImage::Format_RGB32);
            out.fill(QColor(48, 48, 48));
            QPainter p(&out);
            p.drawPixmap(0, 0, main);
            p.drawPixmap(main.width(), 0, panel);
            p.end();
            code = out.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
            app.quit();
        });
    });
    QTimer::singleShot(120000, &app, &QCoreApplication::quit);
    app.exec();
    return code;
}
