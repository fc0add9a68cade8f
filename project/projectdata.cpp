// SPDX-License-Identifier: GPL-3.0-or-later
// ProjectData: the project file's keys, their types, defaults and limits.
#include "projectdata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// Ranges of the widgets and fields a value ends up in.
constexpr int GameTypes = 2;
constexpr int MaxShotCount = 99;
constexpr int MinCircles = 1, MaxCircles = 20;
constexpr int MinHitSize = 1, MaxHitSize = 10;
constexpr int MinScore = -100, MaxScore = 100;
constexpr int MaxTargetType = 3;
constexpr int MaxLuminance = 255;
constexpr int MaxPixels = 640 * 480;

int Whole(const QJsonValue &value, int fallback, int lowest, int highest)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return fallback;
    // Clamped as a double first: a cast of 1e308 to int would be undefined.
    return int(std::lround(qBound(double(lowest), value.toDouble(), double(highest))));
}

double Number(const QJsonValue &value, double fallback, double lowest, double highest)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return fallback;
    return qBound(lowest, value.toDouble(), highest);
}

bool Flag(const QJsonValue &value, bool fallback)
{
    return value.isBool() ? value.toBool() : fallback;
}

QString Text(const QJsonValue &value)
{
    return value.isString() ? value.toString() : QString();
}

QPolygonF ReadCorners(const QJsonValue &value)
{
    QPolygonF points;
    const QJsonArray numbers = value.toArray();
    for (int k = 0; k + 1 < numbers.size() && points.size() < ProjectLimits::MaxCornerPoints; k += 2) {
        const QJsonValue x = numbers.at(k), y = numbers.at(k + 1);
        // A point with a coordinate that is no number is dropped rather than moved to the origin.
        if (!x.isDouble() || !y.isDouble())
            continue;
        const double limit = ProjectLimits::MaxCoordinate;
        points << QPointF(Number(x, 0.0, -limit, limit), Number(y, 0.0, -limit, limit));
    }
    return points;
}

ProjectTarget ReadTarget(const QJsonObject &o)
{
    ProjectTarget t;
    t.name = Text(o.value(QLatin1String("name"))).left(ProjectLimits::MaxNameLength);
    t.score = Whole(o.value(QLatin1String("score")), 0, MinScore, MaxScore);
    // An unknown role becomes a plain target, never the one corrected ring target.
    t.type = Whole(o.value(QLatin1String("type")), 0, -1, MaxTargetType + 1);
    if (t.type < 0 || t.type > MaxTargetType)
        t.type = 0;
    t.corners = ReadCorners(o.value(QLatin1String("corners")));
    const QString form = Text(o.value(QLatin1String("form")));
    if (form == QLatin1String("Polygon"))
        t.form = ProjectTarget::Polygon;
    else if (form == QLatin1String("Ellipse"))
        t.form = ProjectTarget::Ellipse;
    else if (t.corners.size() >= 3)
        t.form = ProjectTarget::Polygon; // the outline survives a lost or garbled form
    return t;
}

ProjectCamera ReadCamera(const QJsonObject &o)
{
    ProjectCamera c;
    c.name = Text(o.value(QLatin1String("camname")));
    c.hasSettings = c.name != QLatin1String("NoCam");
    c.luminance = Whole(o.value(QLatin1String("lumithreshold")), 0, 0, MaxLuminance);
    c.minSize = Whole(o.value(QLatin1String("minpix")), 0, 0, MaxPixels);
    c.maxSize = Whole(o.value(QLatin1String("maxpix")), 0, 0, MaxPixels);
    c.minDistance = Whole(o.value(QLatin1String("mindist")), 0, 0, MaxPixels);
    c.brightness = Number(o.value(QLatin1String("brightness")), 0.0, 0.0, 100.0);
    c.exposure = Number(o.value(QLatin1String("exposure")), 0.0, 0.0, 100.0);
    return c;
}

QJsonArray CornerArray(const QPolygonF &corners)
{
    QJsonArray numbers;
    for (const QPointF &p : corners)
        numbers << p.x() << p.y();
    return numbers;
}

void WriteAnalysis(const ProjectData &p, QJsonObject &o)
{
    if (p.decimalScoring)
        o[QLatin1String("DecimalScoring")] = true;
    if (p.displayTargetSizeMm > 0)
        o[QLatin1String("DisplayTargetSizeMm")] = p.displayTargetSizeMm;
    QJsonObject sizes;
    for (auto it = p.targetSizesMm.begin(); it != p.targetSizesMm.end(); ++it)
        if (it.value() > 0)
            sizes[it.key()] = it.value();
    if (!sizes.isEmpty())
        o[QLatin1String("TargetSizesMm")] = sizes;
    QJsonArray zero;
    bool anyZero = false;
    for (const QPointF &z : p.laserZero) {
        zero << z.x() << z.y();
        anyZero = anyZero || !z.isNull();
    }
    if (anyZero)
        o[QLatin1String("LaserZero")] = zero;
}

void ReadAnalysis(const QJsonObject &o, ProjectData &p)
{
    p.decimalScoring = Flag(o.value(QLatin1String("DecimalScoring")), false);
    p.displayTargetSizeMm = Number(o.value(QLatin1String("DisplayTargetSizeMm")), 0.0, 0.0,
                                   ProjectLimits::MaxTargetSizeMm);
    const QJsonObject sizes = o.value(QLatin1String("TargetSizesMm")).toObject();
    for (auto it = sizes.begin(); it != sizes.end() && p.targetSizesMm.size() < ProjectLimits::MaxTargets; ++it) {
        const double mm = Number(it.value(), 0.0, 0.0, ProjectLimits::MaxTargetSizeMm);
        if (mm > 0 && it.key().size() <= ProjectLimits::MaxNameLength)
            p.targetSizesMm.insert(it.key(), mm);
    }
    const QJsonArray zero = o.value(QLatin1String("LaserZero")).toArray();
    const double limit = ProjectLimits::MaxLaserZero;
    for (int i = 0; i < 4 && 2 * i + 1 < zero.size(); ++i)
        p.laserZero[i] = QPointF(Number(zero.at(2 * i), 0.0, -limit, limit), Number(zero.at(2 * i + 1), 0.0, -limit, limit));
}

} // namespace

QPolygonF EllipseCorners(const QRectF &rect)
{
    return QPolygonF(QVector<QPointF>{rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft(),
                                      rect.topLeft()});
}

QByteArray ProjectToJson(const ProjectData &p)
{
    QJsonObject o;
    o[QLatin1String("game")] = p.game;
    o[QLatin1String("shotcount")] = p.shotCount;
    o[QLatin1String("language")] = p.language;
    o[QLatin1String("volume")] = p.volume;
    o[QLatin1String("hitsize")] = p.hitSize;
    o[QLatin1String("4cameras")] = p.fourCameras;
    for (int i = 0; i < 6; ++i)
        o[QStringLiteral("color%1").arg(i)] = p.colors[i].name();
    o[QLatin1String("DispTarget")] = p.dispTarget;
    o[QLatin1String("InnerCircles")] = p.innerCircles;
    o[QLatin1String("TotalCircles")] = p.totalCircles;
    o[QLatin1String("DispNumbers")] = p.dispNumbers;
    o[QLatin1String("DispBullseye")] = p.dispBullseye;
    o[QLatin1String("ImageTarget")] = p.imageTarget;
    o[QLatin1String("TargetImageFilename")] = p.targetImageFilename;
    o[QLatin1String("ScoreImageFilename")] = p.scoreImageFilename;

    QJsonArray targets;
    for (const ProjectTarget &t : p.targets) {
        QJsonObject to;
        to[QLatin1String("name")] = t.name;
        to[QLatin1String("score")] = t.score;
        to[QLatin1String("type")] = t.type;
        if (t.form != ProjectTarget::NoForm) {
            to[QLatin1String("form")] = t.form == ProjectTarget::Polygon ? QStringLiteral("Polygon")
                                                                          : QStringLiteral("Ellipse");
            to[QLatin1String("corners")] = CornerArray(t.corners);
        }
        targets << to;
    }
    o[QLatin1String("targets")] = targets;

    QJsonArray cameras;
    for (int i = 0; i < ProjectLimits::MaxCameras; ++i) {
        const ProjectCamera c = i < p.cameras.size() ? p.cameras.at(i) : ProjectCamera();
        QJsonObject co;
        co[QLatin1String("camname")] = c.hasSettings ? c.name : QStringLiteral("NoCam");
        if (c.hasSettings) {
            co[QLatin1String("lumithreshold")] = c.luminance;
            co[QLatin1String("minpix")] = c.minSize;
            co[QLatin1String("maxpix")] = c.maxSize;
            co[QLatin1String("mindist")] = c.minDistance;
            co[QLatin1String("brightness")] = c.brightness;
            co[QLatin1String("exposure")] = c.exposure;
        }
        cameras << co;
    }
    o[QLatin1String("cameras")] = cameras;
    WriteAnalysis(p, o);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

ProjectData ProjectFromJson(const QByteArray &json)
{
    // Anything that is not an object, including text that does not parse, reads as {}.
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    ProjectData p;
    p.game = Whole(o.value(QLatin1String("game")), 0, 0, GameTypes - 1);
    p.shotCount = Whole(o.value(QLatin1String("shotcount")), 0, 0, MaxShotCount);
    p.language = Text(o.value(QLatin1String("language")));
    p.volume = Number(o.value(QLatin1String("volume")), 0.0, 0.0, 1.0);
    p.hitSize = Whole(o.value(QLatin1String("hitsize")), 5, MinHitSize, MaxHitSize);
    p.fourCameras = Flag(o.value(QLatin1String("4cameras")), false);
    for (int i = 0; i < 6; ++i) {
        const QString name = Text(o.value(QStringLiteral("color%1").arg(i)));
        if (!name.isEmpty())
            p.colors[i].setNamedColor(name);
    }
    p.dispTarget = Flag(o.value(QLatin1String("DispTarget")), false);
    p.innerCircles = Whole(o.value(QLatin1String("InnerCircles")), 0, 0, MaxCircles);
    p.totalCircles = Whole(o.value(QLatin1String("TotalCircles")), 10, MinCircles, MaxCircles);
    p.dispNumbers = Flag(o.value(QLatin1String("DispNumbers")), true);
    p.dispBullseye = Flag(o.value(QLatin1String("DispBullseye")), true);
    p.imageTarget = Flag(o.value(QLatin1String("ImageTarget")), false);
    p.targetImageFilename = Text(o.value(QLatin1String("TargetImageFilename")));
    p.scoreImageFilename = Text(o.value(QLatin1String("ScoreImageFilename")));

    const QJsonArray targets = o.value(QLatin1String("targets")).toArray();
    for (const QJsonValue &element : targets) {
        if (p.targets.size() >= ProjectLimits::MaxTargets)
            break;
        const ProjectTarget t = ReadTarget(element.toObject());
        // An element with neither a known form nor an outline to fall back on has nothing to show.
        if (t.form != ProjectTarget::NoForm)
            p.targets << t;
    }

    const QJsonArray cameras = o.value(QLatin1String("cameras")).toArray();
    for (int i = 0; i < cameras.size() && i < ProjectLimits::MaxCameras; ++i)
        p.cameras << ReadCamera(cameras.at(i).toObject());
    ReadAnalysis(o, p);
    return p;
}
