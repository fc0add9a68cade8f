// Tests of camera selection and the corrected ring target's corners, against the scripted library.
#include "../common/mainwindowtest.h"
#include "../common/scriptedlibrary.h"

#include "camera.h"

#include <QApplication>
#include <QGraphicsPixmapItem>
#include <QMessageBox>
#include <QtTest>

class TestCameraSelection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void startTakesTheFirstDevice();
    void deviceListChanges_data();
    void deviceListChanges();
    void deviceMovesBetweenCameras();
    void groupBoxesSwitchCameras();
    void cornersHandedOverOnGamePage();
    void cornersHandedOverWhenCamera1Opens();
    void onlyOneCorrectedTarget();

private:
    void Start(const QByteArray &devices);
    // What choosing an entry in a camera's combo box does.
    void Choose(int camera, int index)
    {
        window->cameraCombos[camera]->setCurrentIndex(index);
        emit window->cameraCombos[camera]->activated(index);
    }
    void Tick() { MainWindowTest::Tick(window); }
    QStringList Items(int camera) const;

    Script script;
    MainWindow *window = nullptr;
};

void TestCameraSelection::initTestCase()
{
    QVERIFY2(script.Load(), qPrintable(LaserLibrary::Instance().ErrorString()));
}

void TestCameraSelection::Start(const QByteArray &devices)
{
    script.Reset();
    script.SetDevices(devices.constData());
    window = MainWindowTest::Open(2, true);
    QVERIFY(window);
    window->SetFourCameras(true);
}

void TestCameraSelection::cleanup()
{
    delete window;
    window = nullptr;
}

QStringList TestCameraSelection::Items(int camera) const
{
    QStringList items;
    for (int i = 0; i < window->cameraCombos[camera]->count(); ++i)
        items << window->cameraCombos[camera]->itemText(i);
    return items;
}

void TestCameraSelection::startTakesTheFirstDevice()
{
    Start("Cam A\nCam B");
    for (int n = 0; n < 4; ++n)
        QCOMPARE(Items(n), (QStringList{"-No Camera-", "Cam A", "Cam B"}));
    QCOMPARE(window->ui->comboBoxCamera1->currentIndex(), 1);
    QCOMPARE(window->cameras[0]->device, 0);
    QVERIFY(window->ui->pushButtonCam1Settings->isEnabled());
    QVERIFY(!window->ui->pushButtonCam2Settings->isEnabled());
    QVERIFY(window->cameras[0]->active);
    QVERIFY(!window->cameras[1]->active);
    QCOMPARE(window->cameras[3]->pixmapItem->pos(), QPointF(640, 480));
    QCOMPARE(window->cameras[2]->pixmapItem->pos(), QPointF(0, 480));
}

void TestCameraSelection::deviceListChanges_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QVector<int>>("chosen"); // per camera, 0: left as it is
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QVector<int>>("entries"); // per camera afterwards; the device is one less

    QTest::newRow("a new first device: cameras keep theirs by name")
        << QByteArray("A\nB\nC") << QVector<int>{0, 2, 0, 0} << QByteArray("X\nA\nB\nC") << QVector<int>{2, 3, 0, 0};
    QTest::newRow("unplugged device frees its camera")
        << QByteArray("A\nB\nC") << QVector<int>{0, 0, 3, 0} << QByteArray("A\nB") << QVector<int>{1, 0, 0, 0};
    QTest::newRow("same names: the first in the list")
        << QByteArray("Same\nSame") << QVector<int>{0, 2, 0, 0} << QByteArray("Other\nSame\nSame") << QVector<int>{2, 0, 0, 0};
    QTest::newRow("first device to appear goes to camera 1")
        << QByteArray() << QVector<int>{0, 0, 0, 0} << QByteArray("New cam") << QVector<int>{1, 0, 0, 0};
}

void TestCameraSelection::deviceListChanges()
{
    QFETCH(QByteArray, before);
    QFETCH(QVector<int>, chosen);
    QFETCH(QByteArray, after);
    QFETCH(QVector<int>, entries);
    Start(before);
    for (int n = 0; n < 4; ++n)
        if (chosen[n])
            Choose(n, chosen[n]);
    Tick();
    script.SetDevices(after.constData());
    Tick();
    Tick(); // opens what was newly chosen
    for (int n = 0; n < 4; ++n) {
        QCOMPARE(window->cameraCombos[n]->currentIndex(), entries[n]);
        QCOMPARE(window->cameras[n]->device, entries[n] - 1);
        QCOMPARE(window->cameras[n]->initialised, entries[n] > 0);
        if (n > 0 && entries[n] > 0) // cameras 2 to 4 are switched on with a device
            QVERIFY(window->cameras[n]->active);
    }
    // The list is not read again while the number of devices stays the same.
    script.ClearLog();
    Tick();
    Tick();
    QCOMPARE(script.CallCount("CamGetNameOfDevice"), 0);
}

void TestCameraSelection::deviceMovesBetweenCameras()
{
    Start("A\nB");
    Choose(1, 1); // camera 2 takes A from camera 1
    QCOMPARE(window->cameraCombos[0]->currentIndex(), 0);
    QCOMPARE(window->cameras[0]->device, -1);
    QVERIFY(!window->ui->pushButtonCam1Settings->isEnabled());
    QVERIFY(window->cameras[0]->active); // camera 1 is always active
    QCOMPARE(window->cameras[1]->device, 0);
    QVERIFY(window->ui->pushButtonCam2Settings->isEnabled());
    QVERIFY(window->ui->groupBoxCam2->isChecked());
    QCOMPARE(window->cameras[0]->framePixmap.toImage().size(), QSize(640, 480));
    // "-No Camera-" for camera 2 switches it off.
    Choose(1, 0);
    QVERIFY(!window->ui->groupBoxCam2->isChecked());
    QVERIFY(!window->cameras[1]->active);
}

void TestCameraSelection::groupBoxesSwitchCameras()
{
    Start("A\nB");
    Choose(3, 2);
    QVERIFY(window->cameras[3]->active);
    QCOMPARE(window->scene->sceneRect(), QRectF(0, 0, 1280, 960));
    window->ui->groupBoxCam4->setChecked(false);
    QVERIFY(!window->cameras[3]->active);
    QCOMPARE(window->cameras[3]->device, 1); // keeps its device
    QCOMPARE(window->scene->sceneRect(), QRectF(0, 0, 640, 480));
    window->SetFourCameras(false);
    QVERIFY(!window->ui->groupBoxCam4->isVisible());
    QCOMPARE(window->cameras[3]->device, 1);
}

void TestCameraSelection::cornersHandedOverOnGamePage()
{
    Start("A");
    window->SetPage(1);
    window->ui->pushButtonCorrectedTarget->click();
    Target *t = window->FindCorrectedTarget();
    QVERIFY(t);
    QCOMPARE(t->listItem->text(), QStringLiteral("Entzerrte Ziele:0"));
    QCOMPARE(t->score, 0);
    QVERIFY(!window->ui->frameTargetProps->isEnabled());
    script.ClearLog();
    window->SetPage(2);
    QCOMPARE(script.Log(), (QStringList{"0 CamSetCorner(0,128.5,96.5)", "0 CamSetCorner(1,512.5,96.5)",
                                        "0 CamSetCorner(2,128.5,384.5)", "0 CamSetCorner(3,512.5,384.5)",
                                        "0 CamPreCalculate()", "0 CamSetScreenResolution(1000,1000)"}));
    // No corrected target: nothing is sent.
    window->RemoveTarget(t);
    script.ClearLog();
    window->SetPage(1);
    window->SetPage(2);
    QCOMPARE(script.CallCount("CamSetCorner"), 0);
}

void TestCameraSelection::cornersHandedOverWhenCamera1Opens()
{
    Start("A");
    window->ui->pushButtonCorrectedTarget->click();
    script.SetInitResult(0, 0);
    script.ClearLog();
    Tick(); // a failed opening sends nothing
    QCOMPARE(script.CallCount("CamSetCorner"), 0);
    script.SetInitResult(0, 3);
    Tick();
    QCOMPARE(script.CallCount("CamSetCorner"), 4);
    QCOMPARE(script.CallCount("CamSetScreenResolution"), 1);
}

void TestCameraSelection::onlyOneCorrectedTarget()
{
    Start("");
    window->ui->pushButtonCorrectedTarget->click();
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    window->ui->pushButtonCorrectedTarget->click();
    QCOMPARE(shown, QStringLiteral("Es darf nur ein Korrekturziel geben."));
    int corrected = 0;
    for (Target *t : window->Targets())
        corrected += t->type == int(TargetType::CorrectedRings);
    QCOMPARE(corrected, 1);
}

QTEST_MAIN(TestCameraSelection)
#include "tst_cameraselection.moc"
