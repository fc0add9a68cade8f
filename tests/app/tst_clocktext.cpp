// Tests of the game clock text.
#include "clocktext.h"

#include <QtTest>

class TestClockText : public QObject
{
    Q_OBJECT
private slots:
    void format_data();
    void format();
};

void TestClockText::format_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0,00s";
    QTest::newRow("rounds down below half") << qint64(1234) << "1,23s";
    QTest::newRow("pads hundredths") << qint64(59) << "0,06s";
    QTest::newRow("rounds up at half") << qint64(995) << "1,00s";
    QTest::newRow("carries into seconds") << qint64(1996) << "2,00s";
    QTest::newRow("no minutes") << qint64(61004) << "61,00s";
    QTest::newRow("just below rounding") << qint64(994) << "0,99s";
}

void TestClockText::format()
{
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(GameClockText(ms), text);
}

QTEST_APPLESS_MAIN(TestClockText)
#include "tst_clocktext.moc"
