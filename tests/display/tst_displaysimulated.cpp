// End to end: the real camera library's simulator fires shots at a filmed screen, and they are
// scored on the drawn ring target through the corrected positions the library reports.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "camera.h"
#include "gamestate.h"
#include "hit.h"
#include "target.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPolygonItem>
#include <QTemporaryDir>
#include <QtTest>

class TestDisplaySimulated : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void screenShotsScoreOnTheRings();

private:
    QTemporaryDir dir;
};

void TestDisplaySimulated::initTestCase()
{
    QVERIFY(dir.isValid());
    QFile scenario(dir.filePath(QStringLiteral("screen.json")));
    QVERIFY(scenario.open(QIODevice::WriteOnly));
    // The screen's corners in the picture: top-left, top-right, bottom-left, bottom-right. The
    // shots are placed on the screen (0..1000), in the middle of rings 10, 6 and 2 of 10.
    scenario.write(R"({
        "name": "Screen",
        "fps": 30,
        "noise": 2,
        "background": {"kind": "wall", "brightness": 70},
        "screen": [[150, 80], [520, 110], [120, 420], [540, 400]],
        "shots": [
            {"t": 1200, "sx": 500, "sy": 500, "ms": 90, "radius": 3, "intensity": 255},
            {"t": 1800, "sx": 500, "sy": 264, "ms": 90, "radius": 3, "intensity": 255},
            {"t": 2400, "sx": 936, "sy": 500, "ms": 90, "radius": 3, "intensity": 255}
        ],
        "loop": true
    })");
    scenario.close();
    qputenv("LASER_SOURCES", scenario.fileName().toLocal8Bit());
}

void TestDisplaySimulated::screenShotsScoreOnTheRings()
{
    MainWindow window;
    QVERIFY2(window.IsConfigured(), "the camera library beside the test was not loaded");
    window.ui->pushButtonCorrectedTarget->click();
    auto *corrected = dynamic_cast<QGraphicsPolygonItem *>(window.FindCorrectedTarget()->item);
    QVERIFY(corrected);
    corrected->setPolygon(QPolygonF({QPointF(150, 80), QPointF(520, 110), QPointF(540, 400),
                                     QPointF(120, 420), QPointF(150, 80)}));

    // The corners reach the library again when the camera opens after the page switch.
    window.SetPage(2);
    const int index = window.ui->comboBoxCamera1->findText(QStringLiteral("Simulator: Screen"));
    QVERIFY(index > 0);
    window.ui->comboBoxCamera1->setCurrentIndex(index);
    window.SelectCameraDevice(0, index);
    window.ui->radioButtonDispTarget->click();
    window.ui->spinBoxCircles->setValue(10);
    window.ui->spinBoxSchotCount->setValue(3);
    window.ui->pushButtonGameStart->click();
    QCOMPARE(window.gameState, int(GameState::Running));

    QTRY_COMPARE_WITH_TIMEOUT(window.gameState, int(GameState::Idle), 8000);
    QStringList rows;
    for (int row = 0; row < window.ui->tableWidgetHits->rowCount(); ++row)
        rows << window.ui->tableWidgetHits->item(row, 0)->text();
    QCOMPARE(rows, QStringList({"Ring 10", "Ring 6", "Ring 2"}));
    QCOMPARE(window.totalScore, 18);
    // The first marker sits on the middle of the drawn target, not where the camera saw it.
    const QPointF centre = Hit::All().first()->marker->pos();
    QVERIFY2(QLineF(centre, QPointF(320, 240)).length() < 5, qPrintable(QStringLiteral("%1, %2").arg(centre.x()).arg(centre.y())));
}

QTEST_MAIN(TestDisplaySimulated)
#include "tst_displaysimulated.moc"
