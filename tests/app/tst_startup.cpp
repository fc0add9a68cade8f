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
    process.start(QStringLiteral(FIELDSHOT_BIN_DIR "/fieldshot"), QStringList());
    QVERIFY(process.waitForStarted());
    QVERIFY2(!process.waitForFinished(1500), "the program quit although its camera library is beside it");
    process.kill();
    process.waitForFinished();
    const QString log = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(log.contains(QStringLiteral("Laser DLL-Version:")), qPrintable(log));
    QVERIFY(!log.contains(QStringLiteral("LaserDLL not Found")));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
