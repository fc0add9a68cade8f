// SPDX-License-Identifier: GPL-3.0-or-later
// The shot analysis with the demo simulator's shots on examples/demo.fsp: the filmed rings form one
// ring target, decimal scores agree with the booked rings, and a zero moves the next string.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "camera.h"
#include "gamestate.h"
#include "projectdata.h"

#include <QSignalSpy>
#include <QtTest>

class TestAnalysisDemo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("LASER_SOURCES", "demo"); }

    void stringZeroAndAgain()
    {
        MainWindow window;
        QVERIFY2(window.IsConfigured(), "the camera library beside the test was not loaded");
        window.LoadProject(QStringLiteral(FIELDSHOT_SOURCE_DIR "/examples/demo.fsp"));
        QCOMPARE(window.ui->comboBoxCamera1->currentText(), QStringLiteral("Simulator: Demo"));
        window.ui->spinBoxSchotCount->setValue(4);

        Play(window);
        const QList<SessionShot> first = window.shotSession.Shots();
        QCOMPARE(first.size(), 4);
        QCOMPARE(window.shotSession.TargetKeys(), QStringList{"Ring 1"});
        for (const SessionShot &s : first) {
            QCOMPARE(s.camera, 0);
            QVERIFY(s.hasTarget && s.hasDecimal);
            // Away from the lines the decimal's ring is the booked one (a polygon's corner cuts a
            // line a little, so a shot within a tenth of it may differ by one).
            const double tenths = s.decimal - std::floor(s.decimal);
            if (s.score > 0 && tenths > 0.15 && tenths < 0.85)
                QCOMPARE(int(s.decimal), s.score);
        }

        window.OpenAnalysis();
        const QMap<int, QPointF> misses = window.shotSession.MeanMisses();
        QCOMPARE(misses.keys(), QList<int>{0});
        window.ZeroLaser();
        QCOMPARE(window.laserZero.Offset(0), misses.value(0));
        QVERIFY(window.laserZero.IsSet(0));

        // Every shot of the next string is moved by the zero before it is scored.
        QSignalSpy raw(window.cameras[0], &Camera::Shot);
        Play(window);
        QCOMPARE(raw.count(), 4);
        for (int i = 0; i < 4; ++i) {
            const QPointF seen = raw.at(i).at(0).toPointF();
            QCOMPARE(window.shotSession.Shots().at(i).pos, seen - misses.value(0));
        }
        QVERIFY(window.CurrentProject().laserZero[0] == misses.value(0));
    }

private:
    static void Play(MainWindow &window)
    {
        window.ui->pushButtonGameStart->click();
        QCOMPARE(window.gameState, int(GameState::Running));
        QTRY_COMPARE_WITH_TIMEOUT(window.gameState, int(GameState::Idle), 20000);
    }
};

QTEST_MAIN(TestAnalysisDemo)
#include "tst_analysisdemo.moc"
