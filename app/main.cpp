// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: one application, one main window; --help and --version answered without a window.
#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#ifndef FIELDSHOT_VERSION
#define FIELDSHOT_VERSION "0"
#endif

static void SetApplicationInfo()
{
    QCoreApplication::setApplicationName(QStringLiteral("fieldshot"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FIELDSHOT_VERSION));
}

// Prints the help or the version and ends the process when one was asked for. This runs before
// the window system is touched, so both work without a display. Every other argument is left
// alone, as it always was: unknown ones are no error.
static void AnswerInformationOptions(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    // Qt's own "-style"-like options must not read as a bundle of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Fieldshot, a laser dry-fire trainer: webcams watch the targets, the program scores the shots.\n"
        "At start it loads the project Fieldshot.fsp from the working directory if there is one."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(arguments);
    if (!parser.isSet(help) && !parser.isSet(version))
        return;
    QCoreApplication app(argc, argv);
    SetApplicationInfo();
    if (parser.isSet(help))
        parser.showHelp(0);
    parser.showVersion();
}

int main(int argc, char *argv[])
{
    AnswerInformationOptions(argc, argv);
    QApplication app(argc, argv);
    SetApplicationInfo();
    // The installed desktop entry and icon theme name the program; a build-tree run has no icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvex.Fieldshot"));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("com.orvex.Fieldshot")));
    int result = 0;
    {
        MainWindow window;
        window.show();
        result = app.exec();
    } // the window goes before the application object
    return result;
}
