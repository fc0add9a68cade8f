// Tests of the real program's start without the camera library beside it.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void withoutItsCameraLibraryItQuits();
};

// With its library the window is configured and names the library's version (tst_mainwindow).
void TestStartup::withoutItsCameraLibraryItQuits()
{
    QTemporaryDir dir; // an empty working directory: no project to load
    QVERIFY(dir.isValid());
    // A copy of the program alone in a folder has no library beside it.
    const QString program = dir.filePath(QStringLiteral("fieldshot"));
    QVERIFY(QFile::copy(QStringLiteral(FIELDSHOT_BIN_DIR "/fieldshot"), program));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("LD_LIBRARY_PATH"));
    env.remove(QStringLiteral("LASER_SOURCES"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(program, QStringList());
    QVERIFY(process.waitForStarted());
    QVERIFY2(process.waitForFinished(10000), "the program did not quit without its camera library");
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QString log = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(log.contains(QStringLiteral("LaserDLL not Found")), qPrintable(log));
    QVERIFY(!log.contains(QStringLiteral("Laser DLL-Version:")));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
