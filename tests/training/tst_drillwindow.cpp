// SPDX-License-Identifier: GPL-3.0-or-later
// Drills through the real window: the scripted camera library delivers shots at chosen frame times.
#include "../common/mainwindowtest.h"
#include "../common/scriptedlibrary.h"
#include "camera.h"
#include "drillpanel.h"
#include "drillrunner.h"
#include "gamestate.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr qint64 Ms = 1000;

QByteArray J(const char *text)
{
    return QByteArray(text).replace('\'', '"');
}

} // namespace

class TestDrillWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(LoadScriptedLibrary(), qPrintable(LaserLibrary::Instance().ErrorString()));
        QVERIFY(folder.isValid());
        // Two ordinary targets in a row, then the body twice and the head once.
        Write("pair.json", "{'fieldshot_drill': 1, 'name': {'de': 'Paar', 'en': 'Pair'}, 'start': {'fixed': 1.5}, "
                           "'strings': [{'shots': 3, 'par': 2, 'targets': ['#1', '#1', 'Head']}]}");
        Write("four.json", "{'fieldshot_drill': 1, 'name': 'Vier', 'strings': [{'shots': 4, 'targets': ['#4']}]}");
        Write("broken.json", "{'fieldshot_drill': 1, 'name': 'Kaputt', 'strings': []}");
    }

    void init()
    {
        ScriptReset();
        ScriptSetDevices("Cam A");
        window = MainWindowTest::Open(2, true);
        QVERIFY(window);
        window->drillRunner->SetClock([this] { return now; });
        window->drillPanel->userFolder = folder.path();
        window->drillPanel->Reload();
        sounds = new QSignalSpy(window, &MainWindow::SoundPlayed);
        MainWindowTest::AddRect(window, QRectF(0, 0, 100, 100))->name = QStringLiteral("Body");
        MainWindowTest::AddRect(window, QRectF(200, 0, 100, 100))->name = QStringLiteral("Head");
        Tick(); // camera 1 takes the device
        QVERIFY(window->cameras[0]->initialised);
    }

    void cleanup()
    {
        delete sounds;
        sounds = nullptr;
        delete window;
        window = nullptr;
    }

    void panelListsDrillsAndRefusesBrokenFiles()
    {
        auto *button = window->findChild<QPushButton *>(QStringLiteral("pushButtonDrills"));
        QVERIFY(button);
        QVERIFY(!window->drillPanel->isVisible());
        button->click();
        QVERIFY(window->drillPanel->isVisible());
        QComboBox *combo = window->drillPanel->comboDrill;
        QVERIFY(combo->findData(QStringLiteral("bill_drill")) > 0);
        QVERIFY(combo->findData(QStringLiteral("pair")) > 0);
        QCOMPARE(combo->findData(QStringLiteral("broken")), -1);
        QCOMPARE(window->drillPanel->labelProblems->text(),
                 QStringLiteral("broken.json: \"strings\" fehlt oder ist leer"));

        // Another language: the button, the panel and the drill names follow.
        window->SetLanguage(QStringLiteral("en"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); // posted to each window
        QCOMPARE(button->text(), QStringLiteral("Drills and shot timer…"));
        QCOMPARE(combo->itemText(combo->findData(QStringLiteral("bill_drill"))), QStringLiteral("Bill drill"));
        QCOMPARE(window->drillPanel->buttonSave->text(), QStringLiteral("Save as CSV…"));
        window->SetLanguage(QStringLiteral("de"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(combo->itemText(combo->findData(QStringLiteral("bill_drill"))), QStringLiteral("Bill-Drill"));
    }

    // A string with the scripted camera: every time is that of the frames, to the microsecond.
    void drillStringThroughTheWindow()
    {
        QVERIFY(window->drillPanel->ChooseDrill(QStringLiteral("pair")));
        QTest::keyClick(window, Qt::Key_Space);
        QCOMPARE(window->gameState, int(GameState::Waiting));
        QCOMPARE(window->ui->pushButtonGameStart->text(), QStringLiteral("Hold"));
        QCOMPARE(Played(), QStringList{"Reload.wav"});
        const qint64 signal = now + 1500 * Ms;
        QCOMPARE(window->drillRunner->SignalUs(), signal);

        now = signal - 1;
        window->drillRunner->Poll();
        QCOMPARE(window->gameState, int(GameState::Waiting));
        now = signal + 2 * Ms; // the timer fires a little late; the signal still counts when due
        window->drillRunner->Poll();
        QCOMPARE(window->gameState, int(GameState::Running));
        QCOMPARE(Played(), QStringList{"Peep.wav"});

        // Read in one tick, timed by their frames.
        Queue(signal + 1234 * Ms, QPointF(50, 50));
        Queue(signal + 1534 * Ms, QPointF(60, 50));
        Tick();
        QCOMPARE(window->ui->tableWidgetHits->rowCount(), 2); // the table of hits as always
        now = signal + 2000 * Ms;
        window->drillRunner->Poll();
        QCOMPARE(Played(), (QStringList{"Gunshot.wav", "TargetHit.wav", "Gunshot.wav", "TargetHit.wav", "Peep.wav"}));
        Queue(signal + 2100 * Ms, QPointF(250, 50));
        Tick();

        // The third shot ends the string and the game.
        QCOMPARE(window->gameState, int(GameState::Idle));
        QCOMPARE(window->ui->pushButtonGameStart->text(), QStringLiteral("Start"));
        QCOMPARE(window->ui->tableWidgetHits->rowCount(), 3);
        QCOMPARE(window->drillPanel->Session().Results().size(), 1);
        const DrillStringResult r = window->drillPanel->Session().Results().first();
        QCOMPARE(r.firstShotUs, 1234 * Ms);
        QCOMPARE(r.Splits(), (QVector<qint64>{300 * Ms, 566 * Ms}));
        QCOMPARE(r.totalUs, 2100 * Ms);
        QCOMPARE(r.shots.first().camera, 0);
        QCOMPARE(r.shots.last().target, QStringLiteral("Head"));
        QCOMPARE(r.hits, 3);
        QVERIFY(!r.parPassed);
        QVERIFY(!r.passed);

        QTableWidget *table = window->drillPanel->tableResults;
        QCOMPARE(table->rowCount(), 3); // the string, best, mean
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("1.500")); // the drill's fixed delay
        QCOMPARE(table->item(0, 4)->text(), QStringLiteral("1.234"));
        QCOMPARE(table->item(0, 5)->text(), QStringLiteral("0.300 / 0.566"));
        QCOMPARE(table->item(0, 6)->text(), QStringLiteral("2.100"));
        QCOMPARE(table->item(0, 12)->text(), QStringLiteral("Body 2/0, Head 1/0"));
        QCOMPARE(table->item(0, 13)->text(), QStringLiteral("Nicht bestanden (Par überschritten)"));
        QVERIFY(window->drillPanel->labelClock->text().startsWith(
            QStringLiteral("Signal nach 1.500 s · erster Schuss 1.234 s · Splits 0.300 / 0.566 · Gesamt 2.100 s")));

        // A second run: a frame seen before the signal is a false start, whenever it is read.
        QTest::keyClick(window, Qt::Key_Space);
        const qint64 signal2 = now + 1500 * Ms;
        now = signal2;
        window->drillRunner->Poll();
        QCOMPARE(window->gameState, int(GameState::Running));
        Queue(signal2 - 20 * Ms, QPointF(50, 50));
        Tick();
        QCOMPARE(window->gameState, int(GameState::Idle));
        QCOMPARE(window->drillPanel->Session().Results().size(), 2);
        QVERIFY(window->drillPanel->Session().Results().last().falseStart);
        QCOMPARE(table->item(1, 13)->text(), QStringLiteral("Fehlstart"));

        // Copy and CSV carry the same rows.
        window->drillPanel->CopyResults();
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[1].contains(QStringLiteral("\t1.500\t1.234\t0.300 / 0.566\t2.100\t")));
        QTemporaryDir out;
        const QString csv = out.filePath("drills.csv");
        window->drillPanel->askCsvFileName = [&](const QString &) { return csv; };
        window->drillPanel->SaveResultsCsv();
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = file.readAll().split('\n');
        QVERIFY(rows[1].startsWith("Paar,1/1,1,1.500,1.234,0.300 / 0.566,2.100,2.000,3,0,"));
    }

    void falseStartDuringTheDelay()
    {
        QVERIFY(window->drillPanel->ChooseDrill(QStringLiteral("pair")));
        window->ui->pushButtonGameStart->click();
        sounds->clear();
        Queue(now + 100 * Ms, QPointF(50, 50));
        Tick();
        // The game reacts as specified; the drill counts it.
        QCOMPARE(Played(), (QStringList{"Gunshot.wav", "Horn.wav"}));
        QCOMPARE(window->gameState, int(GameState::Idle));
        QVERIFY(window->drillPanel->Session().Results().first().falseStart);
        // The start signal that was due never comes.
        now += 5000 * Ms;
        window->drillRunner->Poll();
        QCOMPARE(window->gameState, int(GameState::Idle));
    }

    void startButtonShotTimesTheDelay()
    {
        MainWindowTest::AddRect(window, QRectF(400, 0, 100, 100))->type = int(TargetType::StartButton);
        QVERIFY(window->drillPanel->ChooseDrill(QStringLiteral("pair")));
        const qint64 shot = now - 40 * Ms;
        Queue(shot, QPointF(450, 50));
        Tick();
        QCOMPARE(window->gameState, int(GameState::Waiting));
        QCOMPARE(window->drillRunner->SignalUs(), shot + 1500 * Ms);
    }

    void mouseShotsAreTimedByTheirEvent()
    {
        QVERIFY(window->drillPanel->ChooseDrill(QStringLiteral("pair")));
        QTest::keyClick(window, Qt::Key_Space);
        now += 1500 * Ms;
        window->drillRunner->Poll();
        const qint64 signal = window->drillRunner->SignalUs();
        now = signal + 700 * Ms;
        window->Shoot(QPointF(50, 50), QPointF(), false);
        now = signal + 900 * Ms;
        window->Shoot(QPointF(50, 60), QPointF(), false);
        now = signal + 1300 * Ms;
        window->Shoot(QPointF(150, 60), QPointF(), false); // beside every target
        const DrillStringResult r = window->drillPanel->Session().Results().first();
        QCOMPARE(r.firstShotUs, 700 * Ms);
        QCOMPARE(r.Splits(), (QVector<qint64>{200 * Ms, 400 * Ms}));
        QCOMPARE(r.hits, 2);
        QCOMPARE(r.misses, 1);
        QCOMPARE(r.shots.first().camera, -1);
        QVERIFY(r.parPassed);
        QVERIFY(!r.passed);
    }

    void incompatibleDrillChangesNothing()
    {
        // A finished normal game stays as it is when a drill that does not fit is started.
        window->ui->spinBoxSchotCount->setValue(1);
        window->ui->pushButtonGameStart->click();
        window->Shoot(QPointF(50, 50), QPointF(), false);
        QCOMPARE(window->ui->tableWidgetHits->rowCount(), 1);
        QVERIFY(window->drillPanel->ChooseDrill(QStringLiteral("four")));
        sounds->clear();
        QTest::keyClick(window, Qt::Key_Space);
        QCOMPARE(window->gameState, int(GameState::Idle));
        QCOMPARE(window->ui->tableWidgetHits->rowCount(), 1);
        QCOMPARE(Played(), QStringList());
        QVERIFY(window->drillPanel->labelProblems->text().endsWith(
            QStringLiteral("four.json: braucht 4 Ziele, das Projekt hat 2")));
        // "No drill": the game starts as specified again.
        QVERIFY(!window->drillPanel->ChooseDrill(QString()));
        QTest::keyClick(window, Qt::Key_Space);
        QCOMPARE(window->gameState, int(GameState::Running));
    }

private:
    void Write(const QString &name, const char *json)
    {
        QFile f(folder.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(J(json));
    }
    void Tick() { MainWindowTest::Tick(window); }
    // A frame of camera 1 with one spot, captured at timeUs.
    void Queue(qint64 timeUs, QPointF at)
    {
        const FrameBlock block = ScriptSpots({at});
        ScriptQueueFrameAt(0, 1, &block, timeUs);
    }
    // The sounds played since the last call, by file name.
    QStringList Played()
    {
        QStringList names;
        for (const QList<QVariant> &s : *sounds)
            names << s.first().toString();
        sounds->clear();
        return names;
    }

    QTemporaryDir folder;
    MainWindow *window = nullptr;
    QSignalSpy *sounds = nullptr;
    qint64 now = 1000000 * Ms;
};

QTEST_MAIN(TestDrillWindow)
#include "tst_drillwindow.moc"
