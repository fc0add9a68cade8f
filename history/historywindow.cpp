// SPDX-License-Identifier: GPL-3.0-or-later
// Progress charts and the table of past strings.
#include "historywindow.h"

#include "historycsv.h"
#include "historyplotdata.h"
#include "historyplotdialog.h"
#include "historyprogress.h"
#include "historysessionsmodel.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>

using namespace QtCharts;

namespace {
// Index 1 of the drill box: plain games only.
const int PlainGamesIndex = 1;
}

HistoryWindow::HistoryWindow(const HistoryLocation &where, QWidget *parent) : QDialog(parent), location(where)
{
    setWindowTitle(tr("Trainingsverlauf"));
    resize(1000, 720);

    drillBox = new QComboBox;
    targetBox = new QComboBox;
    drillBox->setMinimumContentsLength(16);
    targetBox->setMinimumContentsLength(16);
    auto *reload = new QPushButton(tr("Aktualisieren"));
    auto *plot = new QPushButton(tr("Schussbild"));
    auto *csv = new QPushButton(tr("CSV exportieren"));
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Übung:")));
    top->addWidget(drillBox);
    top->addWidget(new QLabel(tr("Ziel:")));
    top->addWidget(targetBox);
    top->addStretch();
    top->addWidget(reload);
    top->addWidget(plot);
    top->addWidget(csv);

    const QString titles[ChartCount] = {tr("Punkte"), tr("Hit-Faktor"), tr("Erster Schuss (s)"), tr("Gruppe")};
    auto *chartBox = new QWidget;
    auto *grid = new QGridLayout(chartBox);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < ChartCount; ++i) {
        charts[i] = new QChart;
        charts[i]->setTitle(titles[i]);
        charts[i]->legend()->hide();
        series[i] = new QLineSeries;
        series[i]->setPointsVisible(true);
        charts[i]->addSeries(series[i]);
        timeAxes[i] = new QDateTimeAxis;
        timeAxes[i]->setFormat(QStringLiteral("dd.MM."));
        timeAxes[i]->setTickCount(5);
        valueAxes[i] = new QValueAxis;
        charts[i]->addAxis(timeAxes[i], Qt::AlignBottom);
        charts[i]->addAxis(valueAxes[i], Qt::AlignLeft);
        series[i]->attachAxis(timeAxes[i]);
        series[i]->attachAxis(valueAxes[i]);
        auto *view = new QChartView(charts[i]); // takes the chart
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(240, 160);
        grid->addWidget(view, i / 2, i % 2);
    }

    model = new HistorySessionsModel(this);
    table = new QTableView;
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    // Fixed widths: fitting to the contents would read every one of thousands of rows.
    table->setColumnWidth(HistorySessionsModel::When, 180);
    table->setColumnWidth(HistorySessionsModel::Project, 130);
    table->setColumnWidth(HistorySessionsModel::Drill, 170);
    table->setColumnWidth(HistorySessionsModel::FirstShot, 130);

    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(chartBox);
    splitter->addWidget(table);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    status = new QLabel;
    status->setWordWrap(true);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addWidget(status);

    showPlot = [this](const ShotPlotData &data) {
        auto *dialog = new HistoryPlotDialog(data, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
    };
    askCsvFileName = [this] {
        return QFileDialog::getSaveFileName(this, tr("Verlauf als CSV speichern"), QStringLiteral("fieldshot-history.csv"),
                                            tr("CSV-Dateien (*.csv)"));
    };

    connect(reload, &QPushButton::clicked, this, &HistoryWindow::Reload);
    connect(csv, &QPushButton::clicked, this, &HistoryWindow::ExportCsv);
    connect(plot, &QPushButton::clicked, this, [this] {
        const QModelIndex current = table->currentIndex();
        if (current.isValid())
            ShowPlotOfRow(current.row());
    });
    connect(table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) { ShowPlotOfRow(index.row()); });
    const auto filterChanged = [this] {
        if (!filling)
            ShowStrings();
    };
    connect(drillBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, filterChanged);
    connect(targetBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, filterChanged);
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::SetStatus(const QString &text, bool error)
{
    status->setText(text);
    status->setStyleSheet(error ? QStringLiteral("color: #c00000;") : QString());
}

QString HistoryWindow::StatusText() const
{
    return status->text();
}

bool HistoryWindow::Reload()
{
    if (!store.IsOpen() && !store.Open(location)) {
        model->SetStrings({});
        ShowProgress(HistoryProgress());
        SetStatus(tr("Der Trainingsverlauf ist nicht verfügbar: %1").arg(store.ErrorString()), true);
        return false;
    }
    FillFilters();
    ShowStrings();
    return true;
}

void HistoryWindow::FillFilters()
{
    filling = true;
    const QString drill = drillBox->currentIndex() > PlainGamesIndex ? drillBox->currentText() : QString();
    const int drillIndex = drillBox->currentIndex();
    const QString target = targetBox->currentIndex() > 0 ? targetBox->currentText() : QString();
    drillBox->clear();
    drillBox->addItem(tr("Alle"));
    drillBox->addItem(tr("Nur Spiele"));
    drillBox->addItems(store.Drills());
    targetBox->clear();
    targetBox->addItem(tr("Alle"));
    targetBox->addItems(store.Targets());
    if (!drill.isEmpty())
        drillBox->setCurrentIndex(qMax(0, drillBox->findText(drill)));
    else if (drillIndex == PlainGamesIndex)
        drillBox->setCurrentIndex(PlainGamesIndex);
    if (!target.isEmpty())
        targetBox->setCurrentIndex(qMax(0, targetBox->findText(target)));
    filling = false;
}

void HistoryWindow::ShowStrings()
{
    HistoryFilter filter;
    filter.plainGamesOnly = drillBox->currentIndex() == PlainGamesIndex;
    if (drillBox->currentIndex() > PlainGamesIndex)
        filter.drill = drillBox->currentText();
    if (targetBox->currentIndex() > 0)
        filter.target = targetBox->currentText();
    const QList<HistoryRecord> strings = store.Strings(filter);
    model->SetStrings(strings);
    ShowProgress(BuildHistoryProgress(strings));
    SetStatus(tr("Serien: %1 (%2)").arg(strings.size()).arg(location.Describe()), false);
}

void HistoryWindow::ShowProgress(const HistoryProgress &progress)
{
    const QVector<QPointF> *points[ChartCount] = {&progress.score, &progress.hitFactor, &progress.firstShotSeconds,
                                                  &progress.groupSize};
    // A single day still gets a readable axis.
    const qint64 day = 24 * 3600 * 1000LL;
    const qint64 from = qint64(progress.minX);
    const qint64 to = qMax(qint64(progress.maxX), from + day);
    const QString format = to - from > 300 * day ? QStringLiteral("MM.yyyy")
                           : to - from > 3 * day  ? QStringLiteral("dd.MM.")
                                                  : QStringLiteral("dd.MM. HH:mm");
    for (int i = 0; i < ChartCount; ++i) {
        series[i]->replace(*points[i]);
        // Dots help a few strings; over hundreds they only blot the line.
        series[i]->setPointsVisible(points[i]->size() <= 200);
        timeAxes[i]->setFormat(format);
        timeAxes[i]->setTickCount(format.contains(QLatin1Char(' ')) ? 3 : 5);
        timeAxes[i]->setRange(QDateTime::fromMSecsSinceEpoch(from), QDateTime::fromMSecsSinceEpoch(to));
        double low = 0;
        double high = 1;
        for (const QPointF &p : *points[i]) {
            low = qMin(low, p.y());
            high = qMax(high, p.y());
        }
        valueAxes[i]->setRange(low, high * 1.05);
    }
    charts[GroupChart]->setTitle(progress.groupUnit.isEmpty() ? tr("Gruppe")
                                                              : tr("Gruppe (%1)").arg(progress.groupUnit));
}

bool HistoryWindow::ShowPlotOfRow(int row)
{
    const HistoryRecord *r = model->StringAt(row);
    HistoryRecord loaded;
    if (!r || !store.Load(r->id, loaded)) {
        SetStatus(tr("Die Serie kann nicht geladen werden."), true);
        return false;
    }
    if (showPlot)
        showPlot(HistoryPlotData(loaded));
    return true;
}

bool HistoryWindow::ExportCsv()
{
    const QString fileName = askCsvFileName ? askCsvFileName() : QString();
    if (fileName.isEmpty())
        return false;
    QList<HistoryRecord> strings;
    for (int row = model->rowCount() - 1; row >= 0; --row)
        strings.append(*model->StringAt(row)); // the file lists them oldest first
    QString error;
    if (!WriteHistoryCsv(fileName, strings, &error)) {
        SetStatus(tr("%1 kann nicht gespeichert werden: %2").arg(fileName, error), true);
        return false;
    }
    SetStatus(tr("Serien gespeichert: %1 (%2)").arg(strings.size()).arg(fileName), false);
    return true;
}
