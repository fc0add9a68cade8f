// Tests of the ring target generator on the real main window: geometry, names, scores, rows and selection.
#include "../common/mainwindowtest.h"

#include "laserlibrary.h"
#include "ringgenerator.h"
#include "target.h"

#include <QApplication>
#include <QGraphicsEllipseItem>
#include <QInputDialog>
#include <QtTest>

class TestRingGenerator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(Laser().LoadFile(QStringLiteral(FIELDSHOT_SCRIPTED_LASER))); }
    void init();
    void cleanup() { delete window; }
    void rings_data();
    void rings();
    void nothingGenerated();
    void inputDialogAsks();

private:
    void Generate(bool ok, int n)
    {
        window->askRingCount = [ok, n](bool *answered) { *answered = ok; return n; };
        window->ui->pushButtonGenerateTarget->click();
    }
    MainWindow *window = nullptr;
};

void TestRingGenerator::init()
{
    window = MainWindowTest::Open(1);
    QVERIFY(window);
    // A target made before the rings; it stays in front of them.
    MainWindowTest::AddRect(window, QRectF(500, 20, 40, 40));
}

void TestRingGenerator::rings_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("step");
    QTest::addColumn<QPointF>("firstCorner");
    QTest::newRow("1") << 1 << 400 << QPointF(120, 40);
    QTest::newRow("3") << 3 << 133 << QPointF(253.5, 173.5);
    QTest::newRow("5") << 5 << 80 << QPointF(280, 200);
    QTest::newRow("25") << 25 << 16 << QPointF(312, 232);
}

void TestRingGenerator::rings()
{
    QFETCH(int, n);
    QFETCH(int, step);
    QFETCH(QPointF, firstCorner);
    QCOMPARE(GenerateRings(n).first().rect.topLeft(), firstCorner);
    Generate(true, n);

    const QList<Target *> targets = window->Targets();
    QCOMPARE(targets.size(), n + 1);
    QVERIFY(!targets[0]->listItem->isSelected());
    for (int i = 0; i < n; ++i) {
        const Target *t = targets[i + 1];
        auto *ellipse = dynamic_cast<QGraphicsEllipseItem *>(t->item);
        QVERIFY(ellipse);
        const int d = step * (i + 1);
        QCOMPARE(ellipse->rect(), QRectF(320 - d / 2.0, 240 - d / 2.0, d, d));
        QCOMPARE(t->name, QStringLiteral("Ring %1").arg(n - i));
        QCOMPARE(t->score, n - i);
        QVERIFY(t->listItem->isSelected());
    }
    // With several rings selected nobody owns the property fields.
    QCOMPARE(window->ui->frameTargetProps->isEnabled(), n == 1);
    // The innermost ring lies in front, so a shot at the centre scores it.
    QCOMPARE(window->TargetAt(QPointF(320, 240)), targets[1]);
    QCOMPARE(window->TargetAt(QPointF(320, 41)), targets[n]);
}

void TestRingGenerator::nothingGenerated()
{
    // Cancelled: even the selection stays. No rings (the dialog never offers it): nothing selected.
    Generate(false, 5);
    QCOMPARE(window->ui->listWidgetTargets->selectedItems().size(), 1);
    Generate(true, 0);
    QCOMPARE(window->ui->listWidgetTargets->selectedItems().size(), 0);
    QCOMPARE(window->Targets().size(), 1);
}

void TestRingGenerator::inputDialogAsks()
{
    QStringList asked;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            answer.stop();
            asked << dialog->windowTitle() << dialog->labelText();
            asked << QStringLiteral("%1 %2-%3").arg(dialog->intValue()).arg(dialog->intMinimum()).arg(dialog->intMaximum());
            dialog->setIntValue(2);
            dialog->accept();
        }
    });
    answer.start(10);
    window->ui->pushButtonGenerateTarget->click();
    QCOMPARE(asked, QStringList({"Ringscheibe", "Wie viele Ringe soll die Scheibe haben?", "5 1-25"}));
    QCOMPARE(window->Targets().size(), 3);
}

QTEST_MAIN(TestRingGenerator)
#include "tst_ringgenerator.moc"
