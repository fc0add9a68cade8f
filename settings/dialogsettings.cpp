// SPDX-License-Identifier: GPL-3.0-or-later
// dialogSettings: construction from the main window's settings and the slots that write them back.
#include "dialogsettings.h"
#include "ui_dialogsettings.h"

#include "hit.h"
#include "mainwindow.h"

#include <QColorDialog>

namespace {

QString ColorStyle(const QColor &color)
{
    return QStringLiteral("background-color: ") + color.name();
}

// The slider position for a volume. The volume is usually a whole percent already, and a hundredth
// times 100 can land just below its whole number (0.29 * 100 = 28.999...), so a tiny tolerance keeps
// the dialog from lowering the volume a percent each time it opens.
int VolumePercent(double volume)
{
    return int(volume * 100.0 + 1e-9);
}

} // namespace

dialogSettings::dialogSettings(MainWindow *parent)
    : QDialog(parent), mainWindow(parent), ui(new Ui::dialogSettings)
{
    pickColor = [](const QColor &initial) { return QColorDialog::getColor(initial, nullptr, QString()); };

    ui->setupUi(this);
    // A title bar without a close button: the dialog is left through "Ok" only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(469, 330);

    const QString &language = mainWindow->language;
    if (language == QLatin1String("en"))
        ui->radioButtonEnglish->setChecked(true);
    else if (language == QLatin1String("fr"))
        ui->radioButtonFrench->setChecked(true);
    else if (language == QLatin1String("es"))
        ui->radioButtonSpanish->setChecked(true);

    // These go through the slots as a user's change would, so the volume becomes a whole percent.
    ui->horizontalSliderVolume->setValue(VolumePercent(mainWindow->volume));
    ui->checkBox4Cams->setChecked(mainWindow->fourCameras);
    ui->spinBoxHitSize->setValue(hitSize);

    UpdateColorButtons();
}

dialogSettings::~dialogSettings()
{
    delete ui;
}

void dialogSettings::UpdateColorButtons()
{
    QPushButton *const buttons[6] = {ui->pushButtonColHit, ui->pushButtonColTarget,
                                     ui->pushButtonColStartButton, ui->pushButtonColIgnoredArea,
                                     ui->pushButtonColTargetHit, ui->pushButtonColICorrectedArea};
    for (int i = 0; i < 6 && i < mainWindow->colors.size(); ++i)
        buttons[i]->setStyleSheet(ColorStyle(mainWindow->colors.at(i)));
}

void dialogSettings::ChooseLanguage(const QString &code)
{
    mainWindow->SetLanguage(code);
    ui->retranslateUi(this);
}

void dialogSettings::PickColor(QPushButton *button, int index)
{
    // The button always shows the colour list's entry, so that entry is where the choice starts.
    const QColor color = pickColor(mainWindow->colors.value(index));
    if (!color.isValid())
        return;
    button->setStyleSheet(ColorStyle(color));
    mainWindow->colors[index] = color;
}

void dialogSettings::on_pushButtonClose_clicked()
{
    close();
    deleteLater();
}

void dialogSettings::on_radioButtonGerman_clicked()
{
    ChooseLanguage(QStringLiteral("de"));
}

void dialogSettings::on_radioButtonEnglish_clicked()
{
    ChooseLanguage(QStringLiteral("en"));
}

void dialogSettings::on_pushButtonColHit_clicked()
{
    PickColor(ui->pushButtonColHit, 0);
}

void dialogSettings::on_pushButtonColTarget_clicked()
{
    PickColor(ui->pushButtonColTarget, 1);
}

void dialogSettings::on_pushButtonColTargetHit_clicked()
{
    PickColor(ui->pushButtonColTargetHit, 4);
}

void dialogSettings::on_pushButtonColStartButton_clicked()
{
    PickColor(ui->pushButtonColStartButton, 2);
}

void dialogSettings::on_pushButtonColIgnoredArea_clicked()
{
    PickColor(ui->pushButtonColIgnoredArea, 3);
}

void dialogSettings::on_pushButtonDefaultColors_clicked()
{
    mainWindow->SetDefaultColors();
    UpdateColorButtons();
}

void dialogSettings::on_horizontalSliderVolume_valueChanged(int value)
{
    mainWindow->SetVolume(value / 100.0);
}

void dialogSettings::on_checkBox4Cams_clicked(bool checked)
{
    mainWindow->SetFourCameras(checked);
}

void dialogSettings::on_spinBoxHitSize_valueChanged(int arg1)
{
    hitSize = arg1;
}

void dialogSettings::on_pushButtonColICorrectedArea_clicked()
{
    PickColor(ui->pushButtonColICorrectedArea, 5);
}

void dialogSettings::on_radioButtonFrench_clicked()
{
    ChooseLanguage(QStringLiteral("fr"));
}

void dialogSettings::on_radioButtonSpanish_clicked()
{
    ChooseLanguage(QStringLiteral("es"));
}
