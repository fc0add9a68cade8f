// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the main window shell: language, pages, keys, view fitting, the game clock text and
// the resources it loads.
#include "clocktext.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "target.h"
#include "targetsgraphicscene.h"
#include "viewfit.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QGraphicsView>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPolygonF>
#include <QTemporaryDir>
#include <QSoundEffect>
#include <QToolButton>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        window = std::make_unique<MainWindow>();
        QVERIFY2(window->IsConfigured(), "the camera library beside the test was not loaded");
        window->resize(896, 669);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void clockText_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("rounds down below half") << qint64(1234) << "1,23s";
        QTest::newRow("pads hundredths") << qint64(59) << "0,06s";
        QTest::newRow("rounds up at half") << qint64(995) << "1,00s";
        QTest::newRow("carries into seconds") << qint64(1996) << "2,00s";
        QTest::newRow("no minutes") << qint64(61004) << "61,00s";
    }

    void clockText()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(GameClockText(ms), text);
    }

    void viewFit_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QVector<bool>>("cams"); // cameras 2, 3 and 4 on
        QTest::addColumn<QSize>("scene");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRect>("view");
        using Cams = QVector<bool>;
        QTest::newRow("one camera, wide frame") << QSize(1280, 480) << Cams{false, false, false} << QSize(640, 480)
                                                << 1.0 << QRect(320, 0, 640, 480);
        QTest::newRow("four cameras, tall frame") << QSize(640, 960) << Cams{true, true, true} << QSize(1280, 960)
                                                  << 0.5 << QRect(0, 240, 640, 480);
        QTest::newRow("camera 3 alone: two rows") << QSize(640, 960) << Cams{false, true, false} << QSize(640, 960)
                                                  << 1.0 << QRect(0, 0, 640, 960);
        QTest::newRow("camera 4 alone: both") << QSize(1280, 960) << Cams{false, false, true} << QSize(1280, 960)
                                              << 1.0 << QRect(0, 0, 1280, 960);
        QTest::newRow("camera 2: two columns") << QSize(1000, 1000) << Cams{true, false, false} << QSize(1280, 480)
                                               << 1000.0 / 1280 << QRect(0, 312, 1000, 375);
        // 700 x 500: s = min(700/640, 500/480) = 1.0416..; view 666.67 x 500 truncated, x = 16.67 truncated.
        QTest::newRow("fractions truncate") << QSize(700, 500) << Cams{false, false, false} << QSize(640, 480)
                                            << 500.0 / 480 << QRect(16, 0, 666, 500);
    }

    void viewFit()
    {
        QFETCH(QSize, frame);
        QFETCH(QVector<bool>, cams);
        QFETCH(QSize, scene);
        QFETCH(double, scale);
        QFETCH(QRect, view);
        const ViewFit fit = ComputeViewFit(frame, cams[0], cams[1], cams[2]);
        QCOMPARE(fit.sceneSize, scene);
        QCOMPARE(fit.scale, scale);
        QCOMPARE(fit.viewGeometry, view);
    }

    void construction()
    {
        // Starts on the Game page, in German, styled, ticking, with cameras 3 and 4 hidden.
        QCOMPARE(window->page, 2);
        QCOMPARE(window->language, QStringLiteral("de"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Orvex Fieldshot V1.3.1"));
        QVERIFY(window->tickTimer.isActive());
        QVERIFY(!window->ui->groupBoxCam3->isVisible() && !window->ui->groupBoxCam4->isVisible());
        QVERIFY(!qApp->styleSheet().isEmpty());
        // No title-bar buttons: the program is left through Exit only.
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));

        // The pictures and sounds it names are in its resources.
        const char *images[] = {"New", "Open", "Save", "Settings", "PDFTool", "Fullscreen", "FullscreenExit",
                                "ExitApp", "Camera", "Target", "Game", "AddRect", "AddEllipse", "AddPoly",
                                "CorrectedRings", "AddRingTarget", "Duplicate", "Delete", "Timer", "Tick",
                                "ArrowDown", "ArrowUp", "NoCam", "FieldshotLogo"};
        for (const char *name : images) {
            const QString path = QStringLiteral(":/Gui/Img/%1.png").arg(QLatin1String(name));
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        }
        QCOMPARE(QImage(":/Gui/Img/NoCam.png").size(), QSize(640, 480));
        for (QSoundEffect *effect : {&window->soundGunshot, &window->soundTargetHit, &window->soundReload,
                                     &window->soundHorn, &window->soundPeep, &window->soundKlick}) {
            QTRY_VERIFY2_WITH_TIMEOUT(effect->status() == QSoundEffect::Ready, qPrintable(effect->source().toString()), 10000);
            QCOMPARE(effect->volume(), 1.0);
        }
    }

    void languages()
    {
        // The language in use again does nothing: the form is not retranslated.
        window->ui->toolButtonFullscreen->setText(QStringLiteral("marker"));
        window->SetLanguage(QStringLiteral("de"));
        QCOMPARE(window->ui->toolButtonFullscreen->text(), QStringLiteral("marker"));
        // A missing translation keeps the language; the full-screen text is refreshed all the same.
        QTest::ignoreMessage(QtDebugMsg, "Cant Load :Gui/fieldshot_xx");
        window->SetLanguage(QStringLiteral("xx"));
        QCOMPARE(window->language, QStringLiteral("de"));
        QCOMPARE(window->ui->toolButtonFullscreen->text(), QStringLiteral("Fullscreen"));
        // The translator was taken out: the next switch installs it again. The camera lists are
        // filled in code, not by the form: their first entry follows too.
        window->SetLanguage(QStringLiteral("fr"));
        QCOMPARE(window->language, QStringLiteral("fr"));
        QCOMPARE(window->ui->groupBox->title(), QStringLiteral("Affichage"));
        QCOMPARE(window->ui->toolButtonFullscreen->text(), QStringLiteral("Plein écran"));
        for (QComboBox *combo : window->cameraCombos)
            QCOMPARE(combo->itemText(0), QStringLiteral("-Aucune caméra-"));
        window->SetLanguage(QStringLiteral("de"));
        QCOMPARE(window->ui->groupBox->title(), QStringLiteral("Anzeige"));
    }

    // A switch keeps what a game and the display target show (the form alone would put back
    // "0:00", "0", "Start" and "---"), and Qt's own dialog buttons follow the language.
    void languageKeepsWhatIsShown_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("stop");
        QTest::newRow("fr") << "fr" << "&Oui" << "Arrêter";
        QTest::newRow("es") << "es" << "&Sí" << "Detener";
        QTest::newRow("en") << "en" << "&Yes" << "Stop";
        QTest::newRow("de") << "de" << "&Ja" << "Stop";
    }

    void languageKeepsWhatIsShown()
    {
        QFETCH(QString, code);
        QFETCH(QString, yes);
        QFETCH(QString, stop);
        if (!QFileInfo::exists(QLibraryInfo::location(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QSKIP("Qt's translations (Debian package qttranslations5-l10n) are not installed");
        window->SetLanguage(code == "de" ? QStringLiteral("en") : QStringLiteral("de"));

        QTemporaryDir dir;
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir.filePath("wall.png")) && picture.save(dir.filePath("zones.png")));
        window->LoadDisplayImage(dir.filePath("wall.png"));
        window->LoadScoreImage(dir.filePath("zones.png"));
        window->scene->AddPolygonTarget(QPolygonF(QRectF(100, 100, 50, 50)));
        window->Targets().last()->score = 4;
        window->SetPage(2);
        window->ui->pushButtonGameStart->click();
        window->Shoot(QPointF(120, 120), QPointF(), false);
        QTRY_VERIFY(window->ui->labelTotaltime->text() != QLatin1String("0:00"));
        window->tickTimer.stop(); // the clock text stands still while it is compared
        const QStringList shown{window->ui->labelTotaltime->text(), window->ui->labelTotalscore->text(),
                                window->ui->labelDisplayImage->text(), window->ui->labelScoreImage->text()};
        QCOMPARE(shown.mid(1), (QStringList{"4", "wall", "zones"}));

        window->SetLanguage(code);
        window->tickTimer.start();
        QCOMPARE((QStringList{window->ui->labelTotaltime->text(), window->ui->labelTotalscore->text(),
                              window->ui->labelDisplayImage->text(), window->ui->labelScoreImage->text()}),
                 shown);
        QCOMPARE(window->ui->pushButtonGameStart->text(), stop);
        QVERIFY(window->ui->pushButtonSelectScoreImage->toolTip().contains(QLatin1String("255")));
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);

        window->SetPage(1); // stops the game and clears its markers
        window->ClearProject();
    }

    void pages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::newRow("camera") << 0 << "toolButtonCamera";
        QTest::newRow("targets") << 1 << "toolButtonTargets";
        QTest::newRow("game") << 2 << "toolButtonGame";
    }

    void pages()
    {
        QFETCH(int, page);
        QFETCH(QString, button);
        auto *b = window->findChild<QToolButton *>(button);
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(window->page, page);
        QCOMPARE(window->ui->stackedWidget->currentIndex(), page);
        QCOMPARE(window->ui->toolButtonCamera->isChecked(), page == 0);
        QCOMPARE(window->ui->toolButtonTargets->isChecked(), page == 1);
        QCOMPARE(window->ui->toolButtonGame->isChecked(), page == 2);
        QCOMPARE(window->ui->graphicsView->cursor().shape(), page == 2 ? Qt::CrossCursor : Qt::ArrowCursor);
        // Space starts a game on the Game page only.
        if (page != 2) {
            QTest::keyClick(window.get(), Qt::Key_Space);
            QCOMPARE(window->gameState, 0);
            QCOMPARE(window->page, page);
        }
    }

    void fullScreenAndResize()
    {
        window->SetLanguage(QStringLiteral("en"));
        QTest::mouseClick(window->ui->toolButtonFullscreen, Qt::LeftButton);
        QVERIFY(window->isFullScreen());
        QCOMPARE(window->ui->toolButtonFullscreen->text(), QStringLiteral("Windowed"));
        // A language switch keeps the text that fits the state.
        window->SetLanguage(QStringLiteral("fr"));
        QCOMPARE(window->ui->toolButtonFullscreen->text(), QStringLiteral("Fenêtré"));
        QTest::mouseClick(window->ui->toolButtonFullscreen, Qt::LeftButton);
        QVERIFY(!window->isFullScreen());
        QCOMPARE(window->ui->toolButtonFullscreen->text(), QStringLiteral("Plein écran"));
        window->SetLanguage(QStringLiteral("de"));

        // A resize refits the view at once.
        window->resize(1200, 700);
        const auto scale = [this] {
            const QSize frame = window->ui->frameOfView->size();
            return std::min(frame.width() / 640.0, frame.height() / 480.0);
        };
        QTRY_COMPARE(window->ui->graphicsView->width(), int(640 * scale()));
        QCOMPARE(window->ui->graphicsView->transform().m11(), scale());
    }

private:
    std::unique_ptr<MainWindow> window;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
