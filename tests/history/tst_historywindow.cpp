// SPDX-License-Identifier: GPL-3.0-or-later
// The training history in the program: finished games stored through the real main window,
// the Verlauf window's table, filters, plot hook and CSV, and a damaged database.
#include "../common/mainwindowtest.h"

#include "camera.h"
#include "drillpanel.h"
#include "drillrunner.h"
#include "gamestate.h"
#include "historyplotdialog.h"
#include "historystore.h"
#include "historytestdb.h"
#include "historywindow.h"
#include "historysessionsmodel.h"
#include "historywriter.h"

#include <QComboBox>
#include <QLineSeries>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

class tst_HistoryWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void finishedGameIsStored();
    void gameWithoutShotsIsNotStored();
    void drillStringIsStored();
    void concentricTargetsShareTheAimPoint();
    void damagedDatabaseKeepsTheProgramWorking();
    void windowListsFiltersPlotsAndExports();
    void buttonAndWindowFollowTheLanguage();

private:
    // Opens the main window on the Game page with its history in `url`.
    MainWindow *OpenWindow(const QString &url);
    QList<HistoryRecord> Stored();

    QTemporaryDir dir;
    QString dbPath;
    MainWindow *window = nullptr;
};

void tst_HistoryWindow::init()
{
    QVERIFY(dir.isValid());
    dbPath = dir.filePath(QStringLiteral("h%1.sqlite").arg(QDateTime::currentMSecsSinceEpoch()));
}

void tst_HistoryWindow::cleanup()
{
    delete window;
    window = nullptr;
    qunsetenv("FIELDSHOT_HISTORY_URL");
}

MainWindow *tst_HistoryWindow::OpenWindow(const QString &url)
{
    qputenv("FIELDSHOT_HISTORY_URL", url.toLocal8Bit());
    window = MainWindowTest::Open(2);
    if (window)
        (void)QTest::qWaitFor([this] { return window->historyButton != nullptr; }); // set up once the event loop runs
    return window;
}

QList<HistoryRecord> tst_HistoryWindow::Stored()
{
    window->historyWriter->WaitForIdle();
    HistoryStore store;
    if (!store.Open(ParseHistoryUrl(dbPath)))
        return {};
    QList<HistoryRecord> list;
    for (const HistoryRecord &r : store.Strings()) {
        HistoryRecord full;
        store.Load(r.id, full);
        list.append(full);
    }
    return list;
}

void tst_HistoryWindow::finishedGameIsStored()
{
    if (!OpenWindow(dbPath))
        QSKIP("the camera library beside the test was not loaded");
    QVERIFY(window->historyButton);
    Target *plate = MainWindowTest::AddRect(window, QRectF(100, 100, 200, 100));
    plate->name = QStringLiteral("Plate");
    plate->score = 4;
    window->ui->spinBoxSchotCount->setValue(4);
    window->ui->pushButtonGameStart->click();
    QCOMPARE(window->gameState, int(GameState::Running));

    window->Shoot(QPointF(200, 150), QPointF(), false); // the plate's centre
    window->Shoot(QPointF(150, 125), QPointF(), false); // a quarter up and left
    window->Shoot(QPointF(500, 150), QPointF(), false); // a miss, 150 % right of the plate's centre
    // A camera shot: the history learns its camera and corrected position from the signal.
    emit window->cameras[0]->Shot(QPointF(300, 200), QPointF(640, 360), true); // bottom-right corner
    QCOMPARE(window->gameState, int(GameState::Idle));

    QList<HistoryRecord> stored;
    QTRY_VERIFY((stored = Stored()).size() == 1);
    const HistoryRecord &r = stored.first();
    QCOMPARE(r.drill, QString());
    QCOMPARE(r.target, QStringLiteral("Plate"));
    QCOMPARE(r.gameType, 0);
    QVERIFY(qAbs(r.when.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    QCOMPARE(r.shots.size(), 4);
    QCOMPARE(r.results.total, 12);
    QVERIFY(r.results.firstShotUs >= 0);
    const QList<QPointF> offsets{{0, 0}, {-25, -25}, {150, 0}, {50, 50}};
    const QStringList targets{"Plate", "Plate", "", "Plate"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(r.shots[i].offset, offsets[i]);
        QCOMPARE(r.shots[i].unit, QStringLiteral("%"));
        QCOMPARE(r.shots[i].shot.target, targets[i]);
        QCOMPARE(r.shots[i].shot.score, i == 2 ? 0 : 4);
        QVERIFY(i == 0 || r.shots[i].shot.timeUs >= r.shots[i - 1].shot.timeUs);
    }
    QCOMPARE(r.shots[0].shot.camera, -1);
    QCOMPARE(r.shots[3].shot.camera, 0);
    QCOMPARE(r.shots[3].shot.corrected, QPointF(640, 360));
    // The widest pair: the miss and the plate's top-left quarter.
    QCOMPARE(r.results.groupSize, std::hypot(175.0, 25.0));
    QVERIFY(window->historyError.isEmpty());

    // The next game is a string of its own.
    window->ui->pushButtonGameStart->click();
    window->Shoot(QPointF(200, 150), QPointF(), false);
    window->ui->pushButtonGameStart->click(); // stopped by hand after one shot
    QTRY_COMPARE(Stored().size(), 2);
    QCOMPARE(Stored().last().shots.size(), 1);

    // After a restart the Verlauf window lists both, newest first.
    delete window;
    window = nullptr;
    QVERIFY(OpenWindow(dbPath));
    QVERIFY(window->historyButton);
    window->historyButton->click();
    QCOMPARE(window->historyWindow->model->rowCount(), 2);
    QCOMPARE(window->historyWindow->model->StringAt(0)->shotCount, 1);
    QCOMPARE(window->historyWindow->model->StringAt(1)->results.total, 12);
}

void tst_HistoryWindow::gameWithoutShotsIsNotStored()
{
    if (!OpenWindow(dbPath))
        QSKIP("the camera library beside the test was not loaded");
    QVERIFY(window->historyButton);
    MainWindowTest::AddRect(window, QRectF(100, 100, 200, 100));
    window->ui->pushButtonGameStart->click();
    window->ui->pushButtonGameStart->click(); // started and stopped without a shot
    // A time game ended by a false start never ran.
    window->ui->comboBoxGametype->setCurrentIndex(1);
    window->ui->pushButtonGameStart->click();
    QCOMPARE(window->gameState, int(GameState::Waiting));
    window->Shoot(QPointF(200, 150), QPointF(), false);
    QCOMPARE(window->gameState, int(GameState::Idle));
    // A page switch with no game running stores nothing either.
    window->SetPage(1);
    window->SetPage(2);
    QTest::qWait(50);
    window->historyWriter->WaitForIdle();
    QVERIFY(Stored().isEmpty());
    QVERIFY(window->historyError.isEmpty());
}

void tst_HistoryWindow::drillStringIsStored()
{
    if (!OpenWindow(dbPath))
        QSKIP("the camera library beside the test was not loaded");
    Target *gong = MainWindowTest::AddRect(window, QRectF(0, 0, 100, 50));
    gong->name = QStringLiteral("Gong");
    Target *plate = MainWindowTest::AddRect(window, QRectF(200, 200, 40, 40));
    plate->name = QStringLiteral("Plate");
    const QDateTime when = QDateTime::currentDateTimeUtc();
    QList<TimedShot> shots;
    const struct { double x, y; const char *target; int score; } made[] = {
        {50, 25, "Gong", 5}, {75, 0, "Gong", 5}, {230, 210, "Plate", 8}, {100, 100, "", 0}};
    for (int i = 0; i < 4; ++i) {
        TimedShot t;
        t.timeUs = 7000000 + 600000 * (i + 1);
        t.pos = QPointF(made[i].x, made[i].y);
        t.camera = 1;
        t.target = QString::fromLatin1(made[i].target);
        t.score = made[i].score;
        shots.append(t);
    }
    window->StoreHistoryString(QStringLiteral("Bill drill"), 2, when, 7000000, shots, 2000000);
    QList<HistoryRecord> stored;
    QTRY_VERIFY((stored = Stored()).size() == 1);
    const HistoryRecord &r = stored.first();
    QCOMPARE(r.drill, QStringLiteral("Bill drill"));
    QCOMPARE(r.stringIndex, 2);
    QCOMPARE(r.when.toMSecsSinceEpoch(), when.toMSecsSinceEpoch());
    QCOMPARE(r.target, QStringLiteral("Gong"));
    QCOMPARE(r.results.total, 18);
    QCOMPARE(r.results.firstShotUs, qint64(600000));
    QCOMPARE(r.results.parPassed, 0); // the last shot came at 2.4 s
    // Each from its own target's centre; the miss from the Gong, the target most shots hit.
    const QList<QPointF> offsets{{0, 0}, {25, -50}, {25, -25}, {50, 150}};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(r.shots[i].offset, offsets[i]);
        QCOMPARE(r.shots[i].shot.camera, 1);
        QCOMPARE(r.shots[i].shot.timeUs, 600000LL * (i + 1));
    }

    // A drill run through the window is stored as a string of that drill, timed from its
    // signal, and not a second time as a plain game.
    qint64 now = 5000000000;
    window->drillRunner->SetClock([&now] { return now; });
    QVERIFY(window->drillPanel->ChooseDrill(QStringLiteral("draw")));
    window->ui->pushButtonGameStart->click();
    QCOMPARE(window->gameState, int(GameState::Waiting));
    now = window->drillRunner->SignalUs();
    window->drillRunner->Poll();
    QCOMPARE(window->gameState, int(GameState::Running));
    now += 800000;
    window->Shoot(QPointF(60, 25), QPointF(), false); // the one shot of the string, on the Gong
    QCOMPARE(window->gameState, int(GameState::Idle));
    QTRY_VERIFY((stored = Stored()).size() >= 2);
    QTest::qWait(20); // a plain game's record would be queued behind the shot
    stored = Stored();
    QCOMPARE(stored.size(), 2);
    const auto drawn = std::find_if(stored.cbegin(), stored.cend(),
                                    [](const HistoryRecord &h) { return h.drill == QLatin1String("draw"); });
    QVERIFY(drawn != stored.cend());
    QCOMPARE(drawn->shots.size(), 1);
    QCOMPARE(drawn->results.firstShotUs, qint64(800000));
    QCOMPARE(drawn->results.parPassed, 1);
    window->drillRunner->Abort();
}

void tst_HistoryWindow::concentricTargetsShareTheAimPoint()
{
    if (!OpenWindow(dbPath))
        QSKIP("the camera library beside the test was not loaded");
    // A ring target drawn as one area per ring, the inner one first so that it takes its shots,
    // and a plate of the same size elsewhere.
    Target *inner = MainWindowTest::AddRect(window, QRectF(180, 130, 40, 40));
    inner->name = QStringLiteral("Ten");
    Target *outer = MainWindowTest::AddRect(window, QRectF(100, 50, 200, 200));
    outer->name = QStringLiteral("Five");
    Target *plate = MainWindowTest::AddRect(window, QRectF(400, 50, 40, 40));
    plate->name = QStringLiteral("Plate");
    window->ui->spinBoxSchotCount->setValue(3);
    window->ui->pushButtonGameStart->click();
    window->Shoot(QPointF(210, 160), QPointF(), false); // Ten, 10 right and down of the centre
    window->Shoot(QPointF(250, 100), QPointF(), false); // Five
    window->Shoot(QPointF(410, 80), QPointF(), false); // Plate: its own centre and size
    QList<HistoryRecord> stored;
    QTRY_VERIFY((stored = Stored()).size() == 1);
    const QList<HistoryShot> &shots = stored.first().shots;
    QCOMPARE(shots[0].shot.target, QStringLiteral("Ten"));
    QCOMPARE(shots[0].offset, QPointF(5, 5)); // in percent of the outer ring, not of "Ten"
    QCOMPARE(shots[1].offset, QPointF(25, -25));
    QCOMPARE(shots[2].offset, QPointF(-25, 25));
}

void tst_HistoryWindow::damagedDatabaseKeepsTheProgramWorking()
{
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char(i * 31 + 7);
    {
        QFile f(dbPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    if (!OpenWindow(dbPath))
        QSKIP("the camera library beside the test was not loaded");
    QVERIFY(window->historyButton);
    MainWindowTest::AddRect(window, QRectF(100, 100, 200, 100));
    window->ui->spinBoxSchotCount->setValue(2);
    window->ui->pushButtonGameStart->click();
    window->Shoot(QPointF(200, 150), QPointF(), false);
    window->Shoot(QPointF(210, 150), QPointF(), false);
    // The game itself went as always.
    QCOMPARE(window->gameState, int(GameState::Idle));
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 2);
    QTRY_VERIFY(!window->historyError.isEmpty());
    QVERIFY2(window->statusBar()->currentMessage().contains(dbPath), qPrintable(window->statusBar()->currentMessage()));

    // The window says the same and shows nothing.
    window->historyButton->click();
    QVERIFY(window->historyWindow && window->historyWindow->isVisible());
    QVERIFY(window->historyWindow->StatusText().contains(dbPath));
    QCOMPARE(window->historyWindow->model->rowCount(), 0);

    // The file is left for the user to rescue.
    QFile f(dbPath);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), garbage);
}

void tst_HistoryWindow::windowListsFiltersPlotsAndExports()
{
    {
        HistoryStore store;
        QVERIFY(store.Open(ParseHistoryUrl(dbPath)));
        for (int seed = 0; seed < 6; ++seed) {
            HistoryRecord r = HistoryTestDb::MadeRecord(seed, 3 + seed);
            QVERIFY(store.Store(r));
        }
    }
    if (!OpenWindow(dbPath))
        QSKIP("the camera library beside the test was not loaded");
    QVERIFY(window->historyButton);
    QList<ShotPlotData> plots;
    window->showHistoryPlot = [&plots](const ShotPlotData &d) { plots.append(d); };
    window->historyButton->click();
    HistoryWindow *w = window->historyWindow;
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->model->rowCount(), 6);
    QCOMPARE(w->Series(HistoryWindow::ScoreChart)->count(), 6);
    QCOMPARE(w->Series(HistoryWindow::GroupChart)->count(), 6);
    // The newest string (seed 5) heads the table; its total is the chart's last point.
    QCOMPARE(w->model->StringAt(0)->results.total, HistoryTestDb::MadeRecord(5, 8).results.total);
    QCOMPARE(w->Series(HistoryWindow::ScoreChart)->at(5).y(), double(HistoryTestDb::MadeRecord(5, 8).results.total));

    // Drill filter: "Alle", "Nur Spiele", then the drills.
    QCOMPARE(w->drillBox->count(), 3);
    w->drillBox->setCurrentIndex(2);
    QCOMPARE(w->model->rowCount(), 3);
    w->drillBox->setCurrentIndex(1);
    QCOMPARE(w->model->rowCount(), 3);
    QVERIFY(w->model->StringAt(0)->drill.isEmpty());
    const QString target = w->model->StringAt(0)->target;
    w->targetBox->setCurrentIndex(w->targetBox->findText(target));
    for (int row = 0; row < w->model->rowCount(); ++row)
        QCOMPARE(w->model->StringAt(row)->target, target);
    // A reload keeps the filters.
    QVERIFY(w->Reload());
    QCOMPARE(w->drillBox->currentIndex(), 1);
    QCOMPARE(w->targetBox->currentText(), target);

    // Double-clicking a row hands its plot to the hook.
    w->drillBox->setCurrentIndex(0);
    w->targetBox->setCurrentIndex(0);
    const QRect cell = w->table->visualRect(w->model->index(0, 0));
    QTest::mouseClick(w->table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(w->table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(plots.size(), 1);
    const HistoryRecord newest = HistoryTestDb::MadeRecord(5, 8);
    QCOMPARE(plots[0].offsets.size(), 8);
    QCOMPARE(plots[0].unit, QStringLiteral("mm"));
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(plots[0].offsets[i], newest.shots[i].offset);
        QCOMPARE(plots[0].scores[i], double(newest.shots[i].shot.score));
    }

    // Without a hook of its own the window shows its own plot dialog.
    {
        HistoryWindow own(ParseHistoryUrl(dbPath));
        QVERIFY(own.Reload());
        QVERIFY(own.ShowPlotOfRow(1)); // seed 4, seven shots
        const auto dialogs = own.findChildren<HistoryPlotDialog *>();
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs[0]->Data().offsets.size(), 7);
        QVERIFY(!dialogs[0]->grab().isNull()); // draws without tripping
        QVERIFY(!own.ShowPlotOfRow(99));
        QVERIFY(own.StatusText().contains(HistoryWindow::tr("Die Serie kann nicht geladen werden.")));
    }

    const QString csv = dir.filePath(QStringLiteral("export.csv"));
    w->askCsvFileName = [&] { return csv; };
    QVERIFY(w->ExportCsv());
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.size(), 8); // header, six strings, the empty end
    QVERIFY(lines[1].startsWith(HistoryTestDb::MadeRecord(0, 3).when.toString(Qt::ISODateWithMs).toUtf8()));
    w->askCsvFileName = [] { return QString(); };
    QVERIFY(!w->ExportCsv()); // cancelled
}

void tst_HistoryWindow::buttonAndWindowFollowTheLanguage()
{
    if (!OpenWindow(dbPath))
        QSKIP("the camera library beside the test was not loaded");
    QVERIFY(window->historyButton);
    QCOMPARE(window->historyButton->text(), QStringLiteral("Verlauf"));
    window->historyButton->click();
    QCOMPARE(window->historyWindow->windowTitle(), QStringLiteral("Trainingsverlauf"));
    window->historyWindow->close(); // gone once closed
    QTRY_VERIFY(!window->historyWindow);

    window->SetLanguage(QStringLiteral("en"));
    QTRY_COMPARE(window->historyButton->text(), QStringLiteral("History")); // the change event is posted
    window->historyButton->click();
    QCOMPARE(window->historyWindow->windowTitle(), QStringLiteral("Training history"));
    window->SetLanguage(QStringLiteral("fr"));
    QTRY_COMPARE(window->historyButton->text(), QStringLiteral("Historique"));
}

QTEST_MAIN(tst_HistoryWindow)
#include "tst_historywindow.moc"
