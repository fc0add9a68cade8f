// Tests of hit markers, game control and shot evaluation, driven through the real main window.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "../common/scenemouse.h"
#include "gamestate.h"
#include "hit.h"
#include "target.h"
#include "targetsgraphicscene.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QSignalSpy>
#include <QtTest>

using SceneMouse::Click;

class TestGame : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void targetGameEndsAtShotCount();
    void shotCountZeroEndsOnFirstShot();
    void timeGameHoldsThenRuns();
    void falseStartDuringHold();
    void startDuringHoldChangesNothing();
    void timeGameEndsWhenEveryTargetIsHit();
    void timeGameWithoutTargetsEndsByCount();
    void rowsAndTotals();
    void nextStartClearsResults();
    void idleClickFlashesAndMarks();
    void targetsPageFlashesWithoutScoring();
    void overlappingFlashesAreCutShort();
    void pageSwitchClearsMarkersAndStops();
    void shotsOnIgnoredAreasAndCameraPage();
    void earlierRowTakesTheShot();
    void startButtonStartsTheGame();
    void keysByPage();
    void deletedTargetIsForgotten();

private:
    Target *AddTarget(const QRectF &rect, TargetType type, int score, const QString &name);
    QStringList Sounds() const;
    QString Cell(int row, int column) const;
    QColor PenColour(const Target *t) const { return t->item->pen().color(); }

    MainWindow *window = nullptr;
    QSignalSpy *sounds = nullptr;
};

void TestGame::init()
{
    window = new MainWindow;
    QVERIFY(window->IsConfigured());
    window->SetPage(2);
    sounds = new QSignalSpy(window, &MainWindow::SoundPlayed);
}

void TestGame::cleanup()
{
    delete sounds;
    delete window;
    QVERIFY(Hit::All().isEmpty());
}

Target *TestGame::AddTarget(const QRectF &rect, TargetType type, int score, const QString &name)
{
    window->scene->AddPolygonTarget(QPolygonF(rect).isClosed() ? QPolygonF(rect) : QPolygonF(rect) << rect.topLeft());
    Target *t = window->SelectedTarget();
    t->type = int(type);
    t->score = score;
    t->name = name;
    window->UpdateTargetText(t);
    window->SelectTargetsByItems({});
    window->ColorTarget(t);
    return t;
}

QStringList TestGame::Sounds() const
{
    QStringList names;
    for (const QList<QVariant> &args : *sounds)
        names << args.at(0).toString().remove(QStringLiteral(".wav"));
    sounds->clear();
    return names;
}

QString TestGame::Cell(int row, int column) const
{
    QTableWidgetItem *item = window->ui->tableWidgetHits->item(row, column);
    return item ? item->text() : QString();
}

void TestGame::targetGameEndsAtShotCount()
{
    AddTarget(QRectF(100, 100, 100, 100), TargetType::Target, 3, QStringLiteral("Plate"));
    window->ui->spinBoxSchotCount->setValue(3);
    QTest::mouseClick(window->ui->pushButtonGameStart, Qt::LeftButton);
    QCOMPARE(window->gameState, int(GameState::Running));
    QCOMPARE(window->ui->pushButtonGameStart->text(), QStringLiteral("Stop"));
    QVERIFY(window->gameTimer.isValid());
    QCOMPARE(Sounds(), QStringList{"Peep"});

    // The clock runs from the start: the tick shows it on the time label.
    const QRegularExpression running(QStringLiteral("^\\d+,\\d\\ds$"));
    QTRY_VERIFY_WITH_TIMEOUT(running.match(window->ui->labelTotaltime->text()).hasMatch(), 5000);
    Click(window->scene, QPointF(150, 150));
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 1);
    QCOMPARE(Cell(0, 0), QStringLiteral("Plate"));
    QCOMPARE(Cell(0, 1), QStringLiteral("3"));
    QVERIFY(running.match(Cell(0, 2)).hasMatch());
    QCOMPARE(Sounds(), (QStringList{"Gunshot", "TargetHit"}));
    Click(window->scene, QPointF(10, 10)); // a miss is a shot too
    QCOMPARE(Cell(1, 0), QStringLiteral("Missed"));
    QCOMPARE(Sounds(), QStringList{"Gunshot"});
    QCOMPARE(window->gameState, int(GameState::Running));
    Click(window->scene, QPointF(150, 150), Qt::RightButton); // any button shoots
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 3);
    QCOMPARE(window->gameState, int(GameState::Idle));
    QCOMPARE(window->ui->pushButtonGameStart->text(), QStringLiteral("Start"));
    QCOMPARE(window->ui->labelTotalscore->text(), QStringLiteral("6"));
    QVERIFY(!window->gameTimer.isValid());
    // Markers of a game stay until the next start.
    QCOMPARE(Hit::All().size(), 3);
}

void TestGame::shotCountZeroEndsOnFirstShot()
{
    window->ui->spinBoxSchotCount->setValue(0);
    window->ui->pushButtonGameStart->click();
    QCOMPARE(window->gameState, int(GameState::Running));
    window->Shoot(QPointF(5, 5), QPointF(), false);
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 1);
    QCOMPARE(window->gameState, int(GameState::Idle));
}

void TestGame::timeGameHoldsThenRuns()
{
    AddTarget(QRectF(0, 0, 50, 50), TargetType::Target, 1, QStringLiteral("A"));
    window->ui->comboBoxGametype->setCurrentIndex(1);
    window->ui->pushButtonGameStart->click();
    QCOMPARE(window->gameState, int(GameState::Waiting));
    QCOMPARE(window->ui->pushButtonGameStart->text(), QStringLiteral("Hold"));
    QCOMPARE(Sounds(), QStringList{"Reload"});
    QVERIFY(window->startDelayTimer.isActive());
    QVERIFY(window->startDelayTimer.interval() >= 1000 && window->startDelayTimer.interval() <= 1999);
    QVERIFY(!window->gameTimer.isValid());
    QTRY_COMPARE_WITH_TIMEOUT(window->gameState, int(GameState::Running), 2500);
    QCOMPARE(window->ui->pushButtonGameStart->text(), QStringLiteral("Stop"));
    QCOMPARE(Sounds(), QStringList{"Peep"});
    window->ui->pushButtonGameStart->click();
    QCOMPARE(window->gameState, int(GameState::Idle));
}

void TestGame::falseStartDuringHold()
{
    window->ui->comboBoxGametype->setCurrentIndex(1);
    window->ui->pushButtonGameStart->click();
    Sounds();
    window->Shoot(QPointF(300, 300), QPointF(), false);
    QCOMPARE(Sounds(), (QStringList{"Gunshot", "Horn"}));
    QCOMPARE(window->gameState, int(GameState::Idle));
    QCOMPARE(window->ui->pushButtonGameStart->text(), QStringLiteral("Start"));
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 0);
    QCOMPARE(Hit::All().size(), 1); // the marker stays until the next start
    // The hold's end no longer starts anything: wait until its timer is over (at once when it
    // was stopped, else after its at most 2 s have run out).
    QTRY_VERIFY_WITH_TIMEOUT(!window->startDelayTimer.isActive(), 5000);
    QCOMPARE(window->gameState, int(GameState::Idle));
    QVERIFY(Sounds().isEmpty());
    QCOMPARE(Hit::All().size(), 1);
}

void TestGame::startDuringHoldChangesNothing()
{
    window->ui->comboBoxGametype->setCurrentIndex(1);
    window->ui->pushButtonGameStart->click();
    Sounds();
    const int interval = window->startDelayTimer.interval();
    QTest::keyClick(window, Qt::Key_Space);
    window->ui->pushButtonGameStart->click();
    QCOMPARE(window->gameState, int(GameState::Waiting));
    QCOMPARE(window->ui->pushButtonGameStart->text(), QStringLiteral("Hold"));
    QCOMPARE(window->startDelayTimer.interval(), interval);
    QVERIFY(Sounds().isEmpty());
}

void TestGame::timeGameEndsWhenEveryTargetIsHit()
{
    Target *a = AddTarget(QRectF(0, 0, 100, 100), TargetType::Target, 2, QStringLiteral("A"));
    Target *b = AddTarget(QRectF(200, 0, 100, 100), TargetType::Target, 5, QStringLiteral("B"));
    AddTarget(QRectF(400, 0, 100, 100), TargetType::StartButton, 0, QStringLiteral("Go"));
    window->ui->comboBoxGametype->setCurrentIndex(1);
    window->ui->pushButtonGameStart->click();
    QTRY_COMPARE_WITH_TIMEOUT(window->gameState, int(GameState::Running), 2500);

    window->Shoot(QPointF(50, 50), QPointF(), false);
    window->Shoot(QPointF(60, 60), QPointF(), false);
    QCOMPARE(a->hits, 2);
    // A target hit in a time game stays lit until the game is reset: no set-back is pending.
    for (const Hit *hit : Hit::All())
        QVERIFY(!hit->targetBackTimer.isActive());
    QCOMPARE(PenColour(a), QColor(Qt::white));
    QCOMPARE(window->gameState, int(GameState::Running));
    window->Shoot(QPointF(450, 50), QPointF(), false); // the start button is no target: a miss
    QCOMPARE(Cell(2, 0), QStringLiteral("Missed"));
    window->Shoot(QPointF(250, 50), QPointF(), false);
    QCOMPARE(b->hits, 1);
    QCOMPARE(window->gameState, int(GameState::Idle));
    QCOMPARE(window->ui->labelTotalscore->text(), QStringLiteral("9"));
    // The next start resets hits and colours.
    window->ui->comboBoxGametype->setCurrentIndex(0);
    window->ui->pushButtonGameStart->click();
    QCOMPARE(a->hits, 0);
    QCOMPARE(PenColour(a), window->colors.at(1));
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 0);
}

void TestGame::timeGameWithoutTargetsEndsByCount()
{
    window->ui->spinBoxSchotCount->setValue(2);
    window->ui->comboBoxGametype->setCurrentIndex(1);
    window->ui->pushButtonGameStart->click();
    QTRY_COMPARE_WITH_TIMEOUT(window->gameState, int(GameState::Running), 2500);
    window->Shoot(QPointF(50, 50), QPointF(), false);
    QCOMPARE(window->gameState, int(GameState::Running));
    window->Shoot(QPointF(50, 50), QPointF(), false);
    QCOMPARE(window->gameState, int(GameState::Idle));
}

void TestGame::rowsAndTotals()
{
    Target *minus = AddTarget(QRectF(0, 0, 100, 100), TargetType::Target, -5, QStringLiteral("Hostage"));
    AddTarget(QRectF(200, 0, 100, 100), TargetType::Target, 0, QStringLiteral("Zero"));
    window->ui->pushButtonGameStart->click();
    Sounds();
    window->Shoot(QPointF(50, 50), QPointF(), false);
    window->Shoot(QPointF(50, 50), QPointF(), false);
    window->Shoot(QPointF(250, 50), QPointF(), false);
    QCOMPARE(Cell(0, 1), QStringLiteral("-5"));
    QCOMPARE(Cell(2, 0), QStringLiteral("Zero"));
    QCOMPARE(window->totalScore, -10);
    QCOMPARE(window->ui->labelTotalscore->text(), QStringLiteral("-10"));
    QCOMPARE(minus->hits, 2);
    // A negative score still rings the plate; a zero score does not.
    QCOMPARE(Sounds(), (QStringList{"Gunshot", "TargetHit", "Gunshot", "TargetHit", "Gunshot"}));
}

void TestGame::nextStartClearsResults()
{
    AddTarget(QRectF(0, 0, 100, 100), TargetType::Target, 4, QStringLiteral("A"));
    window->ui->pushButtonGameStart->click();
    window->Shoot(QPointF(50, 50), QPointF(), false);
    window->ui->pushButtonGameStart->click(); // stop keeps the results
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 1);
    QCOMPARE(window->ui->labelTotalscore->text(), QStringLiteral("4"));
    const QString time = window->ui->labelTotaltime->text();
    // Nothing to poll for: the check is that the clock stays still over a few 10 ms ticks.
    QTest::qWait(30);
    QCOMPARE(window->ui->labelTotaltime->text(), time);
    QCOMPARE(Hit::All().size(), 1);
    window->ui->pushButtonGameStart->click();
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 0);
    QCOMPARE(window->ui->labelTotalscore->text(), QStringLiteral("0"));
    QVERIFY(Hit::All().isEmpty());
    window->ui->pushButtonGameStart->click();
    QCOMPARE(window->ui->labelTotaltime->text() == QStringLiteral("0:00") || window->ui->labelTotaltime->text().endsWith('s'), true);
}

void TestGame::idleClickFlashesAndMarks()
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
    QVERIFY(!Hit::All().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(Hit::All().isEmpty(), 1500);
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 0);
    QCOMPARE(window->gameState, int(GameState::Idle));
}

void TestGame::targetsPageFlashesWithoutScoring()
{
    Target *t = AddTarget(QRectF(100, 100, 100, 100), TargetType::Target, 1, QStringLiteral("A"));
    window->SetPage(1);
    window->Shoot(QPointF(150, 150), QPointF(), false); // as a camera shot on the Targets page
    QVERIFY(Sounds().isEmpty());
    QCOMPARE(PenColour(t), QColor(Qt::white));
    QCOMPARE(Hit::All().size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(Hit::All().isEmpty(), 1500);
    QCOMPARE(PenColour(t), window->colors.at(1));
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 0);
}

void TestGame::overlappingFlashesAreCutShort()
{
    Target *t = AddTarget(QRectF(100, 100, 100, 100), TargetType::Target, 1, QStringLiteral("A"));
    window->Shoot(QPointF(150, 150), QPointF(), false);
    QPointer<Hit> first = Hit::All().first();
    // The second shot comes while the first flash is at least half over.
    QTRY_VERIFY_WITH_TIMEOUT(first && first->targetBackTimer.remainingTime() <= 100, 5000);
    window->Shoot(QPointF(160, 150), QPointF(), false);
    QCOMPARE(PenColour(t), QColor(Qt::white));
    // The first set-back (200 ms after the first shot) already restores the colour.
    QTRY_VERIFY_WITH_TIMEOUT(!first || !first->targetBackTimer.isActive(), 1000);
    QCOMPARE(PenColour(t), window->colors.at(1));
    QCOMPARE(Hit::All().size(), 2);
    // Starting a game removes the hits and any pending set-back at once.
    window->Shoot(QPointF(150, 150), QPointF(), false);
    QCOMPARE(PenColour(t), QColor(Qt::white));
    window->ui->pushButtonGameStart->click();
    QVERIFY(Hit::All().isEmpty());
    QCOMPARE(PenColour(t), window->colors.at(1));
}

void TestGame::pageSwitchClearsMarkersAndStops()
{
    window->ui->pushButtonGameStart->click();
    window->Shoot(QPointF(10, 10), QPointF(), false);
    window->Shoot(QPointF(20, 10), QPointF(), false);
    QCOMPARE(Hit::All().size(), 2);
    window->SetPage(1);
    QVERIFY(Hit::All().isEmpty());
    QCOMPARE(window->gameState, int(GameState::Idle));
    QCOMPARE(window->ui->pushButtonGameStart->text(), QStringLiteral("Start"));
    // A hold is ended by a page switch as well.
    window->SetPage(2);
    window->ui->comboBoxGametype->setCurrentIndex(1);
    window->ui->pushButtonGameStart->click();
    window->SetPage(0);
    QCOMPARE(window->gameState, int(GameState::Idle));
    QVERIFY(!window->startDelayTimer.isActive());
}

void TestGame::shotsOnIgnoredAreasAndCameraPage()
{
    AddTarget(QRectF(0, 0, 200, 200), TargetType::IgnoreArea, 1, QStringLiteral("Lamp"));
    AddTarget(QRectF(100, 100, 200, 200), TargetType::Target, 1, QStringLiteral("A"));
    window->ui->pushButtonGameStart->click();
    Sounds();
    // The ignore area is in the earlier row, so it swallows the overlap.
    window->Shoot(QPointF(150, 150), QPointF(), false);
    window->Shoot(QPointF(50, 50), QPointF(), false);
    QVERIFY(Hit::All().isEmpty());
    QVERIFY(Sounds().isEmpty());
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 0);
    window->Shoot(QPointF(250, 250), QPointF(), false);
    QCOMPARE(window->ui->tableWidgetHits->rowCount(), 1);
    QCOMPARE(Sounds(), (QStringList{"Gunshot", "TargetHit"}));

    window->SetPage(1);
    window->Shoot(QPointF(50, 50), QPointF(), false);
    QVERIFY(Hit::All().isEmpty());
    window->SetPage(0);
    window->Shoot(QPointF(250, 250), QPointF(), false);
    QVERIFY(Hit::All().isEmpty());
    QVERIFY(Sounds().isEmpty());
}

void TestGame::earlierRowTakesTheShot()
{
    AddTarget(QRectF(0, 0, 200, 200), TargetType::Target, 1, QStringLiteral("Front"));
    AddTarget(QRectF(100, 100, 200, 200), TargetType::Target, 7, QStringLiteral("Back"));
    window->ui->pushButtonGameStart->click();
    window->Shoot(QPointF(150, 150), QPointF(), false);
    window->Shoot(QPointF(250, 250), QPointF(), false);
    QCOMPARE(Cell(0, 0), QStringLiteral("Front"));
    QCOMPARE(Cell(1, 0), QStringLiteral("Back"));
}

void TestGame::startButtonStartsTheGame()
{
    AddTarget(QRectF(500, 400, 100, 50), TargetType::StartButton, 0, QStringLiteral("Go"));
    window->Shoot(QPointF(550, 420), QPointF(), true);
    QCOMPARE(window->gameState, int(GameState::Running));
    QCOMPARE(Sounds(), QStringList{"Peep"});
    // In a running game the start button is a plain miss.
    window->Shoot(QPointF(550, 420), QPointF(), true);
    QCOMPARE(Cell(0, 0), QStringLiteral("Missed"));
    QCOMPARE(window->gameState, int(GameState::Running));
}

void TestGame::keysByPage()
{
    Target *t = AddTarget(QRectF(0, 0, 100, 100), TargetType::Target, 1, QStringLiteral("A"));
    window->SelectTargetsByItems({t->item});
    QTest::keyClick(window, Qt::Key_Delete); // Game page: nothing
    QCOMPARE(window->Targets().size(), 1);
    QTest::keyClick(window, Qt::Key_Space);
    QCOMPARE(window->gameState, int(GameState::Running));
    QTest::keyClick(window, Qt::Key_Space);
    QCOMPARE(window->gameState, int(GameState::Idle));
    // A widget that takes focus keeps the Space key.
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->ui->spinBoxSchotCount->setFocus();
    QTest::keyClick(window->ui->spinBoxSchotCount, Qt::Key_Space);
    QCOMPARE(window->gameState, int(GameState::Idle));
}

void TestGame::deletedTargetIsForgotten()
{
    Target *t = AddTarget(QRectF(0, 0, 100, 100), TargetType::Target, 1, QStringLiteral("A"));
    window->Shoot(QPointF(50, 50), QPointF(), false);
    QPointer<Hit> hit = Hit::All().first();
    QCOMPARE(hit->target, t);
    window->RemoveTarget(t);
    QCOMPARE(hit->target, nullptr);
    QVERIFY(hit->marker); // the marker stays
    // The set-back fires and touches nothing.
    QTRY_VERIFY_WITH_TIMEOUT(!hit || !hit->targetBackTimer.isActive(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(Hit::All().isEmpty(), 1500);
}

QTEST_MAIN(TestGame)
#include "tst_game.moc"
