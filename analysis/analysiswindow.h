// SPDX-License-Identifier: GPL-3.0-or-later
// AnalysisWindow: the current session's groups per target, its figures and shots, the scoring and
// size choices, the laser zero and the report.
#pragma once

#include "laserzero.h"
#include "shotplotdata.h"

#include <QMap>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class ShotPlotWidget;
class ShotSession;
struct ShotReport;

class AnalysisWindow : public QWidget
{
    Q_OBJECT

public:
    AnalysisWindow(const ShotSession *session, QWidget *parent = nullptr);

    // The choices kept in the project, shown here; changing them here emits the signals below.
    void SetDecimalScoring(bool on);
    void SetTargetSizes(const QMap<QString, double> &sizesMm);
    void SetLaserZero(const LaserZero &zero);

    // What the view shows for the chosen target, and the report of the whole session.
    QString CurrentTarget() const;
    ShotPlotData CurrentPlot() const;
    ShotReport Report() const;
    bool SaveReport(const QString &fileName);

    // Asks for the report's file name (empty: cancelled); a file dialog unless replaced.
    std::function<QString()> askReportFileName;

    // Widgets the tests drive.
    QComboBox *comboTarget = nullptr;
    QCheckBox *checkDecimal = nullptr;
    QDoubleSpinBox *spinSize = nullptr;
    QPushButton *buttonZero = nullptr;
    QPushButton *buttonClearZero = nullptr;
    QPushButton *buttonReport = nullptr;
    QPushButton *buttonSheetSize = nullptr;
    QLabel *labelZero = nullptr;
    QLabel *labelTotal = nullptr;
    QTableWidget *tableShots = nullptr;
    ShotPlotWidget *plot = nullptr;
    QFormLayout *figures = nullptr;

signals:
    void DecimalScoringChanged(bool on);
    void TargetSizeChanged(const QString &key, double sizeMm);
    void ZeroRequested();
    void ZeroCleared();
    // The printed sheet's outer ring is asked for as the current target's width.
    void SheetSizeRequested();

public slots:
    void Refresh();

protected:
    void changeEvent(QEvent *event) override;

private:
    void Retranslate();
    ShotPlotData PlotOf(const QString &key) const;
    void ShowFigures(const ShotPlotData &data);
    void ShowShots();
    void AskAndSaveReport();

    const ShotSession *session;
    LaserZero zero;
    QGroupBox *figureBox = nullptr;
    QGroupBox *zeroBox = nullptr;
    QLabel *labelSize = nullptr;
    QMap<QString, double> sizes;
    bool refreshing = false;
};
