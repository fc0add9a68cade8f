// Tests of the frame queue: order, the drop-oldest rule with its shots, and two threads.
#include "framequeue.h"

#include <QtTest>

#include <atomic>
#include <thread>

namespace {

// Publishes a frame whose shots carry its number in x.
void PublishFrame(FrameQueue &q, int number, int shots)
{
    FrameData *f = q.AcquireWritable();
    f->shotCount = shots;
    for (int i = 0; i < shots; ++i)
        f->shots[i].x = number * 100 + i;
    f->peak = number;
    q.Publish(f);
}

} // namespace

class TestFrameQueue : public QObject
{
    Q_OBJECT

private slots:
    void oldestFirst();
    void dropsOldestKeepingShots_data();
    void dropsOldestKeepingShots();
    void currentStaysUntilNextTake();
    void concurrentWriterAndReader();
};

void TestFrameQueue::oldestFirst()
{
    FrameQueue q(3);
    QVERIFY(!q.Take());
    PublishFrame(q, 1, 0);
    PublishFrame(q, 2, 0);
    QCOMPARE(q.Take()->peak, 1);
    QCOMPARE(q.Take()->peak, 2);
    QVERIFY(!q.Take());
    QCOMPARE(q.Dropped(), 0L);
}

void TestFrameQueue::dropsOldestKeepingShots_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<QVector<int>>("shotsPerFrame");
    QTest::addColumn<int>("expectedFirstPeak");
    QTest::addColumn<QVector<double>>("expectedFirstShots");
    QTest::addColumn<long>("expectedDropped");
    // Depth 2: frames 1-4 published, 1 and 2 dropped, 3 is handed out with their shots.
    QTest::newRow("shots move on") << 2 << QVector<int>{1, 1, 1, 0} << 3
                                   << QVector<double>{100, 200, 300} << 2L;
    QTest::newRow("no shots, nothing added") << 2 << QVector<int>{0, 0, 0, 0} << 3
                                             << QVector<double>{} << 2L;
    QTest::newRow("at most eight, oldest first") << 2 << QVector<int>{5, 5, 2, 0} << 3
                                                 << QVector<double>{100, 101, 102, 103, 104, 200, 201, 202}
                                                 << 2L;
    // Depth 1: a dropped frame leaves nothing waiting, so its shots wait for the next frame,
    // and are handed on once only.
    QTest::newRow("depth 1, carried once") << 1 << QVector<int>{1, 0, 0} << 3 << QVector<double>{100} << 2L;
}

void TestFrameQueue::dropsOldestKeepingShots()
{
    QFETCH(int, depth);
    QFETCH(QVector<int>, shotsPerFrame);
    QFETCH(int, expectedFirstPeak);
    QFETCH(QVector<double>, expectedFirstShots);
    QFETCH(long, expectedDropped);
    FrameQueue q(depth);
    for (int i = 0; i < shotsPerFrame.size(); ++i)
        PublishFrame(q, i + 1, shotsPerFrame[i]);
    QCOMPARE(q.Dropped(), expectedDropped);
    QCOMPARE(q.Waiting(), depth);
    FrameData *f = q.Take();
    QCOMPARE(f->peak, expectedFirstPeak);
    QVector<double> xs;
    for (int i = 0; i < f->shotCount; ++i)
        xs << f->shots[i].x;
    QCOMPARE(xs, expectedFirstShots);
}

void TestFrameQueue::currentStaysUntilNextTake()
{
    FrameQueue q(1);
    PublishFrame(q, 1, 0);
    FrameData *first = q.Take();
    // The writer laps the reader many times; the frame being read must never be reused.
    for (int i = 2; i < 20; ++i)
        PublishFrame(q, i, 0);
    QCOMPARE(q.Current(), first);
    QCOMPARE(first->peak, 1);
    QCOMPARE(q.Take()->peak, 19);
}

void TestFrameQueue::concurrentWriterAndReader()
{
    FrameQueue q(3);
    std::atomic<bool> done{false};
    const int frames = 20000; // a multiple of 8: the last frame has a shot
    std::thread writer([&] {
        for (int i = 1; i <= frames; ++i)
            PublishFrame(q, i, i % 8 == 0 ? 1 : 0);
        done = true;
    });
    int last = 0, shots = 0;
    double lastShot = 0;
    bool ordered = true;
    while (true) {
        const bool finished = done.load();
        FrameData *f = q.Take();
        if (!f) {
            if (finished)
                break;
            std::this_thread::yield();
            continue;
        }
        ordered = ordered && f->peak > last;
        last = f->peak;
        for (int i = 0; i < f->shotCount; ++i) {
            // Carried shots arrive in order, each once (a reader that stalls for more than
            // eight shots loses the surplus by design).
            ordered = ordered && f->shots[i].x > lastShot;
            lastShot = f->shots[i].x;
            ++shots;
        }
    }
    writer.join();
    QVERIFY(ordered);
    QCOMPARE(last, frames);
    QCOMPARE(lastShot, frames * 100.0);
    if (q.Dropped() == 0)
        QCOMPARE(shots, frames / 8);
    QVERIFY(shots >= 8);
}

QTEST_APPLESS_MAIN(TestFrameQueue)
#include "tst_framequeue.moc"
