// SPDX-License-Identifier: GPL-3.0-or-later
// The example project examples/demo.fsp against the camera library's demo simulator: its ring
// targets lie where the simulator draws its rings, so the simulator's shots score.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "camera.h"
#include "gamestate.h"
#include "target.h"

#include <QtTest>

class TestDemoProject : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("LASER_SOURCES", "demo"); }

    void simulatorShotsScoreOnTheRings()
    {
        MainWindow window;
        QVERIFY2(window.IsConfigured(), "the camera library beside the test was not loaded");
        window.LoadProject(QStringLiteral(FIELDSHOT_SOURCE_DIR "/examples/demo.fsp"));
        QCOMPARE(window.ui->comboBoxCamera1->currentText(), QStringLiteral("Simulator: Demo"));
        QCOMPARE(window.Targets().size(), 11);

        window.ui->spinBoxSchotCount->setValue(6);
        window.ui->pushButtonGameStart->click();
        QTRY_COMPARE_WITH_TIMEOUT(window.gameState, int(GameState::Idle), 20000);

        // Random shots land anywhere on the screen; about one in twenty falls outside the rings.
        QTableWidget *table = window.ui->tableWidgetHits;
        QCOMPARE(table->rowCount(), 6);
        int rings = 0;
        for (int r = 0; r < table->rowCount(); ++r) {
            const QString name = table->item(r, 0)->text();
            const QString score = table->item(r, 1)->text();
            if (name == QStringLiteral("Missed"))
                continue;
            QCOMPARE(name, QStringLiteral("Ring ") + score);
            ++rings;
        }
        QVERIFY2(rings >= 4, qPrintable(QString::number(rings)));
    }
};

QTEST_MAIN(TestDemoProject)
#include "tst_demoproject.moc"
