// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the display target: ring scoring and picture placement, and through the real main
// window its modes, drawing, pictures and scores.
#include "../common/mainwindowtest.h"

#include "displaytargetframe.h"
#include "gamestate.h"
#include "hit.h"
#include "logcategory.h"
#include "target.h"

#include <QBuffer>
#include <QDataStream>
#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QTemporaryDir>
#include <QtTest>

// The header of an uncompressed 24-bit BMP file, without its pixels.
static QByteArray BmpHeader(qint32 width, qint32 height)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0x4d42) << quint32(0) << quint32(0) << quint32(54) << quint32(40) << width << height
        << quint16(1) << quint16(24) << quint32(0) << quint32(0) << qint32(2835) << qint32(2835) << quint64(0);
    return bytes;
}

class TestDisplay : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        delete window;
        window = nullptr;
    }

    void circleScore_data()
    {
        QTest::addColumn<double>("distance");
        QTest::addColumn<int>("rings");
        QTest::addColumn<int>("hitSize");
        QTest::addColumn<int>("ring");
        // Ring width 230 / n; the marker radius pulls a shot inwards.
        QTest::newRow("10: just inside the first line") << 27.9 << 10 << 5 << 10;
        QTest::newRow("10: on the first line") << 28.0 << 10 << 5 << 9;
        QTest::newRow("10: last ring") << 234.9 << 10 << 5 << 1;
        QTest::newRow("10: outer edge") << 235.0 << 10 << 5 << 0;
        QTest::newRow("10: far outside") << 300.0 << 10 << 5 << 0; // never below zero
        QTest::newRow("10: no marker allowance") << 23.0 << 10 << 0 << 9;
        QTest::newRow("3: second line") << 158.2 << 3 << 5 << 2;
        QTest::newRow("20: first line") << 16.5 << 20 << 5 << 19;
    }

    void circleScore()
    {
        QFETCH(double, distance);
        QFETCH(int, rings);
        QFETCH(int, hitSize);
        QFETCH(int, ring);
        for (QPointF direction : {QPointF(1, 0), QPointF(0, -1), QPointF(-1, 0), QPointF(0, 1)})
            QCOMPARE(CircleTargetScore(QPointF(320, 240) + direction * distance, rings, hitSize), ring);
    }

    void pictureFit_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("working");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("4:3 fills the area") << QSize(800, 600) << QSize(2560, 1920) << QPoint(0, 0) << QSize(640, 480);
        QTest::newRow("square") << QSize(1000, 1000) << QSize(1920, 1920) << QPoint(80, 0) << QSize(480, 480);
        QTest::newRow("odd margin rounds down") << QSize(2555, 1920) << QSize(2555, 1920) << QPoint(0, 0) << QSize(639, 480);
    }

    void pictureFit()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, working);
        QFETCH(QPoint, position);
        QFETCH(QSize, shown);
        QCOMPARE(DisplayImageWorkingSize(picture), working);
        QCOMPARE(DisplayImagePosition(working), position);
        QCOMPARE(DisplayImageShownSize(working), shown);
    }

    void modeFollowsPageAndCorrectedTarget()
    {
        Open();
        // The drawn ring target's circles and, of them, the filled ones (the inner ones and the bullseye).
        const auto drawn = [this] {
            int rings = 0, filled = 0;
            for (QGraphicsItem *item : window->scene->items()) {
                auto *ellipse = dynamic_cast<QGraphicsEllipseItem *>(item);
                if (ellipse && item->zValue() >= 800 && item->zValue() <= 900) {
                    ++rings;
                    filled += ellipse->brush().style() != Qt::NoBrush;
                }
            }
            return QPoint(rings, filled);
        };
        window->ui->comboBoxGametype->setCurrentIndex(1);
        window->ui->radioButtonDispTarget->click();
        QVERIFY(!window->ui->radioButtonDispTarget->isEnabled()); // no corrected target
        QVERIFY(window->ui->radioButtonDispCamera->isChecked());
        QCOMPARE(drawn(), QPoint(0, 0));

        window->ui->pushButtonCorrectedTarget->click();
        window->SetPage(2);
        window->ui->radioButtonDispTarget->click();
        window->ui->radioButtonCircleTarget->click();
        window->ui->spinBoxCircles->setValue(10);
        window->ui->spinBoxInnerCircles->setValue(8);
        window->ui->spinBoxCircles->setValue(3); // fewer circles lower the inner count
        QCOMPARE(window->ui->spinBoxInnerCircles->maximum(), 3);
        QCOMPARE(window->ui->spinBoxInnerCircles->value(), 3);
        QCOMPARE(drawn(), QPoint(4, 4));
        QVERIFY(!window->ui->comboBoxGametype->isEnabled());
        QCOMPARE(window->ui->comboBoxGametype->currentIndex(), 0);
        window->ui->spinBoxCircles->setValue(20); // more keep it
        QCOMPARE(window->ui->spinBoxInnerCircles->value(), 3);
        QCOMPARE(drawn(), QPoint(21, 4));

        // A marker moves between its shot position and its place on the drawn target.
        window->ui->spinBoxSchotCount->setValue(2);
        window->ui->pushButtonGameStart->click();
        window->Shoot(QPointF(320, 240), QPointF(1000, 0), true);
        QCOMPARE(window->ui->tableWidgetHits->item(0, 0)->text(), QStringLiteral("Missed"));
        window->Shoot(QPointF(320, 240), QPointF(500, 500), true); // the middle of the screen
        QCOMPARE(window->ui->tableWidgetHits->item(1, 0)->text(), QStringLiteral("Ring 20"));
        QCOMPARE(window->totalScore, 20);
        QGraphicsEllipseItem *marker = Hit::All().first()->marker;
        QCOMPARE(marker->pos(), QPointF(550, 10));
        window->ui->radioButtonDispCamera->click();
        QCOMPARE(marker->pos(), QPointF(320, 240));
        QCOMPARE(drawn(), QPoint(0, 0));
        QVERIFY(window->ui->comboBoxGametype->isEnabled());
        window->ui->radioButtonDispTarget->click();
        QCOMPARE(marker->pos(), QPointF(550, 10));
        // Only the Game page shows it.
        window->SetPage(1);
        QCOMPARE(drawn(), QPoint(0, 0));
    }

    // Finishing the edit with the keyboard leaves no control holding the focus: the next Space
    // starts the game and the shot count keeps its value.
    void spaceAfterEditingStartsTheGame()
    {
        Open();
        window->ui->pushButtonCorrectedTarget->click();
        window->SetPage(2);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->ui->radioButtonDispTarget->click();
        window->ui->spinBoxSchotCount->setValue(7);
        QTest::mouseClick(window->ui->pushButtonEditDispTarget, Qt::LeftButton);
        QVERIFY(window->ui->frameEditOverlay->isVisible());
        window->ui->spinBoxCircles->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_Up);
        QCOMPARE(window->ui->spinBoxCircles->value(), 2);
        window->ui->pushButtonFinishEditing->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_Space); // the focused button clicks
        QVERIFY(!window->ui->frameEditOverlay->isVisible());

        QTest::keyClick(window->windowHandle(), Qt::Key_Space);
        QCOMPARE(window->gameState, int(GameState::Running));
        QCOMPARE(window->ui->spinBoxSchotCount->value(), 7);
        QCOMPARE(window->ui->spinBoxSchotCount->text(), QStringLiteral("7"));
    }

    // New takes the display target away; the markers of the game played on it go back to where
    // the camera saw the shots instead of floating at their ring places over the camera picture.
    void newProjectPutsMarkersBackOnTheCameraPicture()
    {
        Open();
        window->ui->pushButtonCorrectedTarget->click();
        window->SetPage(2);
        window->ui->radioButtonDispTarget->click();
        window->ui->pushButtonGameStart->click();
        window->Shoot(QPointF(100, 120), QPointF(500, 500), true);
        QGraphicsEllipseItem *marker = Hit::All().value(0)->marker;
        QVERIFY(marker);
        QCOMPARE(marker->pos(), QPointF(320, 240));
        window->ui->toolButtonNew->click();
        QVERIFY(window->ui->radioButtonDispCamera->isChecked());
        QCOMPARE(Hit::All().size(), 1);
        QCOMPARE(marker->pos(), QPointF(100, 120));
    }

    void imageTargetScores_data()
    {
        QTest::addColumn<QPointF>("pos");
        QTest::addColumn<QPointF>("corrected"); // from the camera when the mouse position is unset
        QTest::addColumn<int>("score");
        QTest::addColumn<QPointF>("marker");
        // The 400 x 200 picture shows as 640 x 320 at (0, 80); the score image is 8 x 4.
        QTest::newRow("red 255, last pixel") << QPointF() << QPointF(1000, 1000) << 25 << QPointF(640, 400);
        QTest::newRow("red 10") << QPointF() << QPointF(10, 10) << 1 << QPointF(6.4, 83.2);
        QTest::newRow("red 9") << QPointF() << QPointF(130, 10) << 0 << QPointF(83.2, 83.2);
        QTest::newRow("red 0") << QPointF() << QPointF(500, 500) << 0 << QPointF(320, 240);
        QTest::newRow("mouse on red 10") << QPointF(40, 90) << QPointF() << 1 << QPointF(40, 90);
        QTest::newRow("mouse above the picture") << QPointF(40, 70) << QPointF() << 0 << QPointF(-100, -100);
    }

    void imageTargetScores()
    {
        QFETCH(QPointF, pos);
        QFETCH(QPointF, corrected);
        QFETCH(int, score);
        QFETCH(QPointF, marker);
        QImage points(8, 4, QImage::Format_RGB32);
        points.fill(qRgb(0, 255, 255));
        points.setPixel(7, 3, qRgb(255, 0, 0));
        points.setPixel(0, 0, qRgb(10, 0, 0));
        points.setPixel(1, 0, qRgb(9, 255, 255));
        ShowImageTarget(QImage(400, 200, QImage::Format_RGB32), points);
        window->ui->pushButtonGameStart->click();

        // The per-shot line is quiet by default and comes when the logging rules ask for it.
        QVERIFY(!lcFieldshot().isDebugEnabled());
        QLoggingCategory::setFilterRules(QStringLiteral("fieldshot.debug=true"));
        if (marker != QPointF(-100, -100))
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Correctred")));
        window->Shoot(pos, corrected, pos.isNull());
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(window->ui->tableWidgetHits->item(0, 0)->text(), score ? QStringLiteral("Treffer") : QStringLiteral("Missed"));
        QCOMPARE(window->totalScore, score);
        QCOMPARE(Hit::All().first()->marker->pos(), marker);
    }

    void badPictureChangesNothing()
    {
        ShowImageTarget(QImage(800, 600, QImage::Format_RGB32), QImage(20, 10, QImage::Format_RGB32));
        const QGraphicsPixmapItem *item = window->displayImageItem;
        const qint64 pixmapKey = item->pixmap().cacheKey();
        const qint64 scoreKey = window->scoreImage.cacheKey();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(300, 300, QImage::Format_RGB32).save(&buffer, "PNG");
        // A cancelled dialog (no name), no picture, a truncated one and one too large to decode.
        const QList<QPair<QString, QByteArray>> files{{QString(), QByteArray()},
                                                      {"notes.png", "Fieldshot\n"},
                                                      {"cut.png", png.left(png.size() / 2)},
                                                      {"huge.bmp", BmpHeader(16000, 16000)}};
        for (const auto &file : files) {
            const QString path = file.first.isEmpty() ? QString() : dir.filePath(file.first);
            if (!path.isEmpty()) {
                QFile out(path);
                QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file.second) == file.second.size());
            }
            window->LoadDisplayImage(path);
            window->LoadScoreImage(path);
            QCOMPARE(window->displayImageItem, item);
            QCOMPARE(item->pixmap().cacheKey(), pixmapKey);
            QCOMPARE(window->scoreImage.cacheKey(), scoreKey);
            QCOMPARE(window->targetImageFilename, dir.filePath(QStringLiteral("picture.png")));
            QCOMPARE(window->scoreImageFilename, dir.filePath(QStringLiteral("points.png")));
            QCOMPARE(window->ui->labelDisplayImage->text(), QStringLiteral("picture"));
            QCOMPARE(window->ui->labelScoreImage->text(), QStringLiteral("points"));
        }
        QVERIFY(window->statusBar()->currentMessage().contains(QStringLiteral("16000 x 16000")));
    }

private:
    // The simulated camera stays shut while the test ticks by hand.
    void Open()
    {
        window = MainWindowTest::Open(2, true);
        QVERIFY(window);
    }

    // The drawn target showing a picture, scored by a score image; both saved as picture.png and points.png.
    void ShowImageTarget(const QImage &picture, const QImage &points)
    {
        Open();
        window->ui->pushButtonCorrectedTarget->click();
        window->SetPage(2);
        window->ui->radioButtonDispTarget->click();
        window->ui->radioButtonImageTarget->click();
        QVERIFY(picture.save(dir.filePath(QStringLiteral("picture.png"))) && points.save(dir.filePath(QStringLiteral("points.png"))));
        window->LoadDisplayImage(dir.filePath(QStringLiteral("picture.png")));
        window->LoadScoreImage(dir.filePath(QStringLiteral("points.png")));
    }

    MainWindow *window = nullptr;
    QTemporaryDir dir;
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
