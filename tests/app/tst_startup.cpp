// Tests of the real program's start: with and without the camera library beside it.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void quitsWithoutLibrary();
    void keepsRunningWithLibrary();

private:
    static QProcessEnvironment Environment();
};

QProcessEnvironment TestStartup::Environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("LD_LIBRARY_PATH"));
    env.remove(QStringLiteral("LASER_SOURCES"));
    return env;
}

void TestStartup::quitsWithoutLibrary()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("fieldshot"));
    QVERIFY(QFile::copy(QStringLiteral(FIELDSHOT_BIN_DIR "/fieldshot"), program));
    QProcess process;
    process.setProcessEnvironment(Environment());
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

void TestStartup::keepsRunningWithLibrary()
{
    QTemporaryDir dir; // an empty working directory: no project to load
    QVERIFY(dir.isValid());
    QProcess process;
    process.setProcessEnvironment(Environment());
    process.setWorkingDirectory(dir.path());
    QString log;
    connect(&process, &QProcess::readyReadStandardError,
            [&] { log += QString::fromLocal8Bit(process.readAllStandardError()); });
    process.start(QStringLiteral(FIELDSHOT_BIN_DIR "/fieldshot"), QStringList());
    QVERIFY(process.waitForStarted());
    // The version line comes once the library is loaded, however long the start takes here.
    QTRY_VERIFY2_WITH_TIMEOUT(log.contains(QStringLiteral("Laser DLL-Version:")), qPrintable(log), 20000);
    // Without its library the program quits 200 ms into its event loop; with it, it stays.
    QVERIFY2(!process.waitForFinished(1000), "the program quit although its camera library is beside it");
    process.kill();
    process.waitForFinished();
    QVERIFY(!log.contains(QStringLiteral("LaserDLL not Found")));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
