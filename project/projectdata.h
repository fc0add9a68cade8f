// SPDX-License-Identifier: GPL-3.0-or-later
// ProjectData: everything a project file holds, and its conversion to and from JSON.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QMap>
#include <QPointF>
#include <QPolygonF>
#include <QString>

// One element of "targets".
struct ProjectTarget
{
    enum Form { NoForm, Polygon, Ellipse };

    QString name;
    int score = 0;
    int type = 0;
    Form form = NoForm;
    // Polygon points in order; for an ellipse the closed outline of its rectangle.
    QPolygonF corners;
};

// One element of "cameras". A slot without a camera carries its name only.
struct ProjectCamera
{
    QString name = QStringLiteral("NoCam");
    bool hasSettings = false;
    int luminance = 0;
    int minSize = 0;
    int maxSize = 0;
    int minDistance = 0;
    double brightness = 0.0; // percent of the camera's range
    double exposure = 0.0;
};

// The values as read, with the defaults of a key that is missing or of the wrong type.
struct ProjectData
{
    int game = 0;
    int shotCount = 0;
    QString language;
    double volume = 0.0;
    int hitSize = 5;
    bool fourCameras = false;
    QColor colors[6]; // an invalid colour leaves the program's colour unchanged
    bool dispTarget = false;
    int innerCircles = 0;
    int totalCircles = 10;
    bool dispNumbers = true;
    bool dispBullseye = true;
    bool imageTarget = false;
    QString targetImageFilename;
    QString scoreImageFilename;
    QList<ProjectTarget> targets;
    QList<ProjectCamera> cameras;

    // Shot analysis; optional keys, written only when they differ from these defaults.
    bool decimalScoring = false;
    double displayTargetSizeMm = 0;       // real width of the drawn ring target; 0: unknown
    QMap<QString, double> targetSizesMm;  // real width of targets by name
    QPointF laserZero[4];                 // per camera, in scene units
};

// What a loaded file may make the program do. Files beyond these are refused or cut short, so
// that no file can exhaust memory or time: sizes far above anything a user sets up.
namespace ProjectLimits {
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;
constexpr int MaxTargets = 1000;
constexpr int MaxCornerPoints = 1000;   // per target
constexpr double MaxCoordinate = 10000; // scene units either way of the origin
constexpr int MaxNameLength = 256;
constexpr int MaxCameras = 4;
constexpr double MaxTargetSizeMm = 10000;
constexpr double MaxLaserZero = 640; // scene units, one camera picture's width
}

// Indented JSON with keys in ascending order; always four camera objects.
QByteArray ProjectToJson(const ProjectData &project);
// Never fails: text that is not a JSON object gives the defaults. Numbers are clamped to the
// ranges the program's widgets accept.
ProjectData ProjectFromJson(const QByteArray &json);

// The outline an ellipse is saved as: its rectangle's corners, closed.
QPolygonF EllipseCorners(const QRectF &rect);
