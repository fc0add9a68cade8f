// SPDX-License-Identifier: GPL-3.0-or-later
// AnalysisWindow: shows a ShotSession; every figure comes from the widget-free analysis code.
#include "analysiswindow.h"

#include "decimalscore.h"
#include "groupfigures.h"
#include "groupstats.h"
#include "shotplotwidget.h"
#include "shotreport.h"
#include "shotsession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

AnalysisWindow::AnalysisWindow(const ShotSession *session, QWidget *parent)
    : QWidget(parent, Qt::Window), session(session)
{
    auto *top = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    comboTarget = new QComboBox;
    left->addWidget(comboTarget);
    plot = new ShotPlotWidget;
    left->addWidget(plot, 1);
    top->addLayout(left, 3);

    auto *right = new QVBoxLayout;
    figureBox = new QGroupBox;
    figures = new QFormLayout(figureBox);
    right->addWidget(figureBox);
    labelTotal = new QLabel;
    right->addWidget(labelTotal);
    tableShots = new QTableWidget(0, 4);
    tableShots->verticalHeader()->hide();
    tableShots->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableShots->horizontalHeader()->setStretchLastSection(true);
    right->addWidget(tableShots, 1);

    auto *choices = new QFormLayout;
    checkDecimal = new QCheckBox;
    choices->addRow(checkDecimal);
    spinSize = new QDoubleSpinBox;
    spinSize->setRange(0, 10000);
    spinSize->setDecimals(1);
    spinSize->setSuffix(QStringLiteral(" mm"));
    labelSize = new QLabel;
    buttonSheetSize = new QPushButton;
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(spinSize, 1);
    sizeRow->addWidget(buttonSheetSize);
    choices->addRow(labelSize, sizeRow);
    right->addLayout(choices);

    zeroBox = new QGroupBox;
    auto *zeroLayout = new QVBoxLayout(zeroBox);
    labelZero = new QLabel;
    labelZero->setWordWrap(true);
    zeroLayout->addWidget(labelZero);
    auto *zeroButtons = new QHBoxLayout;
    buttonZero = new QPushButton;
    buttonClearZero = new QPushButton;
    zeroButtons->addWidget(buttonZero);
    zeroButtons->addWidget(buttonClearZero);
    zeroLayout->addLayout(zeroButtons);
    right->addWidget(zeroBox);

    buttonReport = new QPushButton;
    right->addWidget(buttonReport);
    top->addLayout(right, 2);
    resize(900, 600);

    connect(session, &ShotSession::Changed, this, &AnalysisWindow::Refresh);
    connect(comboTarget, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        if (!refreshing)
            Refresh();
    });
    connect(checkDecimal, &QCheckBox::toggled, this, [this](bool on) {
        if (refreshing)
            return;
        emit DecimalScoringChanged(on);
        Refresh();
    });
    connect(spinSize, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, [this](double mm) {
        if (refreshing || CurrentTarget().isNull())
            return;
        sizes.insert(CurrentTarget(), mm);
        emit TargetSizeChanged(CurrentTarget(), mm);
        Refresh();
    });
    connect(buttonSheetSize, &QPushButton::clicked, this, &AnalysisWindow::SheetSizeRequested);
    connect(buttonZero, &QPushButton::clicked, this, &AnalysisWindow::ZeroRequested);
    connect(buttonClearZero, &QPushButton::clicked, this, &AnalysisWindow::ZeroCleared);
    connect(buttonReport, &QPushButton::clicked, this, &AnalysisWindow::AskAndSaveReport);
    Retranslate();
}

void AnalysisWindow::Retranslate()
{
    setWindowTitle(tr("Trefferbild"));
    figureBox->setTitle(tr("Gruppe"));
    tableShots->setHorizontalHeaderLabels({tr("Nr."), tr("Zeit"), tr("Ziel"), tr("Wertung")});
    checkDecimal->setText(tr("Zehntelwertung"));
    spinSize->setSpecialValueText(tr("unbekannt"));
    labelSize->setText(tr("Breite des Ziels"));
    buttonSheetSize->setText(tr("Wie PDF-Bogen"));
    buttonSheetSize->setToolTip(tr("Der Durchmesser des äußeren Rings der Scheiben, die das PDF-Tool druckt"));
    zeroBox->setTitle(tr("Laser-Nullpunkt"));
    buttonZero->setText(tr("Nullen"));
    buttonZero->setToolTip(tr("Die Schüsse dieser Serie, auf die Mitte gezielt, ergeben den Versatz jeder Kamera."));
    buttonClearZero->setText(tr("Löschen"));
    buttonReport->setText(tr("Bericht speichern ..."));
    SetLaserZero(zero);
    Refresh();
}

void AnalysisWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

void AnalysisWindow::SetDecimalScoring(bool on)
{
    refreshing = true;
    checkDecimal->setChecked(on);
    refreshing = false;
    Refresh();
}

void AnalysisWindow::SetTargetSizes(const QMap<QString, double> &sizesMm)
{
    sizes = sizesMm;
    Refresh();
}

void AnalysisWindow::SetLaserZero(const LaserZero &laserZero)
{
    zero = laserZero;
    QStringList lines;
    for (int c = 0; c < LaserZero::Cameras; ++c)
        if (zero.IsSet(c))
            lines << tr("Kamera %1: %2, %3").arg(c + 1).arg(zero.Offset(c).x(), 0, 'f', 1).arg(zero.Offset(c).y(), 0, 'f', 1);
    labelZero->setText(lines.isEmpty() ? tr("Nicht gesetzt") : lines.join(QLatin1Char('\n')));
    buttonClearZero->setEnabled(!lines.isEmpty());
}

QString AnalysisWindow::CurrentTarget() const
{
    return comboTarget->currentIndex() < 0 ? QString() : comboTarget->currentData().toString();
}

ShotPlotData AnalysisWindow::PlotOf(const QString &key) const
{
    const std::optional<AimTarget> target = session->Target(key);
    if (!target)
        return ShotPlotData();
    return MakePlotData(*target, session->Shots(), sizes.value(key), checkDecimal->isChecked(), key);
}

ShotPlotData AnalysisWindow::CurrentPlot() const
{
    return PlotOf(CurrentTarget());
}

void AnalysisWindow::Refresh()
{
    refreshing = true;
    const QString chosen = CurrentTarget();
    comboTarget->clear();
    for (const QString &key : session->TargetKeys())
        comboTarget->addItem(key, key);
    const int index = comboTarget->findData(chosen);
    comboTarget->setCurrentIndex(index >= 0 ? index : comboTarget->count() - 1);
    spinSize->setEnabled(comboTarget->count() > 0);
    buttonSheetSize->setEnabled(comboTarget->count() > 0);
    spinSize->setValue(sizes.value(CurrentTarget()));
    buttonZero->setEnabled(!session->MeanMisses().isEmpty());
    buttonReport->setEnabled(!session->Shots().isEmpty());
    refreshing = false;

    const ShotPlotData data = CurrentPlot();
    plot->SetData(data);
    ShowFigures(data);
    ShowShots();
}

void AnalysisWindow::ShowFigures(const ShotPlotData &data)
{
    const QList<FigureLine> lines = GroupFigureLines(ComputeGroupStats(data), data.unit);
    // The rows stay; only their texts change, so the window does not flicker on every shot.
    if (figures->rowCount() != lines.size()) {
        while (figures->rowCount() > 0)
            figures->removeRow(0);
        for (int i = 0; i < lines.size(); ++i) {
            auto *value = new QLabel;
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            figures->addRow(new QLabel, value);
        }
    }
    for (int i = 0; i < lines.size(); ++i) {
        static_cast<QLabel *>(figures->itemAt(i, QFormLayout::LabelRole)->widget())->setText(lines.at(i).first);
        static_cast<QLabel *>(figures->itemAt(i, QFormLayout::FieldRole)->widget())->setText(lines.at(i).second);
    }
}

void AnalysisWindow::ShowShots()
{
    const bool decimal = checkDecimal->isChecked();
    const QList<SessionShot> &shots = session->Shots();
    tableShots->setRowCount(shots.size());
    double total = 0;
    for (int i = 0; i < shots.size(); ++i) {
        const SessionShot &s = shots.at(i);
        const bool showDecimal = decimal && s.hasDecimal;
        total += showDecimal ? s.decimal : s.score;
        const QStringList cells{QString::number(i + 1), s.timeText, s.target,
                                showDecimal ? DecimalScoreText(s.decimal) : QString::number(s.score)};
        for (int c = 0; c < cells.size(); ++c)
            tableShots->setItem(i, c, new QTableWidgetItem(cells.at(c)));
    }
    labelTotal->setText(tr("Summe: %1").arg(decimal ? DecimalScoreText(total) : QString::number(int(total))));
}

ShotReport AnalysisWindow::Report() const
{
    ShotReport report;
    report.title = tr("Trefferbild");
    report.subtitle = QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat) + QStringLiteral("   ") +
                      labelTotal->text();
    for (const QString &key : session->TargetKeys())
        report.plots << PlotOf(key);
    report.columns = QStringList{tr("Nr."), tr("Zeit"), tr("Ziel"), tr("Wertung")};
    for (int r = 0; r < tableShots->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < tableShots->columnCount(); ++c)
            cells << (tableShots->item(r, c) ? tableShots->item(r, c)->text() : QString());
        report.rows << cells;
    }
    return report;
}

bool AnalysisWindow::SaveReport(const QString &fileName)
{
    const ShotReport report = Report();
    const bool png = QFileInfo(fileName).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
    return png ? report.WritePng(fileName) : report.WritePdf(fileName);
}

void AnalysisWindow::AskAndSaveReport()
{
    QString fileName;
    if (askReportFileName)
        fileName = askReportFileName();
    else
        fileName = QFileDialog::getSaveFileName(this, tr("Bericht speichern"), QStringLiteral("Trefferbild.pdf"),
                                                tr("PDF (*.pdf);;PNG-Bild (*.png)"));
    if (fileName.isEmpty())
        return;
    if (!SaveReport(fileName))
        QMessageBox::warning(this, tr("Bericht speichern"), tr("Die Datei %1 kann nicht geschrieben werden.").arg(fileName));
}
