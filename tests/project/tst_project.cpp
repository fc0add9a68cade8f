// SPDX-License-Identifier: GPL-3.0-or-later
// Project files on the real main window: save, open, clear, the start-up load, damaged files.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "camera.h"
#include "hit.h"
#include "filesuffix.h"
#include "projectdata.h"
#include "recoveryfolder.h"
#include "undonotice.h"
#include "../common/scriptedlibrary.h"
#include "target.h"
#include "targetsgraphicscene.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsPolygonItem>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
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
    void initTestCase()
    {
        QVERIFY2(LoadScriptedLibrary(), qPrintable(LaserLibrary::Instance().ErrorString()));
        // Never the user's own recovery folder, whatever a test forgets.
        QStandardPaths::setTestModeEnabled(true);
        // The start-up load reads the working directory: an empty one unless a test fills it.
        QVERIFY(QDir::setCurrent(dir.path()));
    }

    void init()
    {
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(name));
        for (const QString &name : QDir(recovery.path()).entryList(QDir::Files))
            QFile::remove(recovery.filePath(name));
    }

    void cleanup()
    {
        delete window;
        window = nullptr;
        hitSize = 5;
    }

    void roundTripAndFailedSave()
    {
        Start();
        MakeSetUp();
        const QStringList before = Facts();
        QVERIFY(before.contains("picture=2560") && before.contains("display=1"));

        Click(window->ui->toolButtonSave, QStringLiteral("set-up.fsp"));
        // In the language of the set-up, English here.
        QCOMPARE(window->ui->statusBar->currentMessage(),
                 QStringLiteral("Project saved: ") + QDir::toNativeSeparators(dir.filePath(QStringLiteral("set-up.fsp"))));
        const QByteArray bytes = Read(QStringLiteral("set-up.fsp"));
        const QJsonObject saved = QJsonDocument::fromJson(bytes).object();
        // Indented with keys in ascending order is exactly what re-serialising gives.
        QCOMPARE(bytes, QJsonDocument(saved).toJson(QJsonDocument::Indented));
        QVERIFY(bytes.contains("\n    \"4cameras\": true,\n"));
        const QJsonArray cameras = saved.value("cameras").toArray();
        QCOMPARE(cameras.size(), 4);
        QCOMPARE(cameras.at(1).toObject(), QJsonObject({{"camname", "NoCam"}}));
        QCOMPARE(cameras.at(0).toObject().value("brightness").toDouble(), 25.0);

        // A file size limit far below a project's size: the disk is full halfway through the next
        // save, and the old file stays as it was.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        rlimit small = limit;
        small.rlim_cur = 200;
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        QTest::ignoreMessage(QtDebugMsg, "Kann nicht öffnen");
        Click(window->ui->toolButtonSave, QStringLiteral("set-up.fsp"));
        setrlimit(RLIMIT_FSIZE, &limit);
        // The user reads that nothing was saved, and why: the system gives no reason for a write
        // cut short, and the disk is not full.
        const QString failed = window->ui->statusBar->currentMessage();
        QVERIFY2(failed.startsWith(QStringLiteral("Nothing saved: ") + QDir::toNativeSeparators(dir.filePath("set-up.fsp")) + " (")
                     && failed.endsWith(QStringLiteral("(the file could not be written completely)")),
                 qPrintable(failed));
        QCOMPARE(Read(QStringLiteral("set-up.fsp")), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"picture.png", "points.png", "set-up.fsp"}));

        window->ui->toolButtonNew->click();
        QCOMPARE(window->Targets().size(), 0);
        QVERIFY(window->ui->radioButtonDispCamera->isChecked());

        // A fresh window, whose every setting differs from the saved ones, loads the file as the
        // default project once its event loop runs.
        QVERIFY(QFile::copy(dir.filePath(QStringLiteral("set-up.fsp")), dir.filePath(QStringLiteral("Fieldshot.fsp"))));
        delete window;
        hitSize = 5;
        Start();
        ScriptClearLog();
        QCOMPARE(window->Targets().size(), 0);
        QTRY_COMPARE(window->Targets().size(), 5);

        // Thresholds go to the library sizes first, then luminance, then distance.
        QCOMPARE(ScriptLog().filter("CamSetThreshold").mid(0, 4),
                 QStringList({"0 CamSetThreshold(2,102)", "0 CamSetThreshold(3,103)", "0 CamSetThreshold(1,101)",
                              "0 CamSetThreshold(4,104)"}));
        // Saved as the live percentages, read back as the values to apply at the next opening.
        QStringList after = Facts();
        QVERIFY(after.contains("cam0 101 102 103 104 percent 25 75"));
        // The inner circles are applied before the circle count, so the fresh window's single
        // circle limits them.
        QVERIFY(after.contains("inner=1"));
        after.replaceInStrings(QStringLiteral("inner=1"), QStringLiteral("inner=3"));
        QCOMPARE(after.replaceInStrings(QStringLiteral("percent 25 75"), QStringLiteral("percent -1 -1")), before);
    }

    // New and Open keep the set-up they replace in the recovery folder, and the status bar's
    // offer takes it back whole; a file that cannot be opened changes nothing.
    void replacedSetUpKeptAndUndone()
    {
        Start();
        MakeSetUp();
        window->SetLanguage(QStringLiteral("de")); // the offers read in German below
        window->SetPage(1);
        const QStringList before = Facts();
        // Cameras come back with the values they had, to be applied at their next opening.
        const QStringList restored = QStringList(before).replaceInStrings(QStringLiteral("percent -1 -1"),
                                                                          QStringLiteral("percent 25 75"));
        Write(QStringLiteral("other.fsp"), R"({"TotalCircles": 2, "targets": [{"name": "Other", "form": "Polygon",
                                              "corners": [0, 0, 9, 0, 9, 9]}], "cameras": [{"camname": "NoCam"}]})");
        Write(QStringLiteral("notes.fsp"), "Shopping list\n");
        const QList<QPair<QString, QString>> replacements{
            {QStringLiteral("other.fsp"), QStringLiteral("Projekt other.fsp geöffnet.")},
            {QStringLiteral("notes.fsp"), QStringLiteral("notes.fsp enthält kein Projekt")},
            {QString(), QStringLiteral("Neues Projekt.")}};
        int kept = 0;
        for (const auto &replacement : replacements) {
            if (replacement.first.isEmpty())
                window->ui->toolButtonNew->click();
            else
                Click(window->ui->toolButtonOpen, replacement.first);
            QVERIFY(Facts() != before);
            const QStringList files = RecoveryFolder(recovery.path()).Files();
            QCOMPARE(files.size(), ++kept);
            const QString offer = window->undoNotice->Text();
            QVERIFY2(offer.startsWith(replacement.second) && offer.contains(QDir::toNativeSeparators(files.last())),
                     qPrintable(offer));
            QFile file(files.last());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(ProjectFromJson(file.readAll()).targets.size(), 5);

            window->undoNotice->UndoButton()->click();
            QCOMPARE(Facts(), restored);
            QCOMPARE(window->page, 1);
            QVERIFY(window->undoNotice->Text().isEmpty()); // nothing left to take back
        }

        // A file that cannot be read: nothing changes, nothing is kept, and the user is told.
        QTest::ignoreMessage(QtDebugMsg, "Kann nicht öffnen");
        Click(window->ui->toolButtonOpen, QStringLiteral("missing.fsp"));
        QCOMPARE(Facts(), restored);
        QCOMPARE(RecoveryFolder(recovery.path()).Files().size(), kept);
        QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("missing.fsp kann nicht geöffnet werden; nichts geändert."));

        // Saving under a name without an extension adds ".fsp", so the Open dialog lists the file.
        Click(window->ui->toolButtonSave, QStringLiteral("plain"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("plain.fsp"))).isFile());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("plain"))));
    }

    void recoveryFolderKeepsTheLast20()
    {
        QTemporaryDir folder;
        RecoveryFolder recoveryFolder(folder.filePath(QStringLiteral("a/recovery")));
        for (int k = 1; k <= RecoveryFolder::Kept + 2; ++k)
            QVERIFY(!recoveryFolder.Write(QByteArray::number(k)).isEmpty());
        QStringList contents;
        for (const QString &path : recoveryFolder.Files()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            contents << QString::fromLatin1(file.readAll());
        }
        QCOMPARE(contents.size(), 20);
        QCOMPARE(contents.first(), QStringLiteral("3")); // the two oldest dropped
        QCOMPARE(contents.last(), QStringLiteral("22"));
        // A folder that cannot be made: nothing written, the reason given.
        RecoveryFolder blocked(recoveryFolder.Files().first() + QStringLiteral("/recovery"));
        QVERIFY(blocked.Write("x").isEmpty());
        QVERIFY(!blocked.ErrorString().isEmpty());
    }

    void defaultSuffix_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "/home/a/set-up" << "/home/a/set-up.fsp";
        QTest::newRow("its own extension") << "/home/a/set-up.fsp" << "/home/a/set-up.fsp";
        QTest::newRow("another extension kept") << "set-up.json" << "set-up.json";
        QTest::newRow("dot in the folder only") << "/home/a.b/set-up" << "/home/a.b/set-up.fsp";
        QTest::newRow("trailing dot") << "set-up." << "set-up.fsp";
        QTest::newRow("hidden name") << "/home/a/.range" << "/home/a/.range.fsp";
        QTest::newRow("cancelled") << "" << "";
    }

    void defaultSuffix()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QCOMPARE(WithDefaultSuffix(typed, QStringLiteral("fsp")), saved);
    }

    void loadEdgeCases_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");

        const QStringList defaults{"targets=0",   "hitsize=5",      "volume=0",   "circles=10", "numbers=1 bullseye=1",
                                   "display=0",   "language=de",    "color1=#00abe7", "page=2 game=0 shots=0 four=0"};
        QTest::newRow("unparsable") << QByteArray("{\"hitsize\": 7,") << defaults;
        QTest::newRow("not an object") << QByteArray("[{\"hitsize\": 7}]") << defaults;
        QTest::newRow("not UTF-8") << QByteArray("{\"hitsize\": 7, \"language\": \"\xff\xfe\"}") << defaults;
        QTest::newRow("wrong types")
            << QByteArray("{\"hitsize\": \"7\", \"volume\": \"NaN\", \"shotcount\": true, \"DispNumbers\": 0, \"color1\": 5, "
                          "\"targets\": {\"name\": \"x\"}, \"cameras\": \"Cam B\", \"TotalCircles\": [4]}")
            << (defaults + QStringList{"cam0=Cam A 0"});
        QTest::newRow("absurd numbers")
            << QByteArray("{\"hitsize\": 1000, \"shotcount\": 1e308, \"game\": -5, \"volume\": 7, \"TotalCircles\": -1e308}")
            << QStringList{"hitsize=10", "page=2 game=0 shots=99 four=0", "volume=1", "circles=1"};
        QTest::newRow("inner circles before total") << QByteArray("{\"InnerCircles\": 8, \"TotalCircles\": 12, \"game\": 1}")
                                                    << QStringList{"inner=5", "circles=12", "page=2 game=1 shots=0 four=0"};
        QTest::newRow("display off with image names")
            << QByteArray("{\"DispTarget\": false, \"ImageTarget\": true, \"TargetImageFilename\": \"picture.png\", "
                          "\"ScoreImageFilename\": \"picture.png\"}")
            << QStringList{"display=0", "image=0", "imagefile=", "scorefile="};
        QTest::newRow("empty colour strings") << QByteArray("{\"color0\": \"\", \"color1\": \"#123456\", \"color2\": \"no colour\"}")
                                              << QStringList{"color0=#00ff00", "color1=#123456", "color2=#aa55ff"};
        QTest::newRow("five cameras")
            << QByteArray("{\"cameras\": [{\"camname\": \"Cam B\"}, {}, {\"camname\": \"NoCam\"}, {\"camname\": \"Cam A\"}, {\"camname\": \"Cam C\"}]}")
            << QStringList{"cam0=Cam B 1", "cam1=-No Camera- -1", "cam3=Cam A 0", "cam2=-No Camera- -1"};
        QTest::newRow("unknown camera names")
            << QByteArray("{\"cameras\": [{\"camname\": \"Gone\", \"lumithreshold\": 200}, {\"camname\": \"cam b\"}]}")
            << QStringList{"cam0=-No Camera- -1", "cam1=-No Camera- -1", "threshold calls=0"};

        QJsonArray manyCorners, crowd;
        for (int k = 0; k < 5000; ++k)
            manyCorners << k << (k % 2 ? "x" : QJsonValue(1e308));
        for (int k = 0; k <= ProjectLimits::MaxTargets; ++k)
            crowd << QJsonObject{{"form", "Polygon"}, {"corners", QJsonArray{k, 0, k, 9, k + 1, 9}}};
        const QJsonArray targets{
            QJsonObject{{"name", "Ring"}, {"score", 1e9}, {"type", 9}, {"form", "Ellipse"}, {"corners", QJsonArray{-1e308, 5, 20, 40.5}}},
            QJsonObject{{"name", "Lost form"}, {"type", 1}, {"form", "polygon"}, {"corners", QJsonArray{0, 0, 10, 0, 10, 10}}},
            QJsonObject{{"name", "Nothing"}, {"form", 3}, {"corners", QJsonArray{1, 2}}},
            QJsonObject{{"name", "Long"}, {"form", "Polygon"}, {"corners", manyCorners}}};
        QTest::newRow("targets beyond the limits")
            << QJsonDocument(QJsonObject{{"targets", targets}}).toJson()
            << QStringList{"targets=3", "Ring           :100|0|ellipse -10000,5 10020x35.5|#00abe7|z0",
                           "Lost form      :0|1|0,0 10,0 10,10 (3 points)|#aa55ff|z-1",
                           "Long           :0|0|0,10000 2,10000 4,10000 (1000 points)|#00abe7|z-2"};
        QTest::newRow("more targets than allowed") << QJsonDocument(QJsonObject{{"targets", crowd}}).toJson()
                                                   << QStringList{"targets=1000"};
        // Refused before anything changes: the target drawn before stays.
        QTest::newRow("over 16 MB") << QByteArray(ProjectLimits::MaxFileBytes + 1, ' ')
                                    << QStringList{"targets=1", "volume=1", "refused"};
    }

    void loadEdgeCases()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        Start();
        window->scene->AddPolygonTarget(QPolygonF(QRectF(0, 0, 50, 50)));
        window->ui->spinBoxCircles->setValue(5);
        QImage(8, 8, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("picture.png")));
        Write(QStringLiteral("edge.fsp"), file);
        if (expected.contains("refused"))
            QTest::ignoreMessage(QtDebugMsg, "Kann nicht öffnen");
        ScriptClearLog();
        Click(window->ui->toolButtonOpen, QStringLiteral("edge.fsp"));

        const QStringList facts = Facts() << QStringLiteral("threshold calls=%1").arg(ScriptLog().filter("CamSetThreshold").size())
                                          << QStringLiteral("refused");
        for (const QString &fact : expected)
            QVERIFY2(facts.contains(fact), qPrintable(fact + " not in:\n" + facts.join('\n')));
    }

    // Before any circle target was drawn the inner-circle limit is still the form's; the circle
    // count shown before the load limits the file's inner circles all the same.
    void innerCirclesLimitedOnFirstLoad()
    {
        Start();
        QCOMPARE(window->ui->spinBoxCircles->value(), 1);
        Write(QStringLiteral("inner.fsp"), QByteArray("{\"InnerCircles\": 8, \"TotalCircles\": 12}"));
        Click(window->ui->toolButtonOpen, QStringLiteral("inner.fsp"));
        const QStringList facts = Facts();
        QVERIFY2(facts.contains(QStringLiteral("inner=1")) && facts.contains(QStringLiteral("circles=12")),
                 qPrintable(facts.join('\n')));
    }

private:
    // Every part of a set-up changed from the start: cameras, thresholds, all kinds of targets,
    // colours, language, volume, hit size, game and circle settings, a display image and score image.
    void MakeSetUp()
    {
        window->SetFourCameras(true);
        window->cameraCombos[2]->setCurrentIndex(3);
        emit window->cameraCombos[2]->activated(3);
        for (int kind = 1; kind <= 4; ++kind)
            window->cameras[0]->SetThreshold(kind, 100 + kind);
        // Every kind of target, each with its own name, score and role.
        const QList<QPolygonF> polygons{QPolygonF(QRectF(10, 20, 100, 50)), QPolygonF({{300, 40}, {420.5, 90.25}, {350, 200}}),
                                        QPolygonF(QRectF(500, 300, 60, 60))};
        for (int k = 0; k < 3; ++k) {
            window->scene->AddPolygonTarget(polygons[k]);
            *window->Targets().last() = {window->Targets().last()->item, 7 - k, QStringLiteral("T%1").arg(k),
                                         window->Targets().last()->listItem, k, 0};
            window->UpdateTargetText(window->Targets().last());
        }
        window->scene->AddEllipseTarget(QRectF(200, 250, 80.5, 60));
        window->ui->pushButtonCorrectedTarget->click();
        window->colors[1] = QColor(0x12, 0x34, 0x56);
        window->SetLanguage(QStringLiteral("en"));
        window->SetVolume(0.35);
        hitSize = 7;
        window->ui->spinBoxSchotCount->setValue(17);
        window->ui->spinBoxCircles->setValue(12);
        window->ui->spinBoxInnerCircles->setValue(3);
        window->ui->checkBoxBullseye->setChecked(false);
        QImage(400, 300, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("picture.png")));
        QImage(40, 30, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("points.png")));
        window->SetPage(2);
        window->ui->radioButtonDispTarget->setChecked(true);
        window->ui->radioButtonImageTarget->setChecked(true);
        window->LoadDisplayImage(dir.filePath(QStringLiteral("picture.png")));
        window->LoadScoreImage(dir.filePath(QStringLiteral("points.png")));
    }

    void Start()
    {
        ScriptReset();
        ScriptSetDevices("Cam A\nCam B\nCam C");
        ScriptSetSetting(0, 0, 0, 200, 50); // brightness at 25 %
        ScriptSetSetting(1, 4, -10, 10, 5); // exposure at 75 %
        window = new ProjectWindow;
        window->recoveryPath = recovery.path();
        QVERIFY(window->IsConfigured());
        window->tickTimer.stop();
        window->SetPage(1);
    }

    void Write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QByteArray Read(const QString &name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void Click(QAbstractButton *button, const QString &name) { window->answer = dir.filePath(name); button->click(); }
    // What a user can see of the window, one "key=value" entry each.
    QStringList Facts() const
    {
        const Ui::MainWindow *ui = window->ui;
        const MainWindow *w = window;
        QStringList f{
            QStringLiteral("page=%1 game=%2 shots=%3 four=%4").arg(w->page).arg(ui->comboBoxGametype->currentIndex())
                .arg(ui->spinBoxSchotCount->value()).arg(w->fourCameras),
            "language=" + w->language, QStringLiteral("volume=%1").arg(w->volume), QStringLiteral("hitsize=%1").arg(hitSize),
            QStringLiteral("display=%1").arg(ui->radioButtonDispTarget->isChecked()),
            QStringLiteral("image=%1").arg(ui->radioButtonImageTarget->isChecked()),
            "imagefile=" + w->targetImageFilename, "scorefile=" + w->scoreImageFilename,
            QStringLiteral("picture=%1").arg(w->displayImageItem ? w->displayImageItem->pixmap().width() : 0),
            QStringLiteral("inner=%1").arg(ui->spinBoxInnerCircles->value()),
            QStringLiteral("circles=%1").arg(ui->spinBoxCircles->value()),
            QStringLiteral("numbers=%1 bullseye=%2").arg(ui->checkBoxTargetNumbers->isChecked()).arg(ui->checkBoxBullseye->isChecked()),
            QStringLiteral("targets=%1").arg(window->Targets().size())};
        for (int i = 0; i < 6; ++i)
            f << QStringLiteral("color%1=%2").arg(i).arg(w->colors.at(i).name());
        for (int i = 0; i < 4; ++i) {
            Camera *c = w->cameras[i];
            f << QStringLiteral("cam%1=%2 %3").arg(i).arg(w->cameraCombos[i]->currentText()).arg(c->device);
            if (c->device >= 0)
                f << QStringLiteral("cam%1 %2 %3 %4 %5 percent %6 %7").arg(i).arg(c->GetThreshold(1)).arg(c->GetThreshold(2))
                         .arg(c->GetThreshold(3)).arg(c->GetThreshold(4)).arg(c->brightnessPercent).arg(c->exposurePercent);
        }
        for (const Target *t : window->Targets()) {
            QString shape;
            if (auto *p = qgraphicsitem_cast<QGraphicsPolygonItem *>(t->item)) {
                for (const QPointF &q : p->polygon().mid(0, 3))
                    shape += QStringLiteral("%1,%2 ").arg(q.x()).arg(q.y());
                shape += QStringLiteral("(%1 points)").arg(p->polygon().size());
            }
            if (auto *e = qgraphicsitem_cast<QGraphicsEllipseItem *>(t->item))
                shape = QStringLiteral("ellipse %1,%2 %3x%4").arg(e->rect().x()).arg(e->rect().y()).arg(e->rect().width())
                            .arg(e->rect().height());
            f << QStringLiteral("%1|%2|%3|%4|z%5").arg(t->listItem->text()).arg(t->type).arg(shape, t->item->pen().color().name())
                     .arg(t->item->zValue());
        }
        return f;
    }

    QTemporaryDir dir;
    QTemporaryDir recovery;
    ProjectWindow *window = nullptr;
};

QTEST_MAIN(TestProject)
#include "tst_project.moc"
