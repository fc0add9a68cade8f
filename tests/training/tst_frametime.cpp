// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the time a handed-out frame gives its shots when the reader fell behind and frames
// were dropped: the shots keep the capture time of the frame in which they were seen.
#include "framequeue.h"

#include <QtTest>

namespace {

// Publishes frame `number`, captured at number x 1000 us, with `shots` shots.
void Publish(FrameQueue &q, int number, int shots)
{
    FrameData *f = q.AcquireWritable();
    f->shotCount = shots;
    for (int i = 0; i < shots; ++i)
        f->shots[i].x = number;
    f->timestampUs = number * 1000;
    f->shotTimestampUs = 0; // as the camera thread leaves a freshly captured frame
    q.Publish(f);
}

} // namespace

class TestFrameTime : public QObject
{
    Q_OBJECT

private slots:
    void shotsKeepTheTimeTheyWereSeen_data()
    {
        QTest::addColumn<QVector<int>>("shotsPerFrame"); // frames 1, 2, ... published unread
        QTest::addColumn<QVector<qint64>>("times"); // ShotTimeUs of each frame then read
        // Depth 3: with five frames published, frames 1 and 2 are dropped.
        QTest::newRow("nothing dropped") << QVector<int>{1, 0, 1} << QVector<qint64>{1000, 2000, 3000};
        QTest::newRow("dropped shot moves on with its time")
            << QVector<int>{1, 0, 0, 0, 0} << QVector<qint64>{1000, 4000, 5000};
        QTest::newRow("earliest of two dropped shots")
            << QVector<int>{0, 1, 1, 0, 0, 0} << QVector<qint64>{2000, 5000, 6000};
        QTest::newRow("carried into a frame with its own shot")
            << QVector<int>{1, 0, 1, 1, 1} << QVector<qint64>{1000, 4000, 5000};
    }

    void shotsKeepTheTimeTheyWereSeen()
    {
        QFETCH(QVector<int>, shotsPerFrame);
        QFETCH(QVector<qint64>, times);
        FrameQueue q(3);
        for (int i = 0; i < shotsPerFrame.size(); ++i)
            Publish(q, i + 1, shotsPerFrame[i]);
        QVector<qint64> got;
        while (FrameData *f = q.Take())
            got << f->ShotTimeUs();
        QCOMPARE(got, times);
    }

    void carryWithNoWaitingFrame()
    {
        // The reader holds nothing back: a frame dropped while the queue is full of frames
        // being dropped hands its shots over to the next one published.
        FrameQueue q(1);
        Publish(q, 1, 1);
        Publish(q, 2, 0); // drops 1: its shot moves to 2
        QCOMPARE(q.Take()->ShotTimeUs(), 1000);
        QCOMPARE(q.Take(), nullptr);
        Publish(q, 3, 0);
        QCOMPARE(q.Take()->ShotTimeUs(), 3000); // no shots: the frame's own time
    }
};

QTEST_GUILESS_MAIN(TestFrameTime)
#include "tst_frametime.moc"
