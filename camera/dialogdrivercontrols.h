// SPDX-License-Identifier: GPL-3.0-or-later
// DialogDriverControls: every control a camera's driver offers, changed live.
#pragma once

#include "laser.h"

#include <QDialog>
#include <QVector>

class Camera;
class QLabel;
class QWidget;

// Positions in `controls` in the order they are shown: automatic exposure, automatic white
// balance and power-line frequency first (they decide whether a laser spot stands out of the
// picture), then the others as the driver lists them.
QVector<int> DriverControlOrder(const QVector<LaserControl> &controls);

class DialogDriverControls : public QDialog
{
    Q_OBJECT

public:
    DialogDriverControls(Camera *camera, QWidget *parent);

    // The editor of a control (slider, check box, combo box or button); null when not shown.
    QWidget *Editor(unsigned int id) const;

private slots:
    void ResetAll();
    void Refresh();

private:
    struct Row
    {
        LaserControl control;
        QWidget *editor = nullptr;
        QLabel *valueText = nullptr; // integers only
    };

    QVector<LaserControl> ReadControls() const;
    QWidget *CreateEditor(Row &row);
    void Apply(unsigned int id, int value);
    void ShowValue(Row &row, const LaserControl &current);
    QString ControlName(const LaserControl &control) const;
    QString MenuItemName(unsigned int id, int index, const QString &driverName) const;

    Camera *camera;
    QVector<Row> rows;
};
