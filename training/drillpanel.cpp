// SPDX-License-Identifier: GPL-3.0-or-later
// DrillPanel: widgets over the drill runner and the session's results.
#include "drillpanel.h"

#include "hitsexport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

DrillPanel::DrillPanel(DrillRunner *r, QWidget *parent)
    : QDialog(parent), userFolder(DrillCatalog::UserFolder()), runner(r), clockTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("DrillPanel"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    resize(760, 480);

    comboDrill = new QComboBox(this);
    comboDrill->setObjectName(QStringLiteral("comboBoxDrill"));
    buttonReload = new QPushButton(this);
    labelDescription = new QLabel(this);
    labelDescription->setWordWrap(true);
    labelProblems = new QLabel(this);
    labelProblems->setWordWrap(true);
    labelProblems->setStyleSheet(QStringLiteral("color: #D95B48;"));
    labelProblems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    labelState = new QLabel(this);
    QFont big = labelState->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    labelState->setFont(big);
    labelClock = new QLabel(this);
    labelClock->setFont(big);
    labelClock->setWordWrap(true);
    tableResults = new QTableWidget(this);
    tableResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableResults->verticalHeader()->hide();
    tableResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    buttonCopy = new QPushButton(this);
    buttonSave = new QPushButton(this);
    buttonClear = new QPushButton(this);

    auto *top = new QHBoxLayout;
    top->addWidget(comboDrill, 1);
    top->addWidget(buttonReload);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(buttonCopy);
    buttons->addWidget(buttonSave);
    buttons->addStretch(1);
    buttons->addWidget(buttonClear);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(labelDescription);
    layout->addWidget(labelProblems);
    layout->addWidget(labelState);
    layout->addWidget(labelClock);
    layout->addWidget(tableResults, 1);
    layout->addLayout(buttons);

    connect(comboDrill, QOverload<int>::of(&QComboBox::activated), this, [this] { OnDrillChosen(); });
    connect(buttonReload, &QPushButton::clicked, this, &DrillPanel::Reload);
    connect(buttonCopy, &QPushButton::clicked, this, &DrillPanel::CopyResults);
    connect(buttonSave, &QPushButton::clicked, this, &DrillPanel::SaveResultsCsv);
    connect(buttonClear, &QPushButton::clicked, this, &DrillPanel::ClearResults);
    connect(runner, &DrillRunner::StateChanged, this, [this] { ShowState(); });
    connect(runner, &DrillRunner::StringFinished, this, &DrillPanel::AddResult);
    connect(runner, &DrillRunner::Refused, this, &DrillPanel::ShowProblem);
    clockTimer->setInterval(20);
    connect(clockTimer, &QTimer::timeout, this, &DrillPanel::ShowClock);

    Retranslate();
    Reload();
}

QString DrillPanel::Language() const
{
    return language ? language() : QStringLiteral("de");
}

void DrillPanel::Reload()
{
    const QString chosen = runner->IsArmed() ? runner->ArmedDrill().id : QString();
    catalog.Load(userFolder);
    problemText = catalog.Problems().join(QLatin1Char('\n'));
    labelProblems->setText(problemText);
    labelProblems->setVisible(!problemText.isEmpty());
    FillCombo();
    // A string under way keeps its drill; otherwise the choice is read again from its file.
    if (runner->CurrentState() != DrillRunner::State::Standby && runner->CurrentState() != DrillRunner::State::Running)
        ChooseDrill(chosen);
}

void DrillPanel::FillCombo()
{
    const QString current = comboDrill->currentData().toString();
    comboDrill->clear();
    comboDrill->addItem(tr("Kein Drill (Spiel wie gewohnt)"), QString());
    for (const DrillCatalog::Entry &e : catalog.Entries()) {
        QString text = e.drill.Name(Language());
        if (!e.shipped)
            text += QStringLiteral(" (") + tr("eigener") + QLatin1Char(')');
        comboDrill->addItem(text, e.drill.id);
    }
    comboDrill->setCurrentIndex(qMax(0, comboDrill->findData(current)));
}

bool DrillPanel::ChooseDrill(const QString &id)
{
    const int index = id.isEmpty() ? 0 : comboDrill->findData(id);
    comboDrill->setCurrentIndex(qMax(0, index));
    OnDrillChosen();
    return index > 0;
}

void DrillPanel::OnDrillChosen()
{
    const QString id = comboDrill->currentData().toString();
    const DrillRunner::State state = runner->CurrentState();
    if (state == DrillRunner::State::Standby || state == DrillRunner::State::Running) {
        // No change of drill in the middle of a string.
        comboDrill->setCurrentIndex(qMax(0, comboDrill->findData(runner->ArmedDrill().id)));
        return;
    }
    labelDescription->clear();
    if (id.isEmpty()) {
        runner->Clear();
    } else {
        for (const DrillCatalog::Entry &e : catalog.Entries())
            if (e.drill.id == id) {
                runner->Arm(e.drill);
                labelDescription->setText(e.drill.Description(Language()));
                break;
            }
    }
    lastString.clear();
    ShowState();
}

void DrillPanel::ShowProblem(const QString &text)
{
    labelProblems->setText(problemText.isEmpty() ? text : problemText + QLatin1Char('\n') + text);
    labelProblems->setVisible(true);
}

void DrillPanel::ShowState()
{
    const int strings = runner->IsArmed() ? runner->ArmedDrill().strings.size() : 0;
    const QString serie = tr("Serie %1/%2").arg(runner->StringIndex() + 1).arg(strings);
    switch (runner->CurrentState()) {
    case DrillRunner::State::NoDrill:
        labelState->setText(tr("Kein Drill gewählt"));
        break;
    case DrillRunner::State::Ready:
        labelState->setText(tr("Bereit: Start, Leertaste oder Startfeld"));
        break;
    case DrillRunner::State::Standby:
        labelState->setText(tr("Achtung … %1").arg(serie));
        // The problem of an earlier start is settled.
        labelProblems->setText(problemText);
        labelProblems->setVisible(!problemText.isEmpty());
        break;
    case DrillRunner::State::Running:
        labelState->setText(tr("Los! %1").arg(serie));
        break;
    case DrillRunner::State::Pause:
        labelState->setText(tr("Pause, dann %1").arg(serie));
        break;
    }
    if (runner->CurrentState() == DrillRunner::State::Running)
        clockTimer->start();
    else
        clockTimer->stop();
    ShowClock();
}

void DrillPanel::ShowClock()
{
    if (runner->CurrentState() == DrillRunner::State::Running) {
        const int asked = runner->ArmedDrill().strings.value(runner->StringIndex()).shots;
        labelClock->setText(tr("%1 s   %2/%3 Schüsse")
                                .arg(DrillSession::Seconds(qMax<qint64>(0, runner->Now() - runner->SignalUs())))
                                .arg(runner->ShotsSoFar())
                                .arg(asked));
    } else {
        labelClock->setText(lastString);
    }
}

void DrillPanel::AddResult(const DrillStringResult &result)
{
    session.Add(result);
    if (result.falseStart) {
        lastString = tr("Fehlstart");
    } else {
        QStringList splits;
        for (qint64 s : result.Splits())
            splits << DrillSession::Seconds(s);
        lastString = tr("Signal nach %1 s · erster Schuss %2 s · Splits %3 · Gesamt %4 s · %5")
                         .arg(DrillSession::Seconds(result.delayUs), DrillSession::Seconds(result.firstShotUs),
                              splits.join(QStringLiteral(" / ")),
                              DrillSession::Seconds(result.totalUs),
                              result.passed ? tr("Bestanden") : tr("Nicht bestanden"))
                     + QStringLiteral(" · ") + DrillSession::ScoreText(result.scoring, result.Score());
    }
    RefreshTable();
    ShowClock();
}

void DrillPanel::ClearResults()
{
    session.Clear();
    lastString.clear();
    RefreshTable();
    ShowClock();
}

void DrillPanel::RefreshTable()
{
    QVector<DrillSession::RowKind> kinds;
    const QList<QStringList> rows = session.Rows(&kinds);
    const QStringList header = DrillSession::Header();
    tableResults->clear();
    tableResults->setColumnCount(header.size());
    tableResults->setHorizontalHeaderLabels(header);
    tableResults->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            auto *item = new QTableWidgetItem(rows[r][c]);
            if (kinds.value(r) != DrillSession::StringRow) {
                QFont f = item->font();
                f.setItalic(true);
                item->setFont(f);
            }
            tableResults->setItem(r, c, item);
        }
    tableResults->resizeColumnsToContents();
    tableResults->scrollToBottom();
    buttonCopy->setEnabled(!rows.isEmpty());
    buttonSave->setEnabled(!rows.isEmpty());
    buttonClear->setEnabled(!rows.isEmpty());
}

QString DrillPanel::ResultsTsv() const
{
    return HitsTsv(DrillSession::Header(), session.Rows());
}

QString DrillPanel::ResultsCsv() const
{
    QString text;
    QList<QStringList> lines = session.Rows();
    lines.prepend(DrillSession::Header());
    for (const QStringList &line : lines) {
        QStringList cells;
        for (const QString &cell : line)
            cells << CsvField(cell);
        text += cells.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return text;
}

void DrillPanel::CopyResults()
{
    QApplication::clipboard()->setText(ResultsTsv());
}

void DrillPanel::SaveResultsCsv()
{
    const QString suggested = QDir::current().filePath(
        QStringLiteral("Fieldshot_Drills_%1.csv").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm"))));
    const QString fileName = askCsvFileName
                                 ? askCsvFileName(suggested)
                                 : QFileDialog::getSaveFileName(this, tr("Ergebnisse speichern"), suggested,
                                                                tr("CSV-Dateien (*.csv)"));
    if (fileName.isEmpty())
        return;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(ResultsCsv().toUtf8()) < 0 || !file.commit()) {
        qDebug().noquote() << "Kann nicht öffnen" << fileName;
        ShowProblem(tr("%1: kann nicht gespeichert werden").arg(QDir::toNativeSeparators(fileName)));
    }
}

void DrillPanel::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        Retranslate();
        emit Retranslated();
    }
    QDialog::changeEvent(e);
}

void DrillPanel::Retranslate()
{
    setWindowTitle(tr("Drills und Schusstimer"));
    buttonReload->setText(tr("Neu laden"));
    buttonReload->setToolTip(tr("Liest die Drills erneut, auch die eigenen aus %1").arg(QDir::toNativeSeparators(userFolder)));
    buttonCopy->setText(tr("Kopieren"));
    buttonSave->setText(tr("Als CSV speichern…"));
    buttonClear->setText(tr("Ergebnisse löschen"));
    FillCombo();
    if (runner->IsArmed())
        labelDescription->setText(runner->ArmedDrill().Description(Language()));
    ShowState();
    RefreshTable();
}
