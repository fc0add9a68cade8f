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

class QComboBox;
class QGraphicsScene;
class QGroupBox;
class QPushButton;
class QTranslator;
class Camera;
class QGraphicsItem;
class QGraphicsPixmapItem;
struct Target;
class FormTargetPDFTool;

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

    // Game control.
    void ResetGame();
    void StopGame();
    void AddHitRow(const QString &name, int score);
    void RecordShot(Target *target);
    // Every game sound goes through here, so that what played can be observed.
    void PlaySound(QSoundEffect &effect);

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
    QGraphicsScene *scene = nullptr;
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

signals:
    // The file name of a game sound just played.
    void SoundPlayed(const QString &name);

public slots:
    void Shoot(QPointF Pos, QPointF Pos_Corrected, bool FromCamera);

private slots:
    void Tick10ms();
    void on_toolButtonCamera_clicked();
    void on_toolButtonTargets_clicked();
    void on_toolButtonGame_clicked();
    void on_toolButtonFullscreen_clicked();
    void on_toolButtonExit_clicked();
    void on_toolButtonTargetGen_clicked();
    void StartupLoad();
    void on_pushButtonGameStart_clicked();
    void StartGame();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void UpdateFullscreenText();

    bool configured = false;
};
