// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the settings dialog: it shows the main window's settings and writes every change straight back.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogsettings.h"
#include "ui_dialogsettings.h"

#include "camera.h"
#include "hit.h"
#include "laserlibrary.h"
#include "target.h"

#include <QApplication>
#include <QGraphicsEllipseItem>
#include <QtTest>

// The colour buttons in the order of the colour list, and its defaults.
static const char *const buttonNames[6] = {"pushButtonColHit", "pushButtonColTarget", "pushButtonColStartButton",
                                           "pushButtonColIgnoredArea", "pushButtonColTargetHit", "pushButtonColICorrectedArea"};
static const QList<QColor> defaultPalette{QColor("#00FF00"), QColor("#00ABE7"), QColor("#AA55FF"),
                                          QColor("#D95B48"), QColor(255, 255, 255), QColor("#ffff00")};

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(Laser().LoadFile(QStringLiteral(FIELDSHOT_SCRIPTED_LASER))); }
    void init() { window = new MainWindow; }
    void cleanup() { delete window; hitSize = 5; }

    void opensWithTheSettingsAndSwitchesLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("volume");
        QTest::addColumn<double>("volumeAfter"); // a whole percent
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("languageTitle");
        QTest::newRow("de to en") << "de" << 0.555 << 0.55 << "radioButtonGerman" << "radioButtonEnglish" << "en" << "Language";
        QTest::newRow("en to fr") << "en" << 1.0 << 1.0 << "radioButtonEnglish" << "radioButtonFrench" << "fr" << "Langue";
        QTest::newRow("fr to es") << "fr" << 0.29 << 0.29 << "radioButtonFrench" << "radioButtonSpanish" << "es" << "Idioma";
        QTest::newRow("es to de") << "es" << 0.0 << 0.0 << "radioButtonSpanish" << "radioButtonGerman" << "de" << "Sprache";
        QTest::newRow("EN is no code") << "EN" << 0.999 << 0.99 << "radioButtonGerman" << "radioButtonEnglish" << "en" << "Language";
    }

    void opensWithTheSettingsAndSwitchesLanguage()
    {
        QFETCH(QString, language);
        QFETCH(double, volume);
        QFETCH(double, volumeAfter);
        QFETCH(QString, shown);
        QFETCH(QString, clicked);
        QFETCH(QString, code);
        QFETCH(QString, languageTitle);
        window->SetLanguage(language.toLower()); // the translation in use
        window->language = language;             // the code the dialog reads
        window->SetVolume(volume);
        window->SetFourCameras(true);
        hitSize = 7;
        dialogSettings dialog(window);
        QVERIFY(dialog.findChild<QRadioButton *>(shown)->isChecked());
        QCOMPARE(window->volume, volumeAfter);
        QCOMPARE(dialog.ui->horizontalSliderVolume->value(), qRound(volumeAfter * 100));
        QVERIFY(dialog.ui->checkBox4Cams->isChecked());
        QCOMPARE(dialog.ui->spinBoxHitSize->value(), 7);
        QCOMPARE(hitSize, 7);

        dialog.findChild<QRadioButton *>(clicked)->click();
        QCOMPARE(window->language, code);
        QCOMPARE(dialog.ui->groupBox->title(), languageTitle);
    }

    void colorButtons_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 6; ++i)
            QTest::newRow(buttonNames[i]) << i;
    }

    void colorButtons()
    {
        QFETCH(int, index);
        window->colors[3] = Qt::black; // changed before the dialog opened
        dialogSettings dialog(window);
        auto *button = dialog.findChild<QPushButton *>(buttonNames[index]);
        QList<QColor> offered;
        QList<QColor> answers{QColor(1, 2, 3), QColor()}; // a pick, then a cancelled dialog
        dialog.pickColor = [&](const QColor &initial) {
            offered << initial;
            return answers.takeFirst();
        };
        button->click();
        button->click();
        QCOMPARE(offered, QList<QColor>({index == 3 ? QColor(Qt::black) : defaultPalette[index], QColor(1, 2, 3)}));
        QCOMPARE(window->colors.at(index), QColor(1, 2, 3));
        QCOMPARE(button->styleSheet(), QStringLiteral("background-color: #010203"));

        dialog.ui->pushButtonDefaultColors->click();
        QCOMPARE(window->colors, defaultPalette);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(dialog.findChild<QPushButton *>(buttonNames[i])->styleSheet(), "background-color: " + defaultPalette[i].name());
    }

    // Opened from its button, the dialog writes every control straight through; the scene takes the
    // new colours once it is closed.
    void settingsButtonWritesThroughAndRecoloursAfterwards()
    {
        window->SetPage(1);
        window->scene->AddPolygonTarget(QPolygonF(QRectF(10, 10, 40, 40)));
        Target *target = window->Targets().first();
        window->SelectTargetsByItems({});
        window->Shoot(QPointF(100, 100), QPointF(), false); // a marker from before the hit size changes
        bool cam3ShownWithFour = false;
        QColor colorWhileOpen;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            if (auto *dialog = qobject_cast<dialogSettings *>(QApplication::activeModalWidget())) {
                driver.stop();
                dialog->ui->horizontalSliderVolume->setValue(37);
                // Unticking four cameras hides boxes 3 and 4 but keeps camera 3 running.
                dialog->ui->checkBox4Cams->click();
                cam3ShownWithFour = !window->ui->groupBoxCam3->isHidden();
                window->ui->groupBoxCam3->setChecked(true);
                dialog->ui->checkBox4Cams->click();
                dialog->ui->spinBoxHitSize->setValue(8);
                dialog->pickColor = [](const QColor &) { return QColor(10, 20, 30); };
                dialog->ui->pushButtonColTarget->click();
                colorWhileOpen = target->item->pen().color();
                dialog->ui->pushButtonClose->click();
            }
        });
        driver.start(10);
        QTest::mouseClick(window->ui->toolButtonSettings, Qt::LeftButton);
        QCOMPARE(window->soundHorn.volume(), 0.37);
        QVERIFY(cam3ShownWithFour);
        QVERIFY(!window->fourCameras && window->ui->groupBoxCam4->isHidden() && window->ui->groupBoxCam3->isHidden());
        QVERIFY(window->cameras[2]->active);
        // A new hit size applies to the next marker, not to those already shown.
        window->Shoot(QPointF(200, 100), QPointF(), false);
        QCOMPARE(Hit::All().at(0)->marker->rect(), QRectF(-5, -5, 10, 10));
        QCOMPARE(Hit::All().at(1)->marker->rect(), QRectF(-8, -8, 16, 16));
        QCOMPARE(colorWhileOpen, defaultPalette.at(1)); // the scene follows only once the dialog is done
        QCOMPARE(target->item->pen().color(), QColor(10, 20, 30));
        QTRY_VERIFY(window->findChildren<dialogSettings *>().isEmpty());
    }

private:
    MainWindow *window = nullptr;
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
