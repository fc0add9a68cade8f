// SPDX-License-Identifier: GPL-3.0-or-later
// DialogDriverControls: one row per driver control, read from and written to the camera library.
#include "dialogdrivercontrols.h"

#include "camera.h"
#include "laserlibrary.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <linux/videodev2.h>

namespace {

// Menus whose items mean the same on every device; their names are translated.
bool IsLeading(unsigned int id)
{
    return id == V4L2_CID_EXPOSURE_AUTO || id == V4L2_CID_AUTO_WHITE_BALANCE || id == V4L2_CID_POWER_LINE_FREQUENCY;
}

// Menus with more items than this are not real menus; nobody picks from a thousand entries.
constexpr int MaxMenuItems = 64;

} // namespace

QVector<int> DriverControlOrder(const QVector<LaserControl> &controls)
{
    QVector<int> order;
    for (unsigned int id : {unsigned(V4L2_CID_EXPOSURE_AUTO), unsigned(V4L2_CID_AUTO_WHITE_BALANCE),
                            unsigned(V4L2_CID_POWER_LINE_FREQUENCY)})
        for (int i = 0; i < controls.size(); ++i)
            if (controls[i].id == id)
                order << i;
    for (int i = 0; i < controls.size(); ++i)
        if (!IsLeading(controls[i].id))
            order << i;
    return order;
}

DialogDriverControls::DialogDriverControls(Camera *camera, QWidget *parent)
    : QDialog(parent), camera(camera)
{
    setWindowTitle(tr("Treiber: %1").arg(camera->GetName()));
    auto *layout = new QVBoxLayout(this);
    const QVector<LaserControl> controls = ReadControls();
    if (controls.isEmpty()) {
        layout->addWidget(new QLabel(tr("Diese Kamera bietet keine Treibereinstellungen."), this));
    } else {
        auto *area = new QScrollArea(this);
        auto *page = new QWidget(area);
        auto *grid = new QGridLayout(page);
        for (int i : DriverControlOrder(controls)) {
            Row row;
            row.control = controls[i];
            const int line = rows.size();
            auto *name = new QLabel(ControlName(row.control), page);
            grid->addWidget(name, line, 0);
            grid->addWidget(CreateEditor(row), line, 1);
            if (row.valueText)
                grid->addWidget(row.valueText, line, 2);
            rows << row;
            ShowValue(rows.last(), row.control);
        }
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(rows.size(), 1); // rows stay together at the top
        area->setWidget(page);
        area->setWidgetResizable(true);
        layout->addWidget(area);
    }
    auto *buttons = new QHBoxLayout;
    auto *reset = new QPushButton(tr("Alle auf Standard"), this);
    reset->setObjectName(QStringLiteral("pushButtonResetAll"));
    reset->setEnabled(!rows.isEmpty());
    reset->setAutoDefault(false);
    auto *close = new QPushButton(tr("Schließen"), this);
    close->setObjectName(QStringLiteral("pushButtonClose"));
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(reset, SIGNAL(clicked()), this, SLOT(ResetAll()));
    connect(close, SIGNAL(clicked()), this, SLOT(accept()));
    resize(rows.isEmpty() ? 420 : 600, rows.isEmpty() ? 120 : qMin(600, 90 + 40 * rows.size()));
}

QWidget *DialogDriverControls::Editor(unsigned int id) const
{
    for (const Row &row : rows)
        if (row.control.id == id)
            return row.editor;
    return nullptr;
}

QVector<LaserControl> DialogDriverControls::ReadControls() const
{
    LaserLibrary &laser = Laser();
    laser.CamSelectCamera(camera->cameraNumber);
    const int count = laser.CamListControls(nullptr, 0);
    if (count <= 0)
        return {};
    QVector<LaserControl> controls(count);
    // The list may have shrunk in between (the camera closed); never more than asked for.
    const int filled = laser.CamListControls(controls.data(), count);
    controls.resize(qBound(0, filled, count));
    return controls;
}

QWidget *DialogDriverControls::CreateEditor(Row &row)
{
    const LaserControl &c = row.control;
    const unsigned int id = c.id;
    QWidget *editor = nullptr;
    switch (c.type) {
    case LASER_CONTROL_BOOLEAN: {
        auto *box = new QCheckBox(this);
        connect(box, &QCheckBox::toggled, this, [this, id](bool on) {
            Apply(id, on ? 1 : 0);
            Refresh();
        });
        editor = box;
        break;
    }
    case LASER_CONTROL_MENU: {
        auto *combo = new QComboBox(this);
        Laser().CamSelectCamera(camera->cameraNumber);
        const int last = qMin(c.maximum, c.minimum + MaxMenuItems - 1);
        for (int index = c.minimum; index <= last; ++index) {
            char name[LASER_CONTROL_NAME_SIZE] = {};
            if (Laser().CamGetControlMenuItem(id, index, name) == 0)
                combo->addItem(MenuItemName(id, index, QString::fromUtf8(name)), index);
        }
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this, id, combo](int item) {
            Apply(id, combo->itemData(item).toInt());
            Refresh();
        });
        editor = combo;
        break;
    }
    case LASER_CONTROL_BUTTON: {
        auto *button = new QPushButton(ControlName(c), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, id] {
            Apply(id, 1);
            Refresh();
        });
        editor = button;
        break;
    }
    default: {
        auto *slider = new QSlider(Qt::Horizontal, this);
        const int step = qMax(1, c.step);
        slider->setRange(c.minimum, c.maximum);
        slider->setSingleStep(step);
        slider->setPageStep(qMax(step, (c.maximum - c.minimum) / 10));
        row.valueText = new QLabel(this);
        row.valueText->setMinimumWidth(row.valueText->fontMetrics().horizontalAdvance(QStringLiteral("-00000")));
        row.valueText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QLabel *text = row.valueText;
        const int minimum = c.minimum;
        connect(slider, &QSlider::valueChanged, this, [this, id, slider, text, minimum, step](int value) {
            // Only whole steps from the minimum are values the driver takes.
            const int snapped = minimum + (value - minimum + step / 2) / step * step;
            if (snapped != value && snapped <= slider->maximum()) {
                slider->setValue(snapped);
                return;
            }
            text->setText(QString::number(value));
            Apply(id, value);
        });
        // Other controls may follow a change (automatic modes); read them once the drag ends.
        connect(slider, SIGNAL(sliderReleased()), this, SLOT(Refresh()));
        editor = slider;
        break;
    }
    }
    editor->setObjectName(QStringLiteral("control_%1").arg(id, 0, 16));
    row.editor = editor;
    return editor;
}

void DialogDriverControls::Apply(unsigned int id, int value)
{
    LaserLibrary &laser = Laser();
    laser.CamSelectCamera(camera->cameraNumber);
    laser.CamSetControl(id, value); // a refused value shows as what the driver kept at the next Refresh
}

void DialogDriverControls::Refresh()
{
    const QVector<LaserControl> controls = ReadControls();
    for (Row &row : rows) {
        const LaserControl *current = nullptr;
        for (const LaserControl &c : controls)
            if (c.id == row.control.id)
                current = &c;
        if (current) {
            ShowValue(row, *current);
        } else {
            // Gone with the camera: nothing left to change.
            row.editor->setEnabled(false);
        }
    }
}

void DialogDriverControls::ShowValue(Row &row, const LaserControl &current)
{
    row.control = current;
    const QSignalBlocker blocker(row.editor);
    if (auto *box = qobject_cast<QCheckBox *>(row.editor)) {
        box->setChecked(current.value != 0);
    } else if (auto *combo = qobject_cast<QComboBox *>(row.editor)) {
        combo->setCurrentIndex(combo->findData(current.value));
    } else if (auto *slider = qobject_cast<QSlider *>(row.editor)) {
        slider->setValue(current.value);
        row.valueText->setText(QString::number(current.value));
    }
    row.editor->setEnabled(!(current.flags & (LASER_CONTROL_READ_ONLY | LASER_CONTROL_INACTIVE)));
    if (row.valueText)
        row.valueText->setEnabled(row.editor->isEnabled());
}

void DialogDriverControls::ResetAll()
{
    // Automatic modes first, so that what they unlock takes its default too.
    for (int pass = 0; pass < 2; ++pass) {
        for (const Row &row : qAsConst(rows))
            if (row.control.type != LASER_CONTROL_BUTTON && !(row.control.flags & LASER_CONTROL_READ_ONLY)
                && IsLeading(row.control.id) == (pass == 0))
                Apply(row.control.id, row.control.defaultValue);
        Refresh();
    }
}

QString DialogDriverControls::ControlName(const LaserControl &control) const
{
    switch (control.id) {
    case V4L2_CID_EXPOSURE_AUTO: return tr("Belichtungsautomatik");
    case V4L2_CID_AUTO_WHITE_BALANCE: return tr("Weißabgleich automatisch");
    case V4L2_CID_POWER_LINE_FREQUENCY: return tr("Netzfrequenz");
    default: return QString::fromUtf8(control.name);
    }
}

QString DialogDriverControls::MenuItemName(unsigned int id, int index, const QString &driverName) const
{
    if (id == V4L2_CID_EXPOSURE_AUTO) {
        switch (index) {
        case V4L2_EXPOSURE_AUTO: return tr("Automatisch");
        case V4L2_EXPOSURE_MANUAL: return tr("Manuell");
        case V4L2_EXPOSURE_SHUTTER_PRIORITY: return tr("Zeitautomatik");
        case V4L2_EXPOSURE_APERTURE_PRIORITY: return tr("Blendenautomatik");
        default: break;
        }
    } else if (id == V4L2_CID_POWER_LINE_FREQUENCY) {
        if (index == V4L2_CID_POWER_LINE_FREQUENCY_DISABLED)
            return tr("Aus");
        if (index == V4L2_CID_POWER_LINE_FREQUENCY_AUTO)
            return tr("Automatisch");
    }
    return driverName;
}
