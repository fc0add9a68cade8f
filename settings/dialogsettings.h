// SPDX-License-Identifier: GPL-3.0-or-later
// dialogSettings: the modal dialog for volume, language, colours, four cameras and hit size.
#pragma once

#include <QColor>
#include <QDialog>

#include <functional>

class MainWindow;
class QPushButton;

namespace Ui {
class dialogSettings;
}

// Edits the main window's settings directly: every control writes through as it changes.
class dialogSettings : public QDialog
{
    Q_OBJECT

public:
    explicit dialogSettings(MainWindow *parent);
    ~dialogSettings() override;

    // Gives every colour button its colour from the main window's colour list.
    void UpdateColorButtons();

    MainWindow *mainWindow;
    Ui::dialogSettings *ui;

    // Asks the user for a colour, starting from the given one; an invalid colour means cancelled.
    // Tests replace it so that no modal colour dialog opens.
    std::function<QColor(const QColor &initial)> pickColor;

private slots:
    void on_pushButtonClose_clicked();
    void on_radioButtonGerman_clicked();
    void on_radioButtonEnglish_clicked();
    void on_pushButtonColHit_clicked();
    void on_pushButtonColTarget_clicked();
    void on_pushButtonColTargetHit_clicked();
    void on_pushButtonColStartButton_clicked();
    void on_pushButtonColIgnoredArea_clicked();
    void on_pushButtonDefaultColors_clicked();
    void on_horizontalSliderVolume_valueChanged(int value);
    void on_checkBox4Cams_clicked(bool checked);
    void on_spinBoxHitSize_valueChanged(int arg1);
    void on_pushButtonColICorrectedArea_clicked();
    void on_radioButtonFrench_clicked();
    void on_radioButtonSpanish_clicked();

private:
    void ChooseLanguage(const QString &code);
    void PickColor(QPushButton *button, int index);
};
