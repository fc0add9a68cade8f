// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow construction, destruction, style, language, pages, keys, view fitting and the tick.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "camera.h"
#include "clocktext.h"
#include "formtargetpdftool.h"
#include "gamestate.h"
#include "hit.h"
#include "laserlibrary.h"
#include "targetsgraphicscene.h"
#include "viewfit.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QGraphicsPixmapItem>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QScrollBar>
#include <QTranslator>
#include <QUrl>

static void InitResources()
{
    // The resources are compiled into a static library; make sure they are registered.
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(translations);
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow)
{
    InitResources();
    ui->setupUi(this);
    ui->frameEditOverlay->hide();

    scene = new TargetsGraphicScene(this, false);
    ui->graphicsView->setScene(scene);
    scene->setSceneRect(0, 0, 640, 480);

    SetDefaultColors();

    const struct { QSoundEffect *effect; const char *path; } sounds[] = {
        {&soundGunshot, ":Gui/Snd/Gunshot.wav"}, {&soundTargetHit, ":Gui/Snd/TargetHit.wav"},
        {&soundReload, ":Gui/Snd/Reload.wav"},   {&soundHorn, ":Gui/Snd/Horn.wav"},
        {&soundPeep, ":Gui/Snd/Peep.wav"},       {&soundKlick, ":Gui/Snd/Klick.wav"},
    };
    for (const auto &s : sounds)
        s.effect->setSource(QUrl::fromLocalFile(QString::fromLatin1(s.path)));
    SetVolume(1.0);

    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    if (!Laser().Load()) {
        qDebug() << "LaserDLL not Found";
        qDebug().noquote() << Laser().ErrorString();
        // Quit once the event loop has run for 200 ms.
        QTimer::singleShot(0, qApp, [] { QTimer::singleShot(200, qApp, &QCoreApplication::quit); });
        return;
    }
    qDebug().nospace() << "Laser DLL-Version:" << Laser().CamGetDLLVersion();

    LoadStyleSheet();
    fourCameras = false;

    Laser().CamSetVerbose(0);
    Laser().CamEnableThreading();
    Laser().CamEnableMulipleCameras();

    connect(&tickTimer, SIGNAL(timeout()), this, SLOT(Tick10ms()));
    tickTimer.setSingleShot(false);
    tickTimer.start(10);

    cameraCombos[0] = ui->comboBoxCamera1;
    cameraCombos[1] = ui->comboBoxCamera2;
    cameraCombos[2] = ui->comboBoxCamera3;
    cameraCombos[3] = ui->comboBoxCamera4;
    cameraSettingsButtons[0] = ui->pushButtonCam1Settings;
    cameraSettingsButtons[1] = ui->pushButtonCam2Settings;
    cameraSettingsButtons[2] = ui->pushButtonCam3Settings;
    cameraSettingsButtons[3] = ui->pushButtonCam4Settings;
    cameraGroups[0] = ui->groupBoxCam1;
    cameraGroups[1] = ui->groupBoxCam2;
    cameraGroups[2] = ui->groupBoxCam3;
    cameraGroups[3] = ui->groupBoxCam4;
    addMode = 3;

    ui->listWidgetTargets->setDragDropMode(QAbstractItemView::InternalMove);
    // Dragging rows restacks the shapes at once.
    connect(ui->listWidgetTargets->model(), SIGNAL(rowsMoved(QModelIndex,int,int,QModelIndex,int)), this,
            SLOT(on_listWidgetTargets_itemSelectionChanged()));
    ui->listWidgetTargets->setSelectionMode(QAbstractItemView::ExtendedSelection);

    CreateCameras();

    gameState = GameState::Idle;
    totalScore = 0;
    startDelayTimer.setSingleShot(true);
    connect(&startDelayTimer, SIGNAL(timeout()), this, SLOT(StartGame()));

    ui->tableWidgetHits->setColumnWidth(0, 100);
    ui->tableWidgetHits->setColumnWidth(1, 40);
    ui->tableWidgetHits->setColumnWidth(2, 40);
    ui->tableWidgetHits->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui->tableWidgetHits->horizontalHeader()->setStretchLastSection(true);
    ui->tableWidgetHits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SetUpHitsMenu();
    SetUpAnalysis();
    SetUpDrills();

    for (QWidget *w : {static_cast<QWidget *>(ui->pushButtonAddRectTarget), static_cast<QWidget *>(ui->pushButtonAddCircleTarget),
                       static_cast<QWidget *>(ui->pushButtonAddPolygonTarget), static_cast<QWidget *>(ui->pushButtonCam1Settings),
                       static_cast<QWidget *>(ui->pushButtonCam2Settings), static_cast<QWidget *>(ui->pushButtonCam3Settings),
                       static_cast<QWidget *>(ui->pushButtonCam4Settings)})
        w->setStyleSheet(QStringLiteral("Text-align:left"));

    ui->graphicsView->horizontalScrollBar()->blockSignals(true);
    ui->graphicsView->verticalScrollBar()->blockSignals(true);
    ui->graphicsView->setRenderHint(QPainter::Antialiasing);

    pdfTool = new FormTargetPDFTool(this);
    pdfTool->hide();
    connect(pdfTool, &FormTargetPDFTool::StatusMessage, this, [this](const QString &text) {
        ui->statusBar->showMessage(text, 20000);
    });

    RefillCameraCombos();
    if (Laser().CamListDevices() != 0) {
        ui->comboBoxCamera1->setCurrentIndex(1);
        SelectCameraDevice(0, 1);
    }

    translator = nullptr;
    language = QString();
    SetLanguage(QStringLiteral("de"));

    QTimer::singleShot(0, this, [this] { QTimer::singleShot(200, this, &MainWindow::StartupLoad); });

    SetFourCameras(false);
    on_listWidgetTargets_itemSelectionChanged(); // property widgets from the empty selection
    UpdateDisplayTarget(); // no corrected target yet: the camera picture only
    configured = true;
    SetUpHistory(); // needs the cameras and a configured window
}

MainWindow::~MainWindow()
{
    // Hits refer to the scene and to targets; they go first.
    Hit::ClearAllHits();
    delete ui;
    for (Camera *&camera : cameras) {
        delete camera;
        camera = nullptr;
    }
}

void MainWindow::StartupLoad()
{
    FitView();
    LoadProject(QStringLiteral("Fieldshot.fsp"));
}

void MainWindow::LoadStyleSheet()
{
    QFile file(QStringLiteral(":Gui/Stylesheet.qss"));
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Kann Style nicht öffnen";
        return;
    }
    const QByteArray bytes = file.readAll();
    const int end = bytes.indexOf('\0');
    qApp->setStyleSheet(QString::fromLatin1(end < 0 ? bytes : bytes.left(end)));
}

void MainWindow::SetDefaultColors()
{
    colors.clear();
    colors << QColor(QStringLiteral("#00FF00")) << QColor(QStringLiteral("#00ABE7"))
           << QColor(QStringLiteral("#AA55FF")) << QColor(QStringLiteral("#D95B48"))
           << QColor(255, 255, 255) << QColor(QStringLiteral("#ffff00"));
}

void MainWindow::SetVolume(double v)
{
    volume = v;
    for (QSoundEffect *effect : {&soundGunshot, &soundTargetHit, &soundReload, &soundHorn, &soundPeep, &soundKlick})
        effect->setVolume(v);
}

void MainWindow::SetLanguage(const QString &code)
{
    if (code == language)
        return;
    const QString path = QStringLiteral(":Gui/fieldshot_") + code;
    if (translator)
        qApp->removeTranslator(translator);
    else
        translator = new QTranslator(this);
    if (translator->load(path)) {
        language = code;
        qApp->installTranslator(translator);
        InstallQtTranslation(code);
        // Re-translating puts the form's texts back as designed: what the game and the display
        // target show now must stay.
        const QString time = ui->labelTotaltime->text();
        const QString score = ui->labelTotalscore->text();
        const QString displayImage = ui->labelDisplayImage->text();
        const QString scoreImageName = ui->labelScoreImage->text();
        ui->retranslateUi(this);
        ui->labelTotaltime->setText(time);
        ui->labelTotalscore->setText(score);
        ui->labelDisplayImage->setText(displayImage);
        ui->labelScoreImage->setText(scoreImageName);
        ui->pushButtonGameStart->setText(gameState == GameState::Running   ? tr("Stop")
                                         : gameState == GameState::Waiting ? tr("Hold")
                                                                           : tr("Start"));
        UpdateScoreImageToolTip();
        pdfTool->Retranslate();
        for (QComboBox *combo : cameraCombos)
            if (combo && combo->count() > 0)
                combo->setItemText(0, tr("-No Camera-"));
        setWindowTitle(QStringLiteral("Orvex Fieldshot V1.3.1"));
    } else {
        qDebug().noquote() << "Cant Load " + path;
    }
    UpdateFullscreenText();
}

void MainWindow::InstallQtTranslation(const QString &code)
{
    // Qt's own texts (dialog buttons, file dialogs) come from the translations installed with Qt;
    // "qt_" gathers those of every Qt module, "qtbase_" is the base alone. Without either (or for
    // English, Qt's own language) Qt speaks English.
    if (!qtTranslator)
        qtTranslator = new QTranslator(this);
    qApp->removeTranslator(qtTranslator);
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    if (qtTranslator->load(QStringLiteral("qt_") + code, folder)
        || qtTranslator->load(QStringLiteral("qtbase_") + code, folder))
        qApp->installTranslator(qtTranslator);
}

void MainWindow::UpdateFullscreenText()
{
    ui->toolButtonFullscreen->setText(isFullScreen() ? tr("Windowed") : tr("Fullscreen"));
}

void MainWindow::SetPage(int p)
{
    page = p;
    ui->stackedWidget->setCurrentIndex(p);
    ui->toolButtonCamera->setChecked(p == 0);
    ui->toolButtonTargets->setChecked(p == 1);
    ui->toolButtonGame->setChecked(p == 2);

    SelectTargetsByItems({});
    SetTargetsVisible(p != 0, p == 2);
    ColorAllTargets();

    Hit::ClearAllHits();
    StopGame();

    for (Camera *camera : cameras)
        if (camera && camera->pixmapItem)
            camera->pixmapItem->setCursor(p == 2 ? Qt::CrossCursor : Qt::ArrowCursor);

    if (p == 1)
        SetTargetCursor(Qt::OpenHandCursor);
    if (p == 2) {
        SetTargetCursor(Qt::CrossCursor);
        ui->graphicsView->setCursor(Qt::CrossCursor);
        if (FindCorrectedTarget())
            SendCorrectedCorners();
    } else {
        ui->graphicsView->unsetCursor();
    }
    UpdateDisplayTarget();
}

void MainWindow::on_toolButtonCamera_clicked()
{
    SetPage(0);
}

void MainWindow::on_toolButtonTargets_clicked()
{
    SetPage(1);
}

void MainWindow::on_toolButtonGame_clicked()
{
    SetPage(2);
}

void MainWindow::on_toolButtonFullscreen_clicked()
{
    if (isFullScreen()) {
        ui->toolButtonFullscreen->setIcon(QIcon(QStringLiteral(":Gui/Img/Fullscreen.png")));
        ui->toolButtonFullscreen->setText(tr("Fullscreen"));
        showNormal();
    } else {
        ui->toolButtonFullscreen->setIcon(QIcon(QStringLiteral(":Gui/Img/FullscreenExit.png")));
        ui->toolButtonFullscreen->setText(tr("Windowed"));
        showFullScreen();
    }
}

void MainWindow::on_toolButtonTargetGen_clicked()
{
    pdfTool->show();
    pdfTool->raise();
}

void MainWindow::on_toolButtonExit_clicked()
{
    QCoreApplication::quit();
}

void MainWindow::keyPressEvent(QKeyEvent *e)
{
    // Keys other than Delete and Space are deliberately swallowed.
    if (e->key() == Qt::Key_Delete && ui->toolButtonTargets->isChecked())
        DeleteSelectedTargets();
    if (e->key() == Qt::Key_Space && page == 2)
        on_pushButtonGameStart_clicked();
}

void MainWindow::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    FitView();
}

void MainWindow::FitView()
{
    const ViewFit fit = ComputeViewFit(ui->frameOfView->size(), ui->groupBoxCam2->isChecked(),
                                       ui->groupBoxCam3->isChecked(), ui->groupBoxCam4->isChecked());
    ui->graphicsView->setGeometry(fit.viewGeometry);
    scene->setSceneRect(0, 0, fit.sceneSize.width(), fit.sceneSize.height());
    ui->graphicsView->setTransform(QTransform::fromScale(fit.scale, fit.scale));
}

void MainWindow::Tick10ms()
{
    if (gameTimer.isValid())
        ui->labelTotaltime->setText(GameClockText(gameTimer.elapsed()));
    for (Camera *camera : cameras)
        camera->ProcessFrame();
    PollDevices();
}
