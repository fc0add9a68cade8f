// End to end: the real camera library's simulator fires scripted shots that become rows of a game.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "camera.h"
#include "gamestate.h"
#include "target.h"
#include "targetsgraphicscene.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSimulatedGame : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void scriptedShotsBecomeRows();

private:
    QTemporaryDir dir;
};

void TestSimulatedGame::initTestCase()
{
    QVERIFY(dir.isValid());
    QFile scenario(dir.filePath(QStringLiteral("range.json")));
    QVERIFY(scenario.open(QIODevice::WriteOnly));
    scenario.write(R"({
        "name": "Range",
        "fps": 30,
        "noise": 2,
        "background": {"kind": "wall", "brightness": 70},
        "shots": [
            {"t": 1200, "x": 150, "y": 150, "ms": 90, "radius": 3, "colour": "red", "intensity": 255},
            {"t": 1800, "x": 450, "y": 160, "ms": 90, "radius": 3, "colour": "green", "intensity": 255},
            {"t": 2400, "x": 300, "y": 380, "ms": 90, "radius": 3, "colour": "red", "intensity": 255}
        ],
        "loop": true
    })");
    scenario.close();
    // The library reads its virtual cameras from here; set before it is first asked.
    qputenv("LASER_SOURCES", scenario.fileName().toLocal8Bit());
}

void TestSimulatedGame::scriptedShotsBecomeRows()
{
    MainWindow window;
    QVERIFY2(window.IsConfigured(), "the camera library beside the test was not loaded");
    // A webcam on the test machine would come first: choose the simulator by name.
    const int index = window.ui->comboBoxCamera1->findText(QStringLiteral("Simulator: Range"));
    QVERIFY(index > 0);
    window.ui->comboBoxCamera1->setCurrentIndex(index);
    window.SelectCameraDevice(0, index);

    window.scene->AddPolygonTarget(QPolygonF(QRectF(100, 100, 100, 100)));
    window.SelectedTarget()->name = QStringLiteral("Left");
    window.SelectedTarget()->score = 5;
    window.scene->AddPolygonTarget(QPolygonF(QRectF(400, 100, 100, 100)));
    window.SelectedTarget()->name = QStringLiteral("Right");
    window.SelectedTarget()->score = 3;
    window.SetPage(2);
    window.ui->spinBoxSchotCount->setValue(3);
    window.ui->pushButtonGameStart->click();
    QCOMPARE(window.gameState, int(GameState::Running));

    QTRY_VERIFY_WITH_TIMEOUT(window.cameras[0]->initialised, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(window.gameState, int(GameState::Idle), 8000);
    QTableWidget *table = window.ui->tableWidgetHits;
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Left"));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("Right"));
    QCOMPARE(table->item(2, 0)->text(), QStringLiteral("Missed"));
    QCOMPARE(window.totalScore, 8);
    // Shots come in the order they were fired and about when they were fired.
    const double first = table->item(0, 2)->text().remove('s').replace(',', '.').toDouble();
    const double last = table->item(2, 2)->text().remove('s').replace(',', '.').toDouble();
    QVERIFY2(last - first > 0.8 && last - first < 2.5, qPrintable(QString::number(last - first)));
}

QTEST_MAIN(TestSimulatedGame)
#include "tst_simulatedgame.moc"
