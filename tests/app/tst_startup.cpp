// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the real program's start: with and without the camera library beside it.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void start_data()
    {
        QTest::addColumn<bool>("library");
        QTest::newRow("without its camera library it quits") << false;
        QTest::newRow("with its camera library it keeps running") << true;
    }

    void start()
    {
        QFETCH(bool, library);
        QTemporaryDir dir; // an empty working directory: no project to load
        QVERIFY(dir.isValid());
        // A copy of the program alone in a folder has no library beside it.
        QString program = QStringLiteral(FIELDSHOT_BIN_DIR "/fieldshot");
        if (!library) {
            QVERIFY(QFile::copy(program, dir.filePath(QStringLiteral("fieldshot"))));
            program = dir.filePath(QStringLiteral("fieldshot"));
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("LD_LIBRARY_PATH"));
        env.remove(QStringLiteral("LASER_SOURCES"));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        QString log;
        connect(&process, &QProcess::readyReadStandardError,
                [&] { log += QString::fromLocal8Bit(process.readAllStandardError()); });
        process.start(program, QStringList());
        QVERIFY(process.waitForStarted());
        if (library) {
            // The version line comes once the library is loaded, however long the start takes here;
            // without its library the program quits 200 ms into its event loop, with it, it stays.
            QTRY_VERIFY2_WITH_TIMEOUT(log.contains(QStringLiteral("Laser DLL-Version:")), qPrintable(log), 20000);
            QVERIFY2(!process.waitForFinished(1000), "the program quit although its camera library is beside it");
            process.kill();
            process.waitForFinished();
        } else {
            QVERIFY2(process.waitForFinished(10000), "the program did not quit without its camera library");
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), 0);
        }
        log += QString::fromLocal8Bit(process.readAllStandardError());
        QCOMPARE(log.contains(QStringLiteral("LaserDLL not Found")), !library);
        QCOMPARE(log.contains(QStringLiteral("Laser DLL-Version:")), library);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
