// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of hit markers, game control, shot evaluation and the table of hits, driven through the
// real main window.
#include "../common/mainwindowtest.h"
#include "../common/scenemouse.h"

#include "gamestate.h"
#include "hit.h"
#include "hitsexport.h"

#include <QClipboard>
#include <QGraphicsEllipseItem>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

using SceneMouse::Click;
using SceneMouse::DoubleClick;

class TestGame : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        window = MainWindowTest::Open(2);
        QVERIFY2(window, "the camera library beside the test was not loaded");
        sounds = new QSignalSpy(window, &MainWindow::SoundPlayed);
    }

    void cleanup()
    {
        delete sounds;
        delete window;
        QVERIFY(Hit::All().isEmpty());
    }

    void targetGameRowsAndSounds()
    {
        AddTarget(QRectF(100, 100, 100, 100), TargetType::Target, 3, QStringLiteral("Plate"));
        AddTarget(QRectF(300, 100, 100, 100), TargetType::Target, -5, QStringLiteral("Hostage"));
        AddTarget(QRectF(500, 100, 100, 100), TargetType::Target, 0, QStringLiteral("Zero"));
        window->ui->spinBoxSchotCount->setValue(5);
        QTest::mouseClick(window->ui->pushButtonGameStart, Qt::LeftButton);
        QCOMPARE(Game(), QStringLiteral("Running Stop 0"));
        QVERIFY(window->gameTimer.isValid());
        QCOMPARE(Sounds(), QStringList{"Peep"});

        // The clock runs from the start: the tick shows it on the time label.
        const QRegularExpression running(QStringLiteral("^\\d+,\\d\\ds$"));
        QTRY_VERIFY_WITH_TIMEOUT(running.match(window->ui->labelTotaltime->text()).hasMatch(), 5000);
        Click(window->scene, QPointF(150, 150));
        QCOMPARE(Cell(0, 0), QStringLiteral("Plate"));
        QCOMPARE(Cell(0, 1), QStringLiteral("3"));
        QVERIFY(running.match(Cell(0, 2)).hasMatch());
        Click(window->scene, QPointF(10, 10)); // a miss is a shot too
        QCOMPARE(Cell(1, 0), QStringLiteral("Missed"));
        Click(window->scene, QPointF(350, 150), Qt::RightButton); // any button shoots
        QCOMPARE(Cell(2, 1), QStringLiteral("-5"));
        Click(window->scene, QPointF(550, 150));
        // A negative score still rings the plate; a zero score does not.
        QCOMPARE(Sounds(), (QStringList{"Gunshot", "TargetHit", "Gunshot", "Gunshot", "TargetHit", "Gunshot"}));
        QCOMPARE(Game(), QStringLiteral("Running Stop 4"));
        Click(window->scene, QPointF(150, 150));
        QCOMPARE(Game(), QStringLiteral("Idle Start 5"));
        QCOMPARE(window->ui->labelTotalscore->text(), QStringLiteral("1"));
        QCOMPARE(window->Targets().first()->hits, 2);
        QVERIFY(!window->gameTimer.isValid());
        // Markers of a game stay until the next start, which clears the table and the total.
        QCOMPARE(Hit::All().size(), 5);
        window->ui->pushButtonGameStart->click();
        QCOMPARE(Game(), QStringLiteral("Running Stop 0"));
        QCOMPARE(window->ui->labelTotalscore->text(), QStringLiteral("0"));
        QVERIFY(Hit::All().isEmpty());

        // A page switch stops the game and takes the markers out of the scene with their hits.
        Shoot(10, 10);
        window->SetPage(1);
        QVERIFY(Hit::All().isEmpty());
        for (QGraphicsItem *item : window->scene->items())
            QVERIFY(item->zValue() != 910.0);
        QCOMPARE(Game(), QStringLiteral("Idle Start 1"));
    }

    // A time game: the hold before it, which Space and the button leave alone; the end once every target
    // is hit; a false start during the next hold; a page switch during a hold.
    void timeGame()
    {
        Target *a = AddTarget(QRectF(0, 0, 100, 100), TargetType::Target, 2, QStringLiteral("A"));
        Target *b = AddTarget(QRectF(200, 0, 100, 100), TargetType::Target, 5, QStringLiteral("B"));
        AddTarget(QRectF(400, 0, 100, 100), TargetType::StartButton, 0, QStringLiteral("Go"));
        window->ui->comboBoxGametype->setCurrentIndex(1);
        window->ui->pushButtonGameStart->click();
        QCOMPARE(Game(), QStringLiteral("Waiting Hold 0"));
        QCOMPARE(Sounds(), QStringList{"Reload"});
        const int interval = window->startDelayTimer.interval();
        QVERIFY(interval >= 1000 && interval <= 1999);
        QVERIFY(window->startDelayTimer.isActive() && !window->gameTimer.isValid());
        // Space and the button change nothing during the hold.
        QTest::keyClick(window, Qt::Key_Space);
        window->ui->pushButtonGameStart->click();
        QCOMPARE(Game(), QStringLiteral("Waiting Hold 0"));
        QCOMPARE(window->startDelayTimer.interval(), interval);
        QVERIFY(Sounds().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(Game(), QStringLiteral("Running Stop 0"), 2500);
        QCOMPARE(Sounds(), QStringList{"Peep"});

        Shoot(50, 50);
        Shoot(60, 60);
        QCOMPARE(a->hits, 2);
        // A target hit in a time game stays lit until the game is reset: no set-back is pending.
        for (const Hit *hit : Hit::All())
            QVERIFY(!hit->targetBackTimer.isActive());
        QCOMPARE(PenColour(a), QColor(Qt::white));
        Shoot(450, 50); // the start button is no target: a miss
        QCOMPARE(Cell(2, 0), QStringLiteral("Missed"));
        Shoot(250, 50);
        QCOMPARE(b->hits, 1);
        QCOMPARE(Game(), QStringLiteral("Idle Start 4"));
        QCOMPARE(window->ui->labelTotalscore->text(), QStringLiteral("9"));
        // The next start resets hits and colours.
        window->ui->pushButtonGameStart->click();
        QCOMPARE(a->hits, 0);
        QCOMPARE(PenColour(a), window->colors.at(1));
        QCOMPARE(Game(), QStringLiteral("Waiting Hold 0"));
        Sounds();

        // A shot during the hold is a false start, heard and read in the status bar.
        QVERIFY(window->ui->statusBar->currentMessage().isEmpty());
        Shoot(300, 300);
        QCOMPARE(Sounds(), (QStringList{"Gunshot", "Horn"}));
        QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("Fehlstart"));
        QCOMPARE(Game(), QStringLiteral("Idle Start 0"));
        // The hold's end no longer starts anything: wait until its timer is over (at once when it
        // was stopped, else after its at most 2 s have run out). The marker stays until the next start.
        QTRY_VERIFY_WITH_TIMEOUT(!window->startDelayTimer.isActive(), 5000);
        QCOMPARE(State(), int(GameState::Idle));
        QVERIFY(Sounds().isEmpty());
        QCOMPARE(Hit::All().size(), 1);
        // A page switch ends a hold as well.
        window->ui->pushButtonGameStart->click();
        window->SetPage(0);
        QCOMPARE(State(), int(GameState::Idle));
        QVERIFY(!window->startDelayTimer.isActive());
    }

    // Without a game a shot flashes the target for 200 ms and leaves a marker for 1000 ms; nothing is
    // scored. On the Game page it clicks, on the Targets page it is silent.
    void flashesWithoutGame()
    {
        Target *t = AddTarget(QRectF(100, 100, 100, 100), TargetType::Target, 1, QStringLiteral("A"));
        hitSize = 7;
        Click(window->scene, QPointF(150, 120));
        hitSize = 5;
        QCOMPARE(Sounds(), QStringList{"Klick"});
        QCOMPARE(Hit::All().size(), 1);
        QGraphicsEllipseItem *marker = Hit::All().first()->marker;
        QCOMPARE(marker->sceneBoundingRect().center(), QPointF(150, 120));
        QCOMPARE(marker->rect(), QRectF(-7, -7, 14, 14));
        QCOMPARE(marker->zValue(), 910.0);
        QCOMPARE(PenColour(t), QColor(Qt::white));
        QTRY_COMPARE_WITH_TIMEOUT(PenColour(t), window->colors.at(1), 400);
        QTRY_VERIFY_WITH_TIMEOUT(Hit::All().isEmpty(), 1500);
        QCOMPARE(Game(), QStringLiteral("Idle Start 0"));

        // A second shot while the first flash is at least half over: the first set-back already
        // restores the colour.
        Shoot(150, 150);
        QPointer<Hit> first = Hit::All().first();
        QTRY_VERIFY_WITH_TIMEOUT(first && first->targetBackTimer.remainingTime() <= 100, 5000);
        Shoot(160, 150);
        QCOMPARE(PenColour(t), QColor(Qt::white));
        QTRY_VERIFY_WITH_TIMEOUT(!first || !first->targetBackTimer.isActive(), 1000);
        QCOMPARE(PenColour(t), window->colors.at(1));
        QCOMPARE(Hit::All().size(), 2);
        // Starting a game removes the hits and any pending set-back at once.
        Shoot(150, 150);
        QCOMPARE(PenColour(t), QColor(Qt::white));
        window->ui->pushButtonGameStart->click();
        QVERIFY(Hit::All().isEmpty());
        QCOMPARE(PenColour(t), window->colors.at(1));

        // A target deleted while its flash is pending is forgotten by the hit, whose marker stays;
        // the set-back then touches nothing.
        window->SetPage(1);
        Sounds();
        Shoot(150, 150);
        QVERIFY(Sounds().isEmpty());
        QCOMPARE(PenColour(t), QColor(Qt::white));
        QPointer<Hit> hit = Hit::All().first();
        QCOMPARE(hit->target, t);
        window->RemoveTarget(t);
        QCOMPARE(hit->target, nullptr);
        QVERIFY(hit->marker);
        QTRY_VERIFY_WITH_TIMEOUT(!hit || !hit->targetBackTimer.isActive(), 1000);
    }

    // Of overlapping shapes the earlier row takes the shot; an ignore area swallows it whole.
    void earlierRowTakesTheShot()
    {
        AddTarget(QRectF(0, 0, 200, 200), TargetType::IgnoreArea, 1, QStringLiteral("Lamp"));
        AddTarget(QRectF(100, 100, 200, 200), TargetType::Target, 1, QStringLiteral("Front"));
        AddTarget(QRectF(200, 200, 200, 200), TargetType::Target, 7, QStringLiteral("Back"));
        window->ui->pushButtonGameStart->click();
        Sounds();
        Shoot(150, 150);
        Shoot(50, 50);
        QVERIFY(Hit::All().isEmpty());
        QVERIFY(Sounds().isEmpty());
        QCOMPARE(window->ui->tableWidgetHits->rowCount(), 0);
        Shoot(250, 250);
        Shoot(350, 350);
        QCOMPARE(Cell(0, 0), QStringLiteral("Front"));
        QCOMPARE(Cell(1, 0), QStringLiteral("Back"));
        QCOMPARE(Sounds(), (QStringList{"Gunshot", "TargetHit", "Gunshot", "TargetHit"}));

        // On the Targets page the ignore area still swallows shots; the Camera page takes none.
        window->SetPage(1);
        Shoot(50, 50);
        QVERIFY(Hit::All().isEmpty());
        window->SetPage(0);
        Shoot(250, 250);
        QVERIFY(Hit::All().isEmpty());
        QVERIFY(Sounds().isEmpty());
    }

    void startButtonShotSpaceAndStopButton()
    {
        AddTarget(QRectF(500, 400, 100, 50), TargetType::StartButton, 0, QStringLiteral("Go"));
        Shoot(550, 420, true);
        QCOMPARE(State(), int(GameState::Running));
        QCOMPARE(Sounds(), QStringList{"Peep"});
        // In a running game the start button is a plain miss.
        Shoot(550, 420, true);
        QCOMPARE(Cell(0, 0), QStringLiteral("Missed"));
        // The button stops the game; the table and the total stay, the clock stands still.
        window->ui->pushButtonGameStart->click();
        QCOMPARE(Game(), QStringLiteral("Idle Start 1"));
        QCOMPARE(window->ui->labelTotalscore->text(), QStringLiteral("0"));
        const QString time = window->ui->labelTotaltime->text();
        // Nothing to poll for: the check is that the clock stays still over a few 10 ms ticks.
        QTest::qWait(30);
        QCOMPARE(window->ui->labelTotaltime->text(), time);

        // Space starts and stops as the button does; a shot count of 0 ends a game on the first shot.
        QTest::keyClick(window, Qt::Key_Space);
        QCOMPARE(Game(), QStringLiteral("Running Stop 0"));
        QTest::keyClick(window, Qt::Key_Space);
        QCOMPARE(State(), int(GameState::Idle));
        window->ui->spinBoxSchotCount->setValue(0);
        QTest::keyClick(window, Qt::Key_Space);
        Shoot(50, 50);
        QCOMPARE(Game(), QStringLiteral("Idle Start 1"));
        // A widget that takes focus keeps the Space key.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->ui->spinBoxSchotCount->setFocus();
        QTest::keyClick(window->ui->spinBoxSchotCount, Qt::Key_Space);
        QCOMPARE(State(), int(GameState::Idle));
    }

    // The table's menu: disabled while empty; copies the table as tab-separated text (line breaks and
    // tabs in a cell become spaces); saves it as UTF-8 CSV (fields with commas, quotes or line breaks
    // quoted) through the file name seam; a cancelled or failed save leaves no file. The newest row
    // stays in sight.
    // The second press of a double click arrives as a double click, which only edits polygons:
    // on the Game page a quick double click is one shot, one row.
    void doubleClickIsOneShot()
    {
        window->ui->pushButtonGameStart->click();
        DoubleClick(window->scene, QPointF(30, 40));
        QCOMPARE(window->ui->tableWidgetHits->rowCount(), 1);
        QCOMPARE(Hit::All().size(), 1);
        QCOMPARE(Sounds(), (QStringList{"Peep", "Gunshot"}));
    }

    void hitsTableMenuAndScrolling()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTableWidget *table = window->ui->tableWidgetHits;
        auto openMenu = [table]() -> QMenu * {
            emit table->customContextMenuRequested(QPoint(5, 5));
            return table->findChild<QMenu *>();
        };
        QMenu *menu = openMenu();
        QVERIFY(menu);
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << action->text() + (action->isEnabled() ? "" : " (off)");
        QCOMPARE(texts, QStringList({"Kopieren (off)", "Als CSV speichern… (off)"}));
        delete menu;

        window->AddHitRow(QStringLiteral("Müller, \"A\""), 7);
        window->AddHitRow(QStringLiteral("oben\r\nmitte\nunten\tB"), 9);
        // The export's own header in the program's language: the table's is the same in German as in English.
        const QStringList header{"Ziel", "Punkte", "Zeit (s)"};
        menu = openMenu();
        QVERIFY(menu->actions().at(0)->isEnabled() && menu->actions().at(1)->isEnabled());
        menu->actions().at(0)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 header.join('\t') + QStringLiteral("\nMüller, \"A\"\t7\t0.00\noben mitte unten B\t9\t0.00\n"));

        QTemporaryDir dir;
        QString answer = dir.filePath(QStringLiteral("hits.csv"));
        QString suggested;
        window->askCsvFileName = [&](const QString &name) { suggested = name; return answer; };
        menu->actions().at(1)->trigger();
        delete menu;
        QVERIFY(suggested.endsWith(QLatin1String(".csv")));
        QFile file(answer);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), (header.join(',') + QStringLiteral("\r\n\"Müller, \"\"A\"\"\",7,0.00\r\n"
                                                                    "\"oben\r\nmitte\nunten\tB\",9,0.00\r\nGesamt,16,0.00\r\n")).toUtf8());

        answer.clear(); // cancelled
        window->SaveHitsCsv();
        answer = dir.filePath(QStringLiteral("missing/hits.csv"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Kann nicht öffnen .*missing")));
        window->SaveHitsCsv();
        QVERIFY(window->statusBar()->currentMessage().contains(QLatin1String("missing")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"hits.csv"});

        QScrollBar *bar = table->verticalScrollBar();
        for (int i = 0; i < 60; ++i)
            window->AddHitRow(QStringLiteral("Missed"), 0);
        QTRY_VERIFY(bar->maximum() > 0);
        QTRY_COMPARE(bar->value(), bar->maximum());
    }

    void exportTimes_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("seconds");
        QTest::newRow("clock") << "12,34s" << "12.34";
        QTest::newRow("no minutes") << "61,00s" << "61.00";
        QTest::newRow("never started") << "0:00" << "0.00";
        QTest::newRow("other text kept") << "1,2s" << "1,2s";
        QTest::newRow("empty") << "" << "";
    }

    void exportTimes()
    {
        QFETCH(QString, shown);
        QFETCH(QString, seconds);
        QCOMPARE(HitsTimeSeconds(shown), seconds);
    }

    // After a switch to English the whole export is English, the rows recorded in German too;
    // target names and ring rows stay as they are.
    void exportFollowsTheLanguage()
    {
        window->ui->pushButtonGameStart->click();
        window->AddHitRow(window->tr("Missed"), 0);
        window->AddHitRow(window->tr("Treffer"), 12);
        window->AddHitRow(QStringLiteral("Ring 7"), 7);
        window->AddHitRow(QStringLiteral("Plate"), 3);
        window->SetLanguage(QStringLiteral("en"));
        window->AddHitRow(window->tr("Missed"), 0);
        window->ui->pushButtonGameStart->click();
        QStringList names;
        for (const QStringList &row : window->HitsRows())
            names << row.at(0);
        QCOMPARE(names, (QStringList{"Missed", "Hit", "Ring 7", "Plate", "Missed"}));
        QCOMPARE(window->HitsHeader(), (QStringList{"Target", "Score", "Time (s)"}));
        QTemporaryDir dir;
        window->askCsvFileName = [&](const QString &) { return dir.filePath(QStringLiteral("en.csv")); };
        window->SaveHitsCsv();
        QFile file(dir.filePath(QStringLiteral("en.csv")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QVERIFY2(lines.value(6).startsWith("Total,22,"), lines.value(6).constData());
        QVERIFY(QRegularExpression(QStringLiteral("^Total,22,\\d+\\.\\d\\d\r$")).match(QString::fromUtf8(lines.value(6))).hasMatch());
        window->SetLanguage(QStringLiteral("fr"));
        QCOMPARE(window->HitsRows().value(1).value(0), QStringLiteral("Touché"));
        QCOMPARE(window->HitsRows().value(0).value(0), QStringLiteral("Manqué"));
        window->SetLanguage(QStringLiteral("de"));
        QCOMPARE(window->HitsRows().value(0).value(0), QStringLiteral("Fehlschuss"));
    }

private:
    Target *AddTarget(const QRectF &rect, TargetType type, int score, const QString &name)
    {
        Target *t = MainWindowTest::AddRect(window, rect);
        t->type = int(type);
        t->score = score;
        t->name = name;
        window->UpdateTargetText(t);
        window->SelectTargetsByItems({});
        window->ColorTarget(t);
        return t;
    }

    void Shoot(qreal x, qreal y, bool fromCamera = false) { window->Shoot(QPointF(x, y), QPointF(), fromCamera); }

    QStringList Sounds() const
    {
        QStringList names;
        for (const QList<QVariant> &args : *sounds)
            names << args.at(0).toString().remove(QStringLiteral(".wav"));
        sounds->clear();
        return names;
    }

    QString Cell(int row, int column) const
    {
        QTableWidgetItem *item = window->ui->tableWidgetHits->item(row, column);
        return item ? item->text() : QString();
    }

    QColor PenColour(const Target *t) const { return t->item->pen().color(); }
    int State() const { return window->gameState; }

    // The game as the page shows it: state, start button text, rows of hits.
    QString Game() const
    {
        const char *states[] = {"Idle", "Waiting", "Running"};
        return QStringLiteral("%1 %2 %3").arg(QLatin1String(states[window->gameState]),
                                              window->ui->pushButtonGameStart->text(),
                                              QString::number(window->ui->tableWidgetHits->rowCount()));
    }

    MainWindow *window = nullptr;
    QSignalSpy *sounds = nullptr;
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"
