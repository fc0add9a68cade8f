// SPDX-License-Identifier: GPL-3.0-or-later
// DrillPanel: the shot timer's window: choosing a drill, its state and times, the results.
#pragma once

#include "drillcatalog.h"
#include "drillrunner.h"
#include "drillsession.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

class DrillPanel : public QDialog
{
    Q_OBJECT

public:
    DrillPanel(DrillRunner *runner, QWidget *parent = nullptr);

    // Reads the drills again from the program and from the user's folder; the drill chosen
    // stays chosen when it is still there.
    void Reload();
    // Chooses a drill by its id (the file's base name); empty or unknown: no drill.
    bool ChooseDrill(const QString &id);
    // Shows a problem (a refused start, a refused file) above the results.
    void ShowProblem(const QString &text);
    void AddResult(const DrillStringResult &result);
    void ClearResults();
    void CopyResults();
    void SaveResultsCsv();
    // Tab-separated header and rows, and the CSV document of the same.
    QString ResultsTsv() const;
    QString ResultsCsv() const;
    const DrillSession &Session() const { return session; }

    // Folder of the user's drills; DrillCatalog::UserFolder() unless a test sets another.
    QString userFolder;
    // The program's language ("de", "en", ...) for drill names.
    std::function<QString()> language;
    // Asks for the CSV file to save to (empty: cancelled); a file dialog unless replaced.
    std::function<QString(const QString &suggestedFileName)> askCsvFileName;

    QComboBox *comboDrill = nullptr;
    QLabel *labelDescription = nullptr;
    QLabel *labelState = nullptr;
    QLabel *labelClock = nullptr;
    QLabel *labelProblems = nullptr;
    QTableWidget *tableResults = nullptr;
    QPushButton *buttonReload = nullptr;
    QPushButton *buttonCopy = nullptr;
    QPushButton *buttonSave = nullptr;
    QPushButton *buttonClear = nullptr;

signals:
    // The program's language changed and the panel has taken it up.
    void Retranslated();

protected:
    void changeEvent(QEvent *e) override;

private:
    void Retranslate();
    void FillCombo();
    void OnDrillChosen();
    void ShowState();
    void ShowClock();
    void RefreshTable();
    QString Language() const;

    DrillRunner *runner;
    DrillSession session;
    DrillCatalog catalog;
    QTimer *clockTimer;
    QString lastString; // the last finished string's times, shown under the clock
    QString problemText;
};
