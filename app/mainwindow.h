// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow: the program's single window; owns the scene, the cameras, the sounds and the game.
#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QPointF>
#include <QSoundEffect>
#include <QString>
#include <QTimer>

#include <functional>

#include "frameratewatch.h"
#include "targetsgraphicscene.h"
#include "laserzero.h"
#include "shotsession.h"

#include <QMap>

// Training history.
#include "analysis/shotplotdata.h"
#include "history/historylocation.h"
#include "history/historyrecord.h"
#include <QDateTime>
#include <QHash>
#include <QPointer>
#include <QRectF>

class QAbstractGraphicsShapeItem;
class QComboBox;
class QGraphicsItem;
class QGroupBox;
class QLabel;
class QPushButton;
class QSocketNotifier;
class QTranslator;
class Camera;
class QGraphicsItem;
class QGraphicsPixmapItem;
struct Target;
class FormTargetPDFTool;
class UndoNotice;
class AnalysisWindow;
class Hit;
class HistoryWriter;
class HistoryWindow;
struct ProjectData;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Operations other parts of the program call.
    void SetPage(int p);
    void SetLanguage(const QString &code);
    void SetVolume(double v);
    void SetFourCameras(bool on);
    void SetDefaultColors();
    void FitView();
    void LoadStyleSheet();

    // Targets and the target list (targets/); rows are walked in list order.
    void CreateTarget(QAbstractGraphicsShapeItem *item);
    // A new last row for a target, linked both ways, with its text.
    void AppendTargetRow(Target *t);
    void RemoveTarget(Target *t);
    void ClearProject();
    void DeleteSelectedTargets();
    void DuplicateSelectedTargets();
    Target *SelectedTarget();
    Target *FindCorrectedTarget();
    Target *TargetAt(QPointF p);
    Target *TargetOfItem(const QGraphicsItem *item);
    QList<Target *> Targets();
    bool AllTargetsHit();
    void SetAllTargetHits(int value);
    void ColorTarget(Target *t);
    void ColorAllTargets();
    void UpdateTargetText(Target *t);
    void SelectTargetsByItems(const QList<QAbstractGraphicsShapeItem *> &items);
    void SetTargetCursor(const QCursor &cursor);
    void SetTargetsVisible(bool visible, bool hideIgnoreAreas);
    void ResetAddMode();
    void SetAddMode(int mode);
    // Cameras and camera selection.
    void CreateCameras();
    void SelectCameraDevice(int camera, int index);
    void SetCameraEnabled(int camera, bool on);
    void RefillCameraCombos();
    void PollDevices();
    void OpenCameraSettings(int camera);
    void SendCorrectedCorners();

    // Project files (project/): "Kann nicht öffnen" on the debug output when a file cannot be used.
    // True when the file was read and the set-up replaced; *heldProject then tells whether it
    // held a project at all (a file of any other kind gives the defaults).
    bool LoadProject(const QString &fileName, bool *heldProject = nullptr);
    bool SaveProject(const QString &fileName);
    ProjectData CurrentProject();
    void ApplyProject(const ProjectData &p);

    // Display target (display/): a drawn ring target or a picture in camera 1's area.
    void UpdateDisplayTarget();
    void DrawCircleTarget();
    void RemoveDisplayTargetItems();
    void SetImageItemsVisible(bool visible);
    void LoadDisplayImage(const QString &path);
    void LoadScoreImage(const QString &path);

    // Game control.
    void ResetGame();
    void StopGame();
    void AddHitRow(const QString &name, int score);
    void RecordShot(Target *target);
    // Every game sound goes through here, so that what played can be observed.
    void PlaySound(QSoundEffect &effect);
    // The table of hits as text: header and rows, for the clipboard and for CSV files.
    QStringList HitsHeader() const;
    QList<QStringList> HitsRows() const;
    void CopyHits();
    void SaveHitsCsv();
    // Asks for the CSV file to save to (empty: cancelled); a file dialog unless replaced.
    std::function<QString(const QString &suggestedFileName)> askCsvFileName;

    // Asks for the number of rings of a generated ring target; sets *ok false when cancelled.
    // Empty: the input dialog asks. Tests answer through it instead.
    std::function<int(bool *ok)> askRingCount;

    // Language beyond the form (app/, display/): Qt's own dialog texts in the chosen language
    // beside the program's translator, and the score image's explanation as a tooltip.
    QTranslator *qtTranslator = nullptr;
    void InstallQtTranslation(const QString &code);
    void UpdateScoreImageToolTip();
    // Shot timer and drills (training/): the runner, its panel, and the hooks of game and shots.
    class DrillRunner *drillRunner = nullptr;
    class DrillPanel *drillPanel = nullptr;
    QPushButton *pushButtonDrills = nullptr;
    qint64 drillTriggerUs = 0; // time of the start-button shot now starting the game
    void SetUpDrills();
    bool StartDrillString(); // true when an armed drill took over the game's start
    void DrillGameStopped(); // tells an armed drill that the game stopped
    // Every hit marker at its place on the display target, or at its shot (game/mainwindow_game.cpp).
    void ShowHitMarkers(bool onDisplay);
    qint64 ShotTimeUs(bool fromCamera, int *camera);
    bool FeedDrill(qint64 timeUs, int camera, QPointF pos, QPointF corrected, bool hit);
    // Training history (history/): every finished game is stored off the GUI thread; "Verlauf"
    // on the Game page opens the progress charts and the table of past strings.
    void SetUpHistory();
    void OpenHistory();
    void BeginHistoryGame();
    void RecordHistoryShot(int score);
    void QueueFinishedGameForHistory();
    void StoreQueuedGame();
    // Stores a finished drill string (empty drill: a plain game). Offsets are measured from the
    // target each shot hit (by name; a ring target drawn one area per ring: its outer ring), misses
    // from the target most shots hit; parUs > 0 sets par.
    void StoreHistoryString(const QString &drill, int stringIndex, const QDateTime &whenUtc, qint64 startUs,
                            const QList<TimedShot> &shots, qint64 parUs = 0);
    HistoryLocation historyLocation;
    HistoryWriter *historyWriter = nullptr;
    QPointer<HistoryWindow> historyWindow; // while it is open
    QPushButton *historyButton = nullptr;
    QString historyProject; // the project file the strings are shot in, when known
    QString historyError; // why the last string could not be stored (empty: it was)
    QDateTime historyStart;
    qint64 historyStartUs = 0;
    QList<HistoryShot> historyShots; // the running game's shots
    QList<int> historyMisses; // shots among them that still need an aim point
    QHash<QString, QRectF> historyTargetRects; // aim rectangles of the targets hit, by name
    HistoryRecord historyQueued; // the game just ended, stored once the current shot is done
    // Shows a stored string's shot plot; empty: the history window's own dialog.
    std::function<void(const ShotPlotData &)> showHistoryPlot;
    qint64 historyShotUs = 0; // the time of the shot being handled (frame or event)

    // True when the camera library was found and the window is fully set up.
    bool IsConfigured() const { return configured; }

    Ui::MainWindow *ui;
    int page = 2; // 0 Camera, 1 Targets, 2 Game
    QString language;
    QTranslator *translator = nullptr;
    QList<QColor> colors;
    bool fourCameras = false;
    double volume = 1.0;
    QTimer tickTimer;
    QTimer startDelayTimer; // the random hold of a time game
    QElapsedTimer gameTimer;
    int gameState = 0;
    int totalScore = 0;
    int addMode = 3;
    TargetsGraphicScene *scene = nullptr;
    Camera *cameras[4] = {nullptr, nullptr, nullptr, nullptr};
    QComboBox *cameraCombos[4] = {nullptr, nullptr, nullptr, nullptr};
    QPushButton *cameraSettingsButtons[4] = {nullptr, nullptr, nullptr, nullptr};
    QGroupBox *cameraGroups[4] = {nullptr, nullptr, nullptr, nullptr};
    QSoundEffect soundGunshot;
    QSoundEffect soundTargetHit;
    QSoundEffect soundReload;
    QSoundEffect soundHorn;
    QSoundEffect soundPeep;
    QSoundEffect soundKlick;
    FormTargetPDFTool *pdfTool = nullptr;
    QGraphicsPixmapItem *displayImageItem = nullptr;
    QGraphicsItem *displayImageBackground = nullptr;
    QImage scoreImage;
    QString targetImageFilename;
    QString scoreImageFilename;

    // Recovery of the set-ups New and Open replace, and the status-bar reports of files (project/).
    QString recoveryPath;           // folder of the replaced set-ups; the user's data folder by default
    UndoNotice *undoNotice = nullptr;
    QByteArray replacedProject;     // the set-up the last New or Open replaced, until undone
    int replacedPage = 2;
    QString lastSaveError;          // why the last SaveProject wrote nothing
    void CreateUndoNotice();
    void OfferUndo(const QByteArray &before, int pageBefore, const QString &what);
    void UndoReplace();
    // Shot analysis (analysis/): the game's shots, laser zero, scoring and size choices, its window.
    ShotSession shotSession;
    LaserZero laserZero;
    bool decimalScoring = false;
    double displayTargetSizeMm = 0;
    QMap<QString, double> targetSizesMm;
    AnalysisWindow *analysisWindow = nullptr;
    QPushButton *pushButtonAnalysis = nullptr;
    void SetUpAnalysis();
    void OpenAnalysis();
    void ApplyLaserZero(QPointF &pos, QPointF &corrected);
    void RecordAnalysisShot(const Hit *hit, const Target *target, QPointF pos, bool fromCamera);
    void ZeroLaser();
    void ClearLaserZero();
    void StoreAnalysisSettings(ProjectData &p) const;
    void ApplyAnalysisSettings(const ProjectData &p);
    QString DisplayTargetKey() const;
    // The drawn scoring areas as aim targets (nested areas make one ring target), with the area
    // of each (in Targets() order) and its target index.
    QList<AimTarget> SceneAimTargets(QList<const Target *> *areaTargets, QVector<int> *targetOfArea);
    // Per scoring area, the rectangle its shots are measured in: about its target's aim point,
    // as large as the target's extent.
    QHash<const Target *, QRectF> SceneAimRects();
    // Status-bar warning of a camera under 15 fps or without frames, every 500 ms (camera/mainwindow_cameras.cpp).
    void WatchCameraRates(qint64 nowMs);
    QTimer cameraRateTimer;
    QElapsedTimer cameraRateClock;
    FrameRateWatch cameraRateWatch;
    QLabel *cameraRateLabel = nullptr;
    // Frames with a shot, read as soon as the library signals them rather than at the next tick
    // (camera/mainwindow_cameras.cpp).
    void ProcessShotFrames();
    QSocketNotifier *shotNotifier = nullptr;

signals:
    // The file name of a game sound just played.
    void SoundPlayed(const QString &name);

public slots:
    void Shoot(QPointF Pos, QPointF Pos_Corrected, bool FromCamera);

private slots:
    void Tick10ms();
    void on_pushButtonAddRectTarget_clicked();
    void on_pushButtonAddPolygonTarget_clicked();
    void on_pushButtonAddCircleTarget_clicked();
    void on_lineEditTargetName_textChanged(const QString &arg1);
    void on_spinBoxTargetScore_valueChanged(int arg1);
    void on_pushButtonDeleteTarget_clicked();
    void on_comboBoxTargetType_currentIndexChanged(int index);
    void on_listWidgetTargets_itemSelectionChanged();
    void on_pushButtonDuplicateTarget_clicked();
    void on_toolButtonCamera_clicked();
    void on_toolButtonTargets_clicked();
    void on_toolButtonGame_clicked();
    void on_toolButtonFullscreen_clicked();
    void on_toolButtonExit_clicked();
    void on_toolButtonTargetGen_clicked();
    void StartupLoad();
    void on_pushButtonGameStart_clicked();
    void on_comboBoxCamera1_activated(int index);
    void on_comboBoxCamera2_activated(int index);
    void on_comboBoxCamera3_activated(int index);
    void on_comboBoxCamera4_activated(int index);
    void on_pushButtonCam1Settings_clicked();
    void on_pushButtonCam2Settings_clicked();
    void on_pushButtonCam3Settings_clicked();
    void on_pushButtonCam4Settings_clicked();
    void on_groupBoxCam2_toggled(bool arg1);
    void on_groupBoxCam3_toggled(bool arg1);
    void on_groupBoxCam4_toggled(bool arg1);
    void on_pushButtonCorrectedTarget_clicked();
    void Cam1FreshlyInitialized(int Err);
    void StartGame();
    void on_toolButtonSave_clicked();
    void on_toolButtonOpen_clicked();
    void on_toolButtonNew_clicked();

    void on_radioButtonDispTarget_clicked();
    void on_radioButtonDispCamera_clicked();
    void on_radioButtonCircleTarget_clicked();
    void on_radioButtonCircleTarget_toggled(bool checked);
    void on_radioButtonImageTarget_toggled(bool checked);
    void on_spinBoxCircles_valueChanged(int arg1);
    void on_spinBoxInnerCircles_valueChanged(int arg1);
    void on_checkBoxBullseye_stateChanged(int arg1);
    void on_checkBoxTargetNumbers_stateChanged(int arg1);
    void on_pushButtonEditDispTarget_clicked();
    void on_pushButtonFinishEditing_clicked();
    void on_pushButtonSelectDisplayImage_clicked();
    void on_pushButtonSelectScoreImage_clicked();
    void on_toolButtonSettings_clicked();
    void on_pushButtonGenerateTarget_clicked();
    void ShowHitsMenu(const QPoint &pos);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    // Asks for a project file to save to or to open; an empty name cancels.
    virtual QString AskProjectFileName(bool save);

private:
    void UpdateFullscreenText();
    void SetUpHitsMenu();
    // True while the drawn ring target is what the Game page shows.
    bool CircleTargetShown() const;
    void ShowImageTooLarge(const QString &path, const QSize &size);

    bool configured = false;
};
