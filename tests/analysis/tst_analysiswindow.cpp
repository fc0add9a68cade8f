// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the shot analysis in the running program: the session of a game, the window's figures and
// decimal scores, the laser zero on camera and display-target shots, the project keys and the report.
#include "../common/mainwindowtest.h"

#include "analysiswindow.h"
#include "formtargetpdftool.h"
#include "groupstats.h"
#include "hit.h"
#include "projectdata.h"
#include "shotplotwidget.h"
#include "shotreport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestAnalysisWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        window = MainWindowTest::Open(1);
        QVERIFY2(window, "the camera library beside the test was not loaded");
        window->ui->spinBoxSchotCount->setValue(99);
    }

    void cleanup()
    {
        delete window;
        QVERIFY(Hit::All().isEmpty());
    }

    // A string on generated rings: the group, its figures in percent and in millimetres, decimal scores.
    void groupOnGeneratedRings()
    {
        GenerateRings(5); // diameters 80 to 400 about (320, 240)
        StartGame();
        window->Shoot(QPointF(330, 250), QPointF(), false);
        window->Shoot(QPointF(310, 250), QPointF(), false);
        window->Shoot(QPointF(600, 30), QPointF(), false); // a miss still belongs to the group
        QCOMPARE(Cell(1, 0), QStringLiteral("Ring 5"));
        QCOMPARE(Cell(2, 0), QStringLiteral("Missed"));

        window->pushButtonAnalysis->click();
        AnalysisWindow *analysis = window->analysisWindow;
        QVERIFY(analysis && analysis->isVisible());
        QCOMPARE(analysis->comboTarget->count(), 1);
        QCOMPARE(analysis->CurrentTarget(), QStringLiteral("Ring 1"));
        // The view shows exactly the plot data of the current target: percent of the 400-unit ring.
        const ShotPlotData plot = analysis->plot->Data();
        QCOMPARE(plot.unit, QStringLiteral("%"));
        QCOMPARE(plot.rings, 5);
        QCOMPARE(plot.offsets, (QList<QPointF>{{2.5, 2.5}, {-2.5, 2.5}, {70, -52.5}}));
        QCOMPARE(Figure(analysis, 0), QStringLiteral("3"));
        QCOMPARE(Figure(analysis, 1), QStringLiteral("23.3 % rechts, 15.8 % hoch"));

        // The printed sheet's outer ring gives the real width.
        auto *sheetDiameter = window->pdfTool->findChild<QDoubleSpinBox *>(QStringLiteral("doubleSpinBoxOuterDiameter"));
        QVERIFY(sheetDiameter);
        sheetDiameter->setValue(160);
        analysis->buttonSheetSize->click();
        QCOMPARE(window->targetSizesMm.value(QStringLiteral("Ring 1")), 160.0);
        // With the target's real width the figures are in millimetres: 400 mm, one per unit.
        analysis->spinSize->setValue(400);
        QCOMPARE(window->targetSizesMm.value(QStringLiteral("Ring 1")), 400.0);
        QCOMPARE(Figure(analysis, 1), QStringLiteral("93.3 mm rechts, 63.3 mm hoch"));
        QCOMPARE(analysis->plot->Data().unit, QStringLiteral("mm"));

        // Decimal scores: 14.1 from the centre in a ring of width 40 is 5.6; the table of hits keeps its integers.
        QCOMPARE(analysis->tableShots->item(0, 3)->text(), QStringLiteral("5"));
        analysis->checkDecimal->click();
        QVERIFY(window->decimalScoring);
        QCOMPARE(analysis->tableShots->item(0, 3)->text(), QStringLiteral("5.6"));
        QCOMPARE(analysis->tableShots->item(2, 3)->text(), QStringLiteral("0.0"));
        QCOMPARE(analysis->labelTotal->text(), QStringLiteral("Summe: 11.2"));
        QCOMPARE(Cell(0, 1), QStringLiteral("5"));
        QCOMPARE(analysis->plot->Data().scores, (QList<double>{5.6, 5.6, 0}));

        // The choices go into the project and come back with it.
        const ProjectData saved = window->CurrentProject();
        QVERIFY(saved.decimalScoring);
        QCOMPARE(saved.targetSizesMm.value(QStringLiteral("Ring 1")), 400.0);
        ProjectData old = saved;
        old.decimalScoring = false;
        old.targetSizesMm.clear();
        window->ClearProject();
        window->ApplyProject(old);
        QVERIFY(!window->decimalScoring);
        QVERIFY(!analysis->checkDecimal->isChecked());

        // A new game is a new session.
        window->SetPage(2);
        StartGame();
        QCOMPARE(analysis->comboTarget->count(), 0);
        QCOMPARE(analysis->tableShots->rowCount(), 0);
        QVERIFY(!analysis->buttonReport->isEnabled());
    }

    // Camera shots aimed at the centre give the zero; from then on it moves them before scoring.
    void laserZeroOnCameraShots()
    {
        GenerateRings(5);
        StartGame();
        for (QPointF p : {QPointF(325, 243), QPointF(327, 245), QPointF(323, 241)})
            window->Shoot(p, QPointF(), true);
        window->Shoot(QPointF(330, 250), QPointF(), false); // the mouse has no laser to zero
        window->Shoot(QPointF(363, 243), QPointF(), true);
        QCOMPARE(Cell(4, 0), QStringLiteral("Ring 4"));

        window->pushButtonAnalysis->click();
        AnalysisWindow *analysis = window->analysisWindow;
        QVERIFY(analysis->labelZero->text().contains(QLatin1String("Nicht gesetzt")));
        QVERIFY(!analysis->buttonClearZero->isEnabled());
        analysis->buttonZero->click();
        // The mean of (5, 3), (7, 5), (3, 1) and (43, 3).
        QCOMPARE(window->laserZero.Offset(0), QPointF(14.5, 3));
        QVERIFY(!window->laserZero.IsSet(1));
        QCOMPARE(analysis->labelZero->text(), QStringLiteral("Kamera 1: 14.5, 3.0"));

        // Zeroed on the first three only, as a zeroing string would be.
        window->ClearLaserZero();
        StartGame();
        for (QPointF p : {QPointF(325, 243), QPointF(327, 245), QPointF(323, 241)})
            window->Shoot(p, QPointF(), true);
        analysis->buttonZero->click();
        QCOMPARE(window->laserZero.Offset(0), QPointF(5, 3));

        // Shooting the same again: the offset is gone, and the score follows the corrected position.
        StartGame();
        for (QPointF p : {QPointF(325, 243), QPointF(327, 245), QPointF(323, 241)})
            window->Shoot(p, QPointF(), true);
        window->Shoot(QPointF(363, 243), QPointF(), true);
        QCOMPARE(Cell(3, 0), QStringLiteral("Ring 5"));
        QCOMPARE(window->shotSession.Shots().first().pos, QPointF(320, 240));
        analysis->spinSize->setValue(400);
        ShotPlotData three = analysis->CurrentPlot();
        three.offsets = three.offsets.mid(0, 3);
        QCOMPARE(ComputeGroupStats(three).meanPoint, std::optional<QPointF>(QPointF(0, 0)));

        // Saved with the project; a file without it clears it.
        QCOMPARE(window->CurrentProject().laserZero[0], QPointF(5, 3));
        window->ApplyProject(ProjectFromJson("{}"));
        QVERIFY(!window->laserZero.IsSet(0));
        window->ApplyProject(ProjectFromJson(R"({"LaserZero": [5, 3, 0, 0, 0, 0, 0, 0]})"));
        QCOMPARE(window->laserZero.Offset(0), QPointF(5, 3));

        analysis->buttonClearZero->click();
        QVERIFY(!window->laserZero.IsSet(0));
        StartGame();
        window->Shoot(QPointF(363, 243), QPointF(), true);
        QCOMPARE(Cell(0, 0), QStringLiteral("Ring 4"));
    }

    // On the drawn ring target the zero moves the corrected position through the corrected target.
    void laserZeroOnDisplayTarget()
    {
        window->ui->pushButtonCorrectedTarget->click(); // corners (128, 96) to (512, 384)
        window->SetPage(2);
        window->ui->radioButtonDispTarget->click();
        window->ui->radioButtonCircleTarget->click();
        window->ui->spinBoxCircles->setValue(10);
        // A shot 40 units right of the screen's middle, where the camera library puts it.
        const QPointF shot(360, 240);
        const QPointF corrected((360 - 128) / 384.0 * 1000, 500);
        StartGame();
        window->Shoot(shot, corrected, true);
        QCOMPARE(Cell(0, 0), QStringLiteral("Ring 9"));
        window->pushButtonAnalysis->click();
        AnalysisWindow *analysis = window->analysisWindow;
        QCOMPARE(analysis->CurrentTarget(), window->DisplayTargetKey());
        analysis->buttonZero->click();
        QCOMPARE(window->laserZero.Offset(0), QPointF(40, 0));

        StartGame();
        window->Shoot(shot, corrected, true);
        QCOMPARE(Cell(0, 0), QStringLiteral("Ring 10"));
        QCOMPARE(Hit::All().last()->displayPos, QPointF(320, 240));
        analysis->checkDecimal->click();
        QCOMPARE(analysis->tableShots->item(0, 3)->text(), QStringLiteral("10.9"));
        // The drawn target's real width is its own project key.
        analysis->spinSize->setValue(170);
        QCOMPARE(window->CurrentProject().displayTargetSizeMm, 170.0);
        QVERIFY(window->CurrentProject().targetSizesMm.isEmpty());
    }

    // A picture on the display: shots measured on the picture from its middle, in percent of its size.
    void groupOnDisplayImage()
    {
        window->ui->pushButtonCorrectedTarget->click(); // corners (128, 96) to (512, 384)
        window->SetPage(2);
        window->ui->radioButtonDispTarget->click();
        window->ui->radioButtonImageTarget->click();
        QTemporaryDir dir;
        QImage picture(800, 600, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QImage points(800, 600, QImage::Format_RGB32);
        points.fill(QColor(100, 0, 0));
        QVERIFY(picture.save(dir.filePath("picture.png")) && points.save(dir.filePath("points.png")));
        window->LoadDisplayImage(dir.filePath("picture.png")); // shown as 640 x 480 over camera 1
        window->LoadScoreImage(dir.filePath("points.png"));

        StartGame();
        window->Shoot(QPointF(400, 240), QPointF(), false);
        window->Shoot(QPointF(150, 100), QPointF(250, 750), true);
        window->Shoot(QPointF(600, 100), QPointF(1200, 500), true); // off the picture
        QCOMPARE(Cell(0, 0), QStringLiteral("Treffer"));
        QCOMPARE(Cell(2, 0), QStringLiteral("Missed"));
        QCOMPARE(window->shotSession.TargetKeys(), QStringList{window->DisplayTargetKey()});
        window->pushButtonAnalysis->click();
        const ShotPlotData plot = window->analysisWindow->CurrentPlot();
        QCOMPARE(plot.unit, QStringLiteral("%"));
        QCOMPARE(plot.rings, 0);
        QCOMPARE(plot.offsets, (QList<QPointF>{{12.5, 0}, {-25, 25}}));
        QCOMPARE(plot.scores, (QList<double>{10, 10}));
        // The aim point in camera 1's picture is the corrected target's middle, for every camera shot.
        QCOMPARE(window->shotSession.MeanMisses().value(0), QPointF(55, -140));
    }

    void reportAsPdfAndPng()
    {
        GenerateRings(5);
        StartGame();
        for (int i = 0; i < 70; ++i) // enough rows for a second page
            window->Shoot(QPointF(300 + i % 7 * 5, 220 + i % 5 * 8), QPointF(), false);
        window->pushButtonAnalysis->click();
        AnalysisWindow *analysis = window->analysisWindow;
        const ShotReport report = analysis->Report();
        QCOMPARE(report.rows.size(), 70);
        QCOMPARE(report.rows.at(0).at(3), QStringLiteral("5"));
        QCOMPARE(report.rows.at(0).at(1), Cell(0, 2)); // the time of the table of hits

        QTemporaryDir dir;
        QString asked = dir.filePath(QStringLiteral("string.pdf"));
        analysis->askReportFileName = [&asked] { return asked; };
        analysis->buttonReport->click();
        QFile pdf(asked);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);

        QVERIFY(analysis->SaveReport(dir.filePath(QStringLiteral("string.PNG"))));
        const QImage image(dir.filePath(QStringLiteral("string.PNG")));
        QCOMPARE(image.width(), 1240); // A4 at 150 dpi
        QVERIFY(image.height() > 1754); // one page, grown for every row
        QVERIFY(!analysis->SaveReport(dir.filePath(QStringLiteral("missing/string.pdf"))));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"string.pdf", "string.PNG"}));
    }

private:
    void GenerateRings(int n)
    {
        window->SetPage(1);
        window->askRingCount = [n](bool *ok) {
            *ok = true;
            return n;
        };
        window->ui->pushButtonGenerateTarget->click();
        window->SetPage(2);
    }

    void StartGame()
    {
        if (window->gameState != 0)
            window->StopGame();
        window->ui->comboBoxGametype->setCurrentIndex(0);
        window->ui->pushButtonGameStart->click();
        QCOMPARE(window->gameState, 2);
    }

    QString Cell(int row, int column) const
    {
        QTableWidgetItem *item = window->ui->tableWidgetHits->item(row, column);
        return item ? item->text() : QString();
    }

    static QString Figure(AnalysisWindow *analysis, int row)
    {
        auto *label = qobject_cast<QLabel *>(analysis->figures->itemAt(row, QFormLayout::FieldRole)->widget());
        return label ? label->text() : QString();
    }

    MainWindow *window = nullptr;
};

QTEST_MAIN(TestAnalysisWindow)
#include "tst_analysiswindow.moc"
