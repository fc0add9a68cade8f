// SPDX-License-Identifier: GPL-3.0-or-later
// DialogCameraCheck: reading the camera library's statistics and pictures, showing the figures.
#include "dialogcameracheck.h"

#include "camera.h"
#include "laserlibrary.h"

#include <QGraphicsPixmapItem>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Pictures are measured at most this often; the figures hardly change faster.
constexpr int PictureEveryMs = 100;
constexpr int PreviewScale = 2; // the preview is half the picture's size

// One line of figures: short enough not to wrap.
QLabel *AddLabel(QLayout *layout, const char *objectName)
{
    auto *label = new QLabel(layout->parentWidget());
    label->setObjectName(QLatin1String(objectName));
    layout->addWidget(label);
    return label;
}

} // namespace

DialogCameraCheck::DialogCameraCheck(Camera *camera, QWidget *parent) : QDialog(parent), camera(camera)
{
    setWindowTitle(tr("Kamera-Check: %1").arg(camera->GetName()));
    auto *layout = new QHBoxLayout(this);
    auto *figures = new QVBoxLayout;
    layout->addLayout(figures, 1);
    // Room for the longest figure lines without the window growing as texts change.
    setMinimumSize(1000, 540);

    auto *rateBox = new QGroupBox(tr("Bildrate"), this);
    auto *rateLayout = new QVBoxLayout(rateBox);
    labelRate = AddLabel(rateLayout, "labelRate");
    labelDropped = AddLabel(rateLayout, "labelDropped");
    labelDamaged = AddLabel(rateLayout, "labelDamaged");
    figures->addWidget(rateBox);

    auto *pictureBox = new QGroupBox(tr("Bild"), this);
    auto *pictureLayout = new QVBoxLayout(pictureBox);
    labelBackground = AddLabel(pictureLayout, "labelBackground");
    labelSaturated = AddLabel(pictureLayout, "labelSaturated");
    labelNoise = AddLabel(pictureLayout, "labelNoise");
    figures->addWidget(pictureBox);

    auto *adviceBox = new QGroupBox(tr("Hinweise"), this);
    auto *adviceLayout = new QVBoxLayout(adviceBox);
    // Several findings make a long text: it wraps and scrolls instead of growing the window.
    auto *adviceArea = new QScrollArea(adviceBox);
    adviceArea->setWidgetResizable(true);
    adviceArea->setFrameShape(QFrame::NoFrame);
    labelAdvice = new QLabel(adviceArea);
    labelAdvice->setObjectName(QStringLiteral("labelAdvice"));
    labelAdvice->setWordWrap(true);
    labelAdvice->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    adviceArea->setWidget(labelAdvice);
    adviceLayout->addWidget(adviceArea);
    figures->addWidget(adviceBox, 1);

    auto *buttons = new QHBoxLayout;
    auto *restart = new QPushButton(tr("Neu messen"), this);
    restart->setObjectName(QStringLiteral("pushButtonRestart"));
    auto *close = new QPushButton(tr("Schließen"), this);
    close->setObjectName(QStringLiteral("pushButtonClose"));
    buttons->addWidget(restart);
    buttons->addStretch(1);
    buttons->addWidget(close);
    figures->addLayout(buttons);

    auto *testBox = new QGroupBox(tr("Schusstest"), this);
    auto *testLayout = new QGridLayout(testBox);
    labelPreview = new QLabel(testBox);
    labelPreview->setObjectName(QStringLiteral("labelPreview"));
    labelPreview->setFixedSize(640 / PreviewScale, 480 / PreviewScale);
    testLayout->addWidget(labelPreview, 0, 0, 1, 3);
    testLayout->addWidget(new QLabel(tr("Schüsse auf die Bildmitte:"), testBox), 1, 0);
    spinBoxShots = new QSpinBox(testBox);
    spinBoxShots->setObjectName(QStringLiteral("spinBoxShots"));
    spinBoxShots->setRange(1, 50);
    spinBoxShots->setValue(10);
    testLayout->addWidget(spinBoxShots, 1, 1);
    pushButtonShotTest = new QPushButton(testBox);
    pushButtonShotTest->setObjectName(QStringLiteral("pushButtonShotTest"));
    testLayout->addWidget(pushButtonShotTest, 1, 2);
    labelShots = new QLabel(testBox);
    labelShots->setObjectName(QStringLiteral("labelShots"));
    labelShots->setWordWrap(true);
    testLayout->addWidget(labelShots, 2, 0, 1, 3);
    testLayout->setRowStretch(3, 1);
    testBox->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    labelShots->setFixedWidth(640 / PreviewScale);
    layout->addWidget(testBox);

    connect(restart, SIGNAL(clicked()), this, SLOT(Restart()));
    connect(close, SIGNAL(clicked()), this, SLOT(close()));
    connect(pushButtonShotTest, SIGNAL(clicked()), this, SLOT(StartOrStopShotTest()));
    connect(camera, SIGNAL(NewFrame()), this, SLOT(NewFrame()));
    connect(camera, SIGNAL(Shot(QPointF,QPointF,bool)), this, SLOT(ShotSeen(QPointF)));
    // The statistics are read on a timer too: a camera that stops sends no more frames.
    connect(&measureTimer, SIGNAL(timeout()), this, SLOT(Measure()));
    measureTimer.start(500);

    Restart();
}

QPointF DialogCameraCheck::PictureCentre() const
{
    const QPointF origin = camera->pixmapItem ? camera->pixmapItem->pos() : QPointF();
    return origin + QPointF(320, 240);
}

void DialogCameraCheck::Restart()
{
    picture.Reset();
    captureStarted = false;
    sincePicture.invalidate();
    Measure();
    ShowShotTest();
    DrawPreview();
}

void DialogCameraCheck::NewFrame()
{
    if (sincePicture.isValid() && sincePicture.elapsed() < PictureEveryMs)
        return;
    sincePicture.start();
    ReadPicture();
    Measure();
    DrawPreview();
}

void DialogCameraCheck::ReadPicture()
{
    // The camera has just read its frame and left itself selected; its buffers stay valid
    // until its next read.
    LaserLibrary &laser = Laser();
    laser.CamSelectCamera(camera->cameraNumber);
    const uint8_t *grey = laser.CamGetGreyBuf();
    const int width = laser.CamGetXMax();
    const int height = laser.CamGetYMax();
    if (grey && width > 0 && height > 0)
        picture.AddPicture(grey, width, height, (width + 3) & ~3);
}

void DialogCameraCheck::Measure()
{
    LaserLibrary &laser = Laser();
    laser.CamSelectCamera(camera->cameraNumber);
    LaserCaptureStats stats{};
    if (laser.CamGetCaptureStats(&stats) == 0) {
        if (!captureStarted)
            capture.Start(stats);
        else
            capture.Update(stats);
        captureStarted = true;
    } else {
        capture.Start(LaserCaptureStats{});
        captureStarted = false;
    }
    ShowFigures();
}

void DialogCameraCheck::ShowFigures()
{
    const CaptureCheck::Figures c = capture.Result();
    const PictureCheck::Figures p = picture.Result();
    if (!captureStarted) {
        labelRate->setText(tr("Die Kamera ist nicht geöffnet."));
        labelDropped->clear();
        labelDamaged->clear();
    } else {
        labelRate->setText(c.askedFps > 0
                               ? tr("%1 Bilder/s gemessen, %2 Bilder/s eingestellt")
                                     .arg(c.measuredFps, 0, 'f', 1)
                                     .arg(c.askedFps, 0, 'f', 1)
                               : tr("%1 Bilder/s gemessen").arg(c.measuredFps, 0, 'f', 1));
        labelDropped->setText((c.fromSequence ? tr("Verloren: %1 von %2 (%3 %), laut Treiber")
                                              : tr("Verloren: %1 von %2 (%3 %), laut Bildzeiten"))
                                  .arg(c.dropped)
                                  .arg(c.dropped + c.delivered + c.decodeFailures)
                                  .arg(100.0 * c.droppedShare, 0, 'f', 1));
        labelDamaged->setText(tr("Beschädigt angekommen: %1").arg(c.decodeFailures));
    }
    if (p.pictures == 0) {
        labelBackground->setText(tr("Noch kein Bild."));
        labelSaturated->clear();
        labelNoise->clear();
    } else {
        labelBackground->setText(tr("Helligkeit des Hintergrunds: %1 von 255").arg(p.backgroundLevel));
        labelSaturated->setText(tr("Übersteuerte Pixel: %1 %").arg(100.0 * p.saturatedShare, 0, 'f', 2));
        labelNoise->setText(p.noiseKnown ? tr("Rauschen: %1 Graustufen").arg(p.noise, 0, 'f', 1)
                                         : tr("Rauschen: wird gemessen"));
    }
    const QStringList advice = captureStarted ? AdviceTexts(CaptureCheck::Assess(c, p)) : QStringList();
    labelAdvice->setText(advice.join(QStringLiteral("\n\n")));
}

QStringList DialogCameraCheck::AdviceTexts(CaptureCheck::Findings findings)
{
    QStringList texts;
    if (findings & CaptureCheck::NoFrames)
        texts << tr("Die Kamera liefert keine Bilder. Kabel und Anschluss prüfen, oder die Kamera auf der "
                    "Kameraseite neu wählen.");
    if (findings & CaptureCheck::RateBelowAsked)
        texts << tr("Die Kamera liefert weniger Bilder als eingestellt. Meist belichtet sie länger, weil es zu "
                    "dunkel ist: den Raum heller machen oder die Belichtung von Hand kürzer stellen.");
    if (findings & CaptureCheck::FramesDropped)
        texts << tr("Bilder gehen verloren. Die Kamera an einen eigenen USB-Anschluss stecken und andere "
                    "Kameras am selben Verteiler abziehen.");
    if (findings & CaptureCheck::DecodeFailures)
        texts << tr("Es kommen beschädigte Bilder an. Ein anderes USB-Kabel oder einen anderen Anschluss "
                    "versuchen.");
    if (findings & CaptureCheck::BackgroundNearWhite)
        texts << tr("Der Hintergrund ist fast weiß: ein Laserpunkt hebt sich davon nicht ab. Die Belichtung "
                    "verringern.");
    if (findings & CaptureCheck::ManySaturated)
        texts << tr("Ein großer Teil des Bildes ist übersteuert: Schüsse dort sind nicht zu sehen. Die Belichtung "
                    "verringern oder die helle Fläche aus dem Bild nehmen.");
    if (findings & CaptureCheck::Noisy)
        texts << tr("Das Bild rauscht stark: schwache Schüsse gehen darin unter. Mehr Licht in den Raum bringen "
                    "oder die Verstärkung senken.");
    if (texts.isEmpty())
        texts << tr("Keine Auffälligkeiten.");
    return texts;
}

void DialogCameraCheck::StartOrStopShotTest()
{
    if (shotTest.IsRunning())
        shotTest.Stop();
    else
        shotTest.Start(spinBoxShots->value(), PictureCentre(), CentreRadius);
    ShowShotTest();
    DrawPreview();
}

void DialogCameraCheck::ShotSeen(QPointF position)
{
    if (!shotTest.AddShot(position))
        return;
    ShowShotTest();
    DrawPreview();
}

void DialogCameraCheck::ShowShotTest()
{
    const bool running = shotTest.IsRunning();
    pushButtonShotTest->setText(running ? tr("Test beenden") : tr("Test starten"));
    spinBoxShots->setEnabled(!running);
    const CentreShotTest::Result r = shotTest.Outcome();
    if (r.expected == 0) {
        labelShots->setText(tr("Den Test starten, dann die gewählte Zahl Schüsse auf das Kreuz in der "
                               "Bildmitte abgeben."));
        return;
    }
    QStringList lines;
    if (running)
        lines << tr("Gesehen: %1 von %2").arg(r.seen).arg(r.expected);
    else
        lines << tr("Gesehen: %1 von %2, nicht gesehen: %3").arg(r.seen).arg(r.expected).arg(r.missed);
    if (r.stray > 0)
        lines << tr("Außerhalb der Mitte gemeldet: %1").arg(r.stray);
    if (r.seen > 1)
        lines << tr("Streuung: größter Abstand %1 px, mittlerer Abstand zum Trefferbild-Mittelpunkt %2 px; "
                    "Mittelpunkt %3 px neben der Bildmitte")
                     .arg(r.extremeSpread, 0, 'f', 1)
                     .arg(r.meanRadius, 0, 'f', 1)
                     .arg(r.offset, 0, 'f', 1);
    labelShots->setText(lines.join(QLatin1Char('\n')));
}

void DialogCameraCheck::DrawPreview()
{
    QPixmap preview(640 / PreviewScale, 480 / PreviewScale);
    preview.fill(Qt::black);
    QPainter painter(&preview);
    if (!camera->framePixmap.isNull())
        painter.drawPixmap(preview.rect(), camera->framePixmap);
    painter.scale(1.0 / PreviewScale, 1.0 / PreviewScale);
    // Centre cross and the circle within which a shot counts for the test.
    painter.setPen(QPen(Qt::yellow, PreviewScale));
    painter.drawLine(QPointF(300, 240), QPointF(340, 240));
    painter.drawLine(QPointF(320, 220), QPointF(320, 260));
    painter.drawEllipse(QPointF(320, 240), CentreRadius, CentreRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::green);
    const QPointF toPicture = QPointF(320, 240) - PictureCentre();
    for (const QPointF &p : shotTest.Seen())
        painter.drawEllipse(p + toPicture, 2.0 * PreviewScale, 2.0 * PreviewScale);
    painter.end();
    labelPreview->setPixmap(preview);
}
