// SPDX-License-Identifier: GPL-3.0-or-later
// The context menu of the table of hits: copy the table to the clipboard or save it as a CSV file.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "hitsexport.h"

#include <QClipboard>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QSaveFile>
#include <QStatusBar>
#include <QTranslator>

void MainWindow::SetUpHitsMenu()
{
    ui->tableWidgetHits->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->tableWidgetHits, SIGNAL(customContextMenuRequested(QPoint)), this, SLOT(ShowHitsMenu(QPoint)));
    askCsvFileName = [this](const QString &suggested) {
        QFileDialog dialog(this, tr("Als CSV speichern"), suggested, tr("CSV-Dateien (*.csv)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
}

void MainWindow::ShowHitsMenu(const QPoint &pos)
{
    QTableWidget *table = ui->tableWidgetHits;
    // Built on each request, so its texts follow the current language.
    auto *menu = new QMenu(table);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *copy = menu->addAction(tr("Kopieren"), this, &MainWindow::CopyHits);
    QAction *save = menu->addAction(tr("Als CSV speichern…"), this, &MainWindow::SaveHitsCsv);
    copy->setEnabled(table->rowCount() > 0);
    save->setEnabled(table->rowCount() > 0);
    menu->popup(table->viewport()->mapToGlobal(pos));
}

QStringList MainWindow::HitsHeader() const
{
    // The export's own words: the table's headers are the same in some languages as in others,
    // and its time column becomes seconds.
    return {tr("Ziel"), tr("Punkte"), tr("Zeit (s)")};
}

// The program's words for a miss and a hit in every language it speaks, each mapped to the
// export's word in the current language: rows recorded before a language switch follow it too.
static QHash<QString, QString> ExportNames()
{
    const QString missed = MainWindow::tr("Fehlschuss");
    const QString hit = MainWindow::tr("Treffer");
    QHash<QString, QString> names{{QStringLiteral("Missed"), missed}, {QStringLiteral("Treffer"), hit}};
    for (const char *code : {"de", "en", "fr", "es"}) {
        QTranslator other;
        if (!other.load(QStringLiteral(":Gui/fieldshot_") + QLatin1String(code)))
            continue;
        const QString otherMissed = other.translate("MainWindow", "Missed");
        const QString otherHit = other.translate("MainWindow", "Treffer");
        if (!otherMissed.isEmpty())
            names.insert(otherMissed, missed);
        if (!otherHit.isEmpty())
            names.insert(otherHit, hit);
    }
    return names;
}

QList<QStringList> MainWindow::HitsRows() const
{
    const QTableWidget *table = ui->tableWidgetHits;
    QList<QStringList> rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem *item = table->item(r, c);
            row << (item ? item->text() : QString());
        }
        rows << row;
    }
    return HitsExportRows(rows, ExportNames());
}

void MainWindow::CopyHits()
{
    QGuiApplication::clipboard()->setText(HitsTsv(HitsHeader(), HitsRows()));
}

void MainWindow::SaveHitsCsv()
{
    const QString suggested = QDir::current().filePath(
        QStringLiteral("Fieldshot_%1.csv").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm"))));
    const QString fileName = askCsvFileName ? askCsvFileName(suggested) : QString();
    if (fileName.isEmpty())
        return; // cancelled
    const QStringList total{tr("Gesamt"), QString::number(totalScore), HitsTimeSeconds(ui->labelTotaltime->text())};
    // Written beside the target and renamed over it only when complete.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(HitsCsv(HitsHeader(), HitsRows(), total).toUtf8()) < 0
        || !file.commit()) {
        qDebug().noquote() << "Kann nicht öffnen" << fileName;
        statusBar()->showMessage(tr("Nicht gespeichert: %1").arg(QDir::toNativeSeparators(fileName)), 5000);
    }
}
