// Tests of project files: saving, opening, clearing and the start-up load, on the real main window.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "camera.h"
#include "hit.h"
#include "projectdata.h"
#include "script.h"
#include "target.h"
#include "targetsgraphicscene.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsPolygonItem>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// The main window with its file dialog answered by the test.
class ProjectWindow : public MainWindow
{
public:
    QString answer;

protected:
    QString AskProjectFileName(bool) override { return answer; }
};

class TestProject : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roundTrip();
    void loadEdgeCases_data();
    void loadEdgeCases();
    void failedSaveKeepsTheOldFile();
    void startupLoadsTheDefaultProject();

private:
    void Start();
    void Add(const QPolygonF &polygon, int type, int score, const QString &name);
    void Save(const QString &path) { window->answer = path; window->ui->toolButtonSave->click(); }
    void Open(const QString &path) { window->answer = path; window->ui->toolButtonOpen->click(); }
    // What a user could see of the window, one "key=value" entry each.
    QStringList Facts() const;

    Script script;
    QTemporaryDir dir;
    QString startDir;
    ProjectWindow *window = nullptr;
};

void TestProject::initTestCase()
{
    QVERIFY2(script.Load(), qPrintable(LaserLibrary::Instance().ErrorString()));
    // The start-up load reads the working directory; keep it empty unless a test fills it.
    startDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
}

void TestProject::init()
{
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path());
    QDir::setCurrent(dir.path());
    hitSize = 5;
}

void TestProject::cleanup()
{
    delete window;
    window = nullptr;
    hitSize = 5;
}

void TestProject::Start()
{
    script.Reset();
    script.SetDevices("Cam A\nCam B\nCam C");
    script.SetSetting(0, 0, 0, 200, 50); // brightness at 25 %
    script.SetSetting(1, 4, -10, 10, 5); // exposure at 75 %
    window = new ProjectWindow;
    QVERIFY(window->IsConfigured());
    window->tickTimer.stop();
}

void TestProject::Add(const QPolygonF &polygon, int type, int score, const QString &name)
{
    window->scene->AddPolygonTarget(polygon);
    Target *t = window->Targets().last();
    t->type = type;
    t->score = score;
    t->name = name;
    window->UpdateTargetText(t);
}

QStringList TestProject::Facts() const
{
    const Ui::MainWindow *ui = window->ui;
    QStringList f;
    f << QStringLiteral("page=%1").arg(window->page) << QStringLiteral("game=%1").arg(ui->comboBoxGametype->currentIndex())
      << QStringLiteral("shots=%1").arg(ui->spinBoxSchotCount->value()) << QStringLiteral("language=") + window->language
      << QStringLiteral("volume=%1").arg(window->volume) << QStringLiteral("hitsize=%1").arg(hitSize)
      << QStringLiteral("four=%1").arg(window->fourCameras) << QStringLiteral("display=%1").arg(ui->radioButtonDispTarget->isChecked())
      << QStringLiteral("image=%1").arg(ui->radioButtonImageTarget->isChecked())
      << QStringLiteral("imagefile=") + window->targetImageFilename << QStringLiteral("scorefile=") + window->scoreImageFilename
      << QStringLiteral("picture=%1").arg(window->displayImageItem ? window->displayImageItem->pixmap().width() : 0)
      << QStringLiteral("inner=%1").arg(ui->spinBoxInnerCircles->value()) << QStringLiteral("circles=%1").arg(ui->spinBoxCircles->value())
      << QStringLiteral("numbers=%1").arg(ui->checkBoxTargetNumbers->isChecked())
      << QStringLiteral("bullseye=%1").arg(ui->checkBoxBullseye->isChecked());
    for (int i = 0; i < window->colors.size(); ++i)
        f << QStringLiteral("color%1=%2").arg(i).arg(window->colors.at(i).name());
    for (int i = 0; i < 4; ++i) {
        Camera *c = window->cameras[i];
        f << QStringLiteral("cam%1=%2 %3").arg(i).arg(window->cameraCombos[i]->currentText()).arg(c->device);
        if (c->device >= 0)
            f << QStringLiteral("cam%1 thresholds=%2 %3 %4 %5 percent=%6 %7").arg(i)
                     .arg(c->GetThreshold(1)).arg(c->GetThreshold(2)).arg(c->GetThreshold(3)).arg(c->GetThreshold(4))
                     .arg(c->brightnessPercent).arg(c->exposurePercent);
    }
    const QList<Target *> targets = window->Targets();
    f << QStringLiteral("targets=%1").arg(targets.size());
    for (int r = 0; r < targets.size(); ++r) {
        const Target *t = targets.at(r);
        QString shape;
        if (auto *p = qgraphicsitem_cast<QGraphicsPolygonItem *>(t->item)) {
            shape = QStringLiteral("polygon");
            for (const QPointF &q : p->polygon())
                shape += QStringLiteral(" %1,%2").arg(q.x()).arg(q.y());
        } else if (auto *e = qgraphicsitem_cast<QGraphicsEllipseItem *>(t->item)) {
            const QRectF q = e->rect();
            shape = QStringLiteral("ellipse %1,%2 %3x%4").arg(q.x()).arg(q.y()).arg(q.width()).arg(q.height());
        }
        f << QStringLiteral("target%1 points=%2").arg(r).arg(shape.count(' '));
        f << QStringLiteral("target%1=%2|%3|%4|%5|%6|%7").arg(r).arg(t->listItem->text(), t->name).arg(t->score).arg(t->type)
                 .arg(shape).arg(t->item->pen().color().name());
    }
    return f;
}

void TestProject::roundTrip()
{
    Start();
    window->SetFourCameras(true);
    window->cameraCombos[2]->setCurrentIndex(3);
    emit window->cameraCombos[2]->activated(3);
    for (int kind = 1; kind <= 4; ++kind)
        window->cameras[0]->SetThreshold(kind, 100 + kind);
    window->SetPage(1);
    Add(QPolygonF(QRectF(10, 20, 100, 50)) << QPointF(10, 20), 0, 7, QStringLiteral("Rechteck"));
    Add(QPolygonF({QPointF(300, 40), QPointF(420.5, 90.25), QPointF(350, 200)}), 1, 1, QStringLiteral("Start"));
    window->scene->AddEllipseTarget(QRectF(200, 250, 80.5, 60));
    window->Targets().last()->score = -3;
    window->UpdateTargetText(window->Targets().last());
    Add(QPolygonF(QRectF(500, 300, 60, 60)), 2, 1, QStringLiteral("Ignorieren"));
    window->ui->pushButtonCorrectedTarget->click();
    window->colors[1] = QColor(0x12, 0x34, 0x56);
    window->colors[5] = QColor(0xab, 0xcd, 0xef);
    window->SetLanguage(QStringLiteral("en"));
    window->SetVolume(0.35);
    hitSize = 7;
    window->ui->spinBoxSchotCount->setValue(17);
    window->ui->spinBoxCircles->setValue(12);
    window->ui->spinBoxInnerCircles->setValue(3);
    window->ui->checkBoxBullseye->setChecked(false);
    const QString picture = dir.filePath(QStringLiteral("picture.png")), points = dir.filePath(QStringLiteral("points.png"));
    QImage(400, 300, QImage::Format_RGB32).save(picture);
    QImage(40, 30, QImage::Format_RGB32).save(points);
    window->SetPage(2);
    window->ui->radioButtonDispTarget->setChecked(true);
    window->ui->radioButtonImageTarget->setChecked(true);
    window->LoadDisplayImage(picture);
    window->LoadScoreImage(points);
    const QStringList before = Facts();
    QVERIFY(before.contains("picture=2560") && before.contains("display=1"));

    const QString path = dir.filePath(QStringLiteral("set-up.fsp"));
    Save(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QJsonObject saved = QJsonDocument::fromJson(bytes).object();
    // Indented with keys in ascending order is exactly what a re-serialisation gives.
    QCOMPARE(bytes, QJsonDocument(saved).toJson(QJsonDocument::Indented));
    QVERIFY(bytes.contains("\n    \"4cameras\": true,\n"));
    const QJsonArray cameras = saved.value("cameras").toArray();
    QCOMPARE(cameras.size(), 4);
    QCOMPARE(cameras.at(1).toObject(), QJsonObject({{"camname", "NoCam"}}));
    QCOMPARE(cameras.at(0).toObject().value("brightness").toDouble(), 25.0);
    QCOMPARE(cameras.at(2).toObject().value("camname").toString(), QStringLiteral("Cam C"));
    QCOMPARE(saved.value("targets").toArray().at(2).toObject().value("corners").toArray().size(), 10);

    window->ui->toolButtonNew->click();
    QCOMPARE(window->Targets().size(), 0);
    window->SetDefaultColors();
    window->SetLanguage(QStringLiteral("de"));
    window->SetVolume(1.0);
    hitSize = 5;
    window->ui->spinBoxSchotCount->setValue(10);
    window->ui->checkBoxBullseye->setChecked(true);
    window->LoadDisplayImage(points);
    window->LoadScoreImage(picture);
    window->cameraCombos[2]->setCurrentIndex(0);
    emit window->cameraCombos[2]->activated(0);
    window->SetPage(0);

    script.ClearLog();
    Open(path);
    // Thresholds go to the library size first, then luminance, then distance.
    QCOMPARE(script.Log().filter("CamSetThreshold").mid(0, 4),
             QStringList({"0 CamSetThreshold(2,102)", "0 CamSetThreshold(3,103)", "0 CamSetThreshold(1,101)",
                          "0 CamSetThreshold(4,104)"}));
    QStringList after = Facts();
    // Saved as the live percentages, read back as the values to apply at the next opening.
    QVERIFY(after.contains("cam0 thresholds=101 102 103 104 percent=25 75"));
    after.replaceInStrings(QStringLiteral("percent=25 75"), QStringLiteral("percent=-1 -1"));
    QCOMPARE(after, before);
}

void TestProject::loadEdgeCases_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QStringList>("expected");

    const QStringList defaults{"targets=0", "hitsize=5", "volume=0", "circles=10", "numbers=1", "bullseye=1",
                               "display=0", "page=2", "language=de", "color1=#00abe7"};
    QTest::newRow("unparsable") << QByteArray("{\"hitsize\": 7,") << false << defaults;
    QTest::newRow("empty") << QByteArray() << false << defaults;
    QTest::newRow("array, not object") << QByteArray("[{\"hitsize\": 7}]") << false << defaults;
    QTest::newRow("non-UTF-8") << QByteArray("{\"hitsize\": 7, \"language\": \"\xff\xfe\"}") << false << defaults;
    QTest::newRow("wrong types")
        << QByteArray("{\"hitsize\": \"7\", \"volume\": \"NaN\", \"shotcount\": true, \"DispNumbers\": 0, "
                      "\"color1\": 5, \"targets\": {\"name\": \"x\"}, \"cameras\": \"Cam B\", \"TotalCircles\": [4]}")
        << false << (defaults + QStringList{"shots=0", "cam0=Cam A 0"});
    QTest::newRow("absurd numbers")
        << QByteArray("{\"hitsize\": 1000, \"shotcount\": 1e308, \"game\": -5, \"volume\": 7, \"TotalCircles\": -1e308, "
                      "\"InnerCircles\": 2.6}")
        << false << QStringList{"hitsize=10", "shots=99", "game=0", "volume=1", "circles=1", "inner=1"};
    QTest::newRow("inner circles before total")
        << QByteArray("{\"InnerCircles\": 8, \"TotalCircles\": 12, \"game\": 1}") << false
        << QStringList{"inner=5", "circles=12", "game=1"};
    QTest::newRow("display off with image names")
        << QByteArray("{\"DispTarget\": false, \"ImageTarget\": true, \"TargetImageFilename\": \"picture.png\", "
                      "\"ScoreImageFilename\": \"picture.png\"}")
        << false << QStringList{"display=0", "image=0", "imagefile=", "scorefile="};
    QTest::newRow("empty colour strings")
        << QByteArray("{\"color0\": \"\", \"color1\": \"#123456\", \"color2\": \"no colour\"}") << false
        << QStringList{"color0=#00ff00", "color1=#123456", "color2=#aa55ff"};
    QTest::newRow("five cameras")
        << QByteArray("{\"cameras\": [{\"camname\": \"Cam B\"}, {\"camname\": \"NoCam\"}, {\"camname\": \"NoCam\"},"
                      " {\"camname\": \"Cam A\"}, {\"camname\": \"Cam C\"}]}")
        << false << QStringList{"cam0=Cam B 1", "cam1=-No Camera- -1", "cam3=Cam A 0"};
    QTest::newRow("unknown camera names")
        << QByteArray("{\"cameras\": [{\"camname\": \"Gone\", \"lumithreshold\": 200}, {\"camname\": \"cam b\"}]}")
        << false << QStringList{"cam0=-No Camera- -1", "cam1=-No Camera- -1", "threshold calls=0"};

    QJsonArray manyCorners;
    for (int k = 0; k < 5000; ++k)
        manyCorners << k << (k % 2 ? "x" : QJsonValue(1e308));
    QJsonArray targets{
        QJsonObject{{"name", "Ring"}, {"score", 1e9}, {"type", 9}, {"form", "Ellipse"}, {"corners", QJsonArray{-1e308, 5, 20, 40.5}}},
        QJsonObject{{"name", "Lost form"}, {"form", "polygon"}, {"corners", QJsonArray{0, 0, 10, 0, 10, 10}}},
        QJsonObject{{"name", "Nothing"}, {"form", 3}, {"corners", QJsonArray{1, 2}}},
        QJsonObject{{"name", "Long"}, {"form", "Polygon"}, {"corners", manyCorners}}};
    QTest::newRow("targets beyond the limits")
        << QJsonDocument(QJsonObject{{"targets", targets}}).toJson() << false
        << QStringList{"targets=3", "target2 points=1000", "target0=Ring           :100|Ring|100|0|ellipse -10000,5 10020x35.5|#00abe7",
                       "target1=Lost form      :0|Lost form|0|0|polygon 0,0 10,0 10,10|#00abe7"};
    QJsonArray crowd;
    for (int k = 0; k <= ProjectLimits::MaxTargets; ++k)
        crowd << QJsonObject{{"name", k}, {"form", "Polygon"}, {"corners", QJsonArray{k, 0, k, 9, k + 1, 9}}};
    QTest::newRow("more targets than allowed") << QJsonDocument(QJsonObject{{"targets", crowd}}).toJson() << false
                                               << QStringList{"targets=1000"};
    QTest::newRow("over 16 MB") << QByteArray(ProjectLimits::MaxFileBytes + 1, ' ') << true
                                << QStringList{"targets=1", "volume=1"};
}

void TestProject::loadEdgeCases()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, refused);
    QFETCH(QStringList, expected);

    Start();
    window->SetPage(1);
    Add(QPolygonF(QRectF(0, 0, 50, 50)), 0, 1, QStringLiteral("Old"));
    window->ui->spinBoxCircles->setValue(5);
    QImage(8, 8, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("picture.png")));

    const QString path = dir.filePath(QStringLiteral("edge.fsp"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();
    if (refused)
        QTest::ignoreMessage(QtDebugMsg, "Kann nicht öffnen");
    script.ClearLog();
    Open(path);

    QStringList facts = Facts();
    facts << QStringLiteral("threshold calls=%1").arg(script.Log().filter("CamSetThreshold").size());
    for (const QString &fact : expected)
        QVERIFY2(facts.contains(fact), qPrintable(fact + QStringLiteral(" not in:\n") + facts.join('\n')));
}

void TestProject::failedSaveKeepsTheOldFile()
{
    Start();
    const QString path = dir.filePath(QStringLiteral("kept.fsp"));
    const QByteArray old = "{\"hitsize\": 3}\n";
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(old) == old.size());
    out.close();

    // A file size limit far below a project's size: the disk is full halfway through the write.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 200;
    std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    QTest::ignoreMessage(QtDebugMsg, "Kann nicht öffnen");
    Save(path);
    setrlimit(RLIMIT_FSIZE, &saved);

    QFile in(path);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QCOMPARE(in.readAll(), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.fsp"});
}

void TestProject::startupLoadsTheDefaultProject()
{
    QFile out(dir.filePath(QStringLiteral("Fieldshot.fsp")));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("{\"hitsize\": 8, \"targets\": [{\"name\": \"Auto\", \"form\": \"Polygon\", \"corners\": [0, 0, 9, 0, 9, 9]}]}");
    out.close();
    Start();
    window->SetPage(1);
    QCOMPARE(window->Targets().size(), 0);
    QTRY_COMPARE(window->Targets().size(), 1);
    QCOMPARE(window->Targets().first()->name, QStringLiteral("Auto"));
    QCOMPARE(window->page, 2);
    QCOMPARE(hitSize, 8);
}

QTEST_MAIN(TestProject)
#include "tst_project.moc"
