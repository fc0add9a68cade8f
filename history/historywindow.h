// SPDX-License-Identifier: GPL-3.0-or-later
// HistoryWindow: progress charts and the table of past strings, filtered by drill and target.
#pragma once

#include "analysis/shotplotdata.h"
#include "historylocation.h"
#include "historystore.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QTableView;
class HistorySessionsModel;
struct HistoryProgress;

namespace QtCharts {
class QChart;
class QLineSeries;
class QDateTimeAxis;
class QValueAxis;
}

class HistoryWindow : public QDialog
{
    Q_OBJECT

public:
    // The charts in the order they are laid out.
    enum Chart { ScoreChart, HitFactorChart, FirstShotChart, GroupChart, ChartCount };

    explicit HistoryWindow(const HistoryLocation &location, QWidget *parent = nullptr);
    ~HistoryWindow() override;

    // Opens the database when needed and shows what it holds under the chosen filters; on
    // failure the window says why and stays empty. The filter boxes keep their choice.
    bool Reload();
    // Opens the plot of the table's row (false when it cannot be loaded).
    bool ShowPlotOfRow(int row);
    // Saves the listed strings as CSV where askCsvFileName says; false when cancelled or failed.
    bool ExportCsv();

    QString StatusText() const;
    QtCharts::QLineSeries *Series(Chart chart) const { return series[chart]; }

    // Shows a string's shot plot; by default a HistoryPlotDialog.
    std::function<void(const ShotPlotData &)> showPlot;
    // The CSV file to write (empty: cancelled); a file dialog unless replaced.
    std::function<QString()> askCsvFileName;

    QComboBox *drillBox = nullptr;
    QComboBox *targetBox = nullptr;
    QTableView *table = nullptr;
    HistorySessionsModel *model = nullptr;

private:
    void FillFilters();
    void ShowStrings();
    void ShowProgress(const HistoryProgress &progress);
    void SetStatus(const QString &text, bool error);

    HistoryLocation location;
    HistoryStore store;
    QLabel *status = nullptr;
    QtCharts::QChart *charts[ChartCount] = {};
    QtCharts::QLineSeries *series[ChartCount] = {};
    QtCharts::QDateTimeAxis *timeAxes[ChartCount] = {};
    QtCharts::QValueAxis *valueAxes[ChartCount] = {};
    bool filling = false;
};
