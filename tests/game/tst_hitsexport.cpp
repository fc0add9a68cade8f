// Tests of the table of hits as text (CSV quoting, the copied text) and of its context menu.
#include "../common/mainwindowtest.h"
#include "hitsexport.h"

#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

class TestHitsExport : public QObject
{
    Q_OBJECT
private slots:
    void exportText_data();
    void exportText();
    void contextMenuCopiesAndSaves();
    void newestRowStaysInSight();
};

void TestHitsExport::exportText_data()
{
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("tsv");
    QTest::addColumn<QString>("csv");

    // Every case has the same header and total row; the time's decimal comma needs quotes in CSV.
    const QString tsvHead = QStringLiteral("Target\tScore\tTime\n");
    const QString csvHead = QStringLiteral("Target,Score,Time\r\n");
    const QString csvTotal = QStringLiteral("Total,12,\"9,99s\"\r\n");

    QTest::newRow("plain") << QList<QStringList>{{"Mitte", "10", "1,23s"}, {"Missed", "0", "2,00s"}}
                           << tsvHead + "Mitte\t10\t1,23s\nMissed\t0\t2,00s\n"
                           << csvHead + "Mitte,10,\"1,23s\"\r\nMissed,0,\"2,00s\"\r\n" + csvTotal;
    QTest::newRow("comma, quotes") << QList<QStringList>{{"Scheibe, links", "5", "0:00"}, {"Der \"Kleine\"", "-2", "0:00"}}
                                   << tsvHead + "Scheibe, links\t5\t0:00\nDer \"Kleine\"\t-2\t0:00\n"
                                   << csvHead + "\"Scheibe, links\",5,0:00\r\n\"Der \"\"Kleine\"\"\",-2,0:00\r\n" + csvTotal;
    QTest::newRow("line breaks, tab") << QList<QStringList>{{"oben\nunten", "1", "0:00"}, {"a\r\nb", "2", "0:00"}, {"A\tB", "3", "0:00"}}
                                      << tsvHead + "oben unten\t1\t0:00\na b\t2\t0:00\nA B\t3\t0:00\n"
                                      << csvHead + "\"oben\nunten\",1,0:00\r\n\"a\r\nb\",2,0:00\r\nA\tB,3,0:00\r\n" + csvTotal;
    QTest::newRow("non-ASCII") << QList<QStringList>{{QStringLiteral("Größe Ñandú 靶"), "7", "0:00"}}
                               << tsvHead + QStringLiteral("Größe Ñandú 靶\t7\t0:00\n")
                               << csvHead + QStringLiteral("Größe Ñandú 靶,7,0:00\r\n") + csvTotal;
}

void TestHitsExport::exportText()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, tsv);
    QFETCH(QString, csv);
    const QStringList header{"Target", "Score", "Time"};
    QCOMPARE(HitsTsv(header, rows), tsv);
    QCOMPARE(HitsCsv(header, rows, {"Total", "12", "9,99s"}), csv);
}

// The menu of the real window: disabled while empty; copies the table; saves it as UTF-8 CSV
// through the file name seam; a cancelled or failed save leaves no file.
void TestHitsExport::contextMenuCopiesAndSaves()
{
    MainWindow window;
    QVERIFY(window.IsConfigured());
    window.SetPage(2);
    QTableWidget *table = window.ui->tableWidgetHits;
    auto openMenu = [table]() -> QMenu * {
        emit table->customContextMenuRequested(QPoint(5, 5));
        return table->findChild<QMenu *>();
    };

    QMenu *menu = openMenu();
    QVERIFY(menu);
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text() + (action->isEnabled() ? "" : " (off)");
    QCOMPARE(texts, QStringList({"Kopieren (off)", "Als CSV speichern… (off)"}));
    delete menu;

    window.AddHitRow(QStringLiteral("Müller, \"A\""), 7);
    window.AddHitRow(QStringLiteral("Ring 9"), 9);
    QString header;
    for (int c = 0; c < table->columnCount(); ++c)
        header += (c ? QStringLiteral(",") : QString()) + table->horizontalHeaderItem(c)->text();

    menu = openMenu();
    QVERIFY(menu->actions().at(0)->isEnabled());
    menu->actions().at(0)->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString(header).replace(QLatin1Char(','), QLatin1Char('\t'))
                 + QStringLiteral("\nMüller, \"A\"\t7\t0:00\nRing 9\t9\t0:00\n"));

    QTemporaryDir dir;
    QString answer = dir.filePath(QStringLiteral("hits.csv"));
    QString suggested;
    window.askCsvFileName = [&](const QString &name) { suggested = name; return answer; };
    menu->actions().at(1)->trigger();
    QVERIFY(suggested.endsWith(QLatin1String(".csv")));
    QFile file(answer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             (header + QStringLiteral("\r\n\"Müller, \"\"A\"\"\",7,0:00\r\nRing 9,9,0:00\r\nGesamt,16,0:00\r\n")).toUtf8());
    file.close();
    delete menu;

    answer.clear(); // cancelled
    window.SaveHitsCsv();
    answer = dir.filePath(QStringLiteral("missing/hits.csv"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Kann nicht öffnen .*missing")));
    window.SaveHitsCsv();
    QVERIFY(window.statusBar()->currentMessage().contains(QLatin1String("missing")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"hits.csv"});
}

void TestHitsExport::newestRowStaysInSight()
{
    MainWindow window;
    window.SetPage(2);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QScrollBar *bar = window.ui->tableWidgetHits->verticalScrollBar();
    for (int i = 0; i < 60; ++i)
        window.AddHitRow(QStringLiteral("Missed"), 0);
    QTRY_VERIFY(bar->maximum() > 0);
    QTRY_COMPARE(bar->value(), bar->maximum());
}

QTEST_MAIN(TestHitsExport)
#include "tst_hitsexport.moc"
