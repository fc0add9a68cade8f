// SPDX-License-Identifier: GPL-3.0-or-later
// Drill: reading and checking drill files.
#include "drill.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

namespace {

constexpr int FormatVersion = 1;
constexpr int MaxShots = 100;
constexpr int MaxStrings = 50;
constexpr double MaxParSeconds = 600;
constexpr double MaxDelaySeconds = 60;
constexpr double MaxPauseSeconds = 600;
constexpr qint64 MaxFileSize = 256 * 1024;

qint64 Micros(double seconds)
{
    return qint64(std::llround(seconds * 1e6));
}

// A number of seconds within [0, max]; false when it is not one.
bool Seconds(const QJsonValue &v, double max, double *out)
{
    if (!v.isDouble())
        return false;
    const double s = v.toDouble();
    if (!std::isfinite(s) || s < 0 || s > max)
        return false;
    *out = s;
    return true;
}

bool WholeNumber(const QJsonValue &v, int min, int max, int *out)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (d != std::floor(d) || d < min || d > max)
        return false;
    *out = int(d);
    return true;
}

// "name" or "description": a text, or an object with "de" and/or "en" texts.
bool Texts(const QJsonValue &v, QString *de, QString *en)
{
    if (v.isString()) {
        *de = *en = v.toString().trimmed();
        return true;
    }
    if (!v.isObject())
        return false;
    const QJsonObject o = v.toObject();
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!it.value().isString())
            return false;
    *de = o.value(QStringLiteral("de")).toString().trimmed();
    *en = o.value(QStringLiteral("en")).toString().trimmed();
    if (de->isEmpty())
        *de = *en;
    if (en->isEmpty())
        *en = *de;
    return true;
}

QString UnknownKey(const QJsonObject &o, const QStringList &known)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!known.contains(it.key()))
            return it.key();
    return {};
}

} // namespace

QString Drill::Name(const QString &language) const
{
    return language == QLatin1String("de") ? nameDe : nameEn;
}

QString Drill::Description(const QString &language) const
{
    return language == QLatin1String("de") ? descriptionDe : descriptionEn;
}

QString Drill::TargetSpec(int stringIndex, int shot) const
{
    if (stringIndex < 0 || stringIndex >= strings.size())
        return QStringLiteral("any");
    const QStringList &t = strings[stringIndex].targets;
    if (t.size() == 1)
        return t.first();
    return shot >= 0 && shot < t.size() ? t[shot] : QStringLiteral("any");
}

bool DrillReader::Parse(const QByteArray &json, Drill &drill, QString *problem)
{
    auto fail = [problem](const QString &text) {
        if (problem)
            *problem = text;
        return false;
    };
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return fail(tr("kein gültiges JSON (%1 bei Zeichen %2)").arg(error.errorString()).arg(error.offset));
    if (!doc.isObject())
        return fail(tr("kein JSON-Objekt"));
    const QJsonObject o = doc.object();
    const QString unknown = UnknownKey(o, {QStringLiteral("fieldshot_drill"), QStringLiteral("name"),
                                           QStringLiteral("description"), QStringLiteral("start"),
                                           QStringLiteral("pause"), QStringLiteral("strings"),
                                           QStringLiteral("score"), QStringLiteral("pass")});
    if (!unknown.isEmpty())
        return fail(tr("unbekanntes Feld \"%1\"").arg(unknown));
    int version = 0;
    if (!WholeNumber(o.value(QStringLiteral("fieldshot_drill")), 0, 1000000, &version))
        return fail(tr("\"fieldshot_drill\" fehlt: keine Drill-Datei"));
    if (version != FormatVersion)
        return fail(tr("Formatversion %1 wird nicht unterstützt (nur %2)").arg(version).arg(FormatVersion));

    Drill d;
    if (!Texts(o.value(QStringLiteral("name")), &d.nameDe, &d.nameEn) || d.nameDe.isEmpty())
        return fail(tr("\"name\" fehlt oder ist leer"));
    if (o.contains(QStringLiteral("description"))
        && !Texts(o.value(QStringLiteral("description")), &d.descriptionDe, &d.descriptionEn))
        return fail(tr("\"description\" ist kein Text"));

    if (o.contains(QStringLiteral("start"))) {
        const QJsonValue sv = o.value(QStringLiteral("start"));
        const QJsonObject s = sv.toObject();
        if (!sv.isObject() || s.size() != 1
            || !(s.contains(QStringLiteral("fixed")) || s.contains(QStringLiteral("random"))))
            return fail(tr("\"start\" braucht genau eines von \"fixed\" (Sekunden) oder \"random\" ([von, bis])"));
        double lo = 0, hi = 0;
        if (s.contains(QStringLiteral("fixed"))) {
            if (!Seconds(s.value(QStringLiteral("fixed")), MaxDelaySeconds, &lo))
                return fail(tr("Startverzögerung muss zwischen 0 und %1 s liegen").arg(MaxDelaySeconds));
            hi = lo;
        } else {
            const QJsonArray r = s.value(QStringLiteral("random")).toArray();
            if (r.size() != 2 || !Seconds(r[0], MaxDelaySeconds, &lo) || !Seconds(r[1], MaxDelaySeconds, &hi))
                return fail(tr("\"random\" braucht zwei Sekundenwerte zwischen 0 und %1").arg(MaxDelaySeconds));
            if (lo > hi)
                return fail(tr("\"random\": der erste Wert ist größer als der zweite"));
        }
        d.delayMinUs = Micros(lo);
        d.delayMaxUs = Micros(hi);
    }
    if (o.contains(QStringLiteral("pause"))) {
        double p = 0;
        if (!Seconds(o.value(QStringLiteral("pause")), MaxPauseSeconds, &p))
            return fail(tr("\"pause\" muss zwischen 0 und %1 s liegen").arg(MaxPauseSeconds));
        d.pauseUs = Micros(p);
    }

    const QJsonArray strings = o.value(QStringLiteral("strings")).toArray();
    if (strings.isEmpty())
        return fail(tr("\"strings\" fehlt oder ist leer"));
    for (int i = 0; i < strings.size(); ++i) {
        const int n = i + 1;
        if (!strings[i].isObject())
            return fail(tr("Serie %1 ist kein Objekt").arg(n));
        const QJsonObject so = strings[i].toObject();
        const QString unknownKey = UnknownKey(so, {QStringLiteral("shots"), QStringLiteral("par"),
                                                   QStringLiteral("targets"), QStringLiteral("reload_after"),
                                                   QStringLiteral("repeat")});
        if (!unknownKey.isEmpty())
            return fail(tr("Serie %1: unbekanntes Feld \"%2\"").arg(n).arg(unknownKey));
        DrillString ds;
        ds.entry = i;
        if (!WholeNumber(so.value(QStringLiteral("shots")), 1, MaxShots, &ds.shots))
            return fail(tr("Serie %1: \"shots\" muss eine ganze Zahl von 1 bis %2 sein").arg(n).arg(MaxShots));
        if (so.contains(QStringLiteral("par"))) {
            double par = 0;
            if (!Seconds(so.value(QStringLiteral("par")), MaxParSeconds, &par))
                return fail(tr("Serie %1: \"par\" muss zwischen 0 und %2 s liegen").arg(n).arg(MaxParSeconds));
            ds.parUs = Micros(par);
        }
        if (so.contains(QStringLiteral("targets"))) {
            const QJsonValue tv = so.value(QStringLiteral("targets"));
            const QJsonArray ta = tv.isString() ? QJsonArray{tv} : tv.toArray();
            if (ta.isEmpty())
                return fail(tr("Serie %1: \"targets\" ist leer").arg(n));
            ds.targets.clear();
            for (const QJsonValue &t : ta) {
                const QString name = t.toString().trimmed();
                if (!t.isString() || name.isEmpty())
                    return fail(tr("Serie %1: jedes Ziel braucht einen Namen").arg(n));
                ds.targets << name;
            }
            if (ds.targets.size() != 1 && ds.targets.size() != ds.shots)
                return fail(tr("Serie %1: %2 Ziele für %3 Schüsse (eines für alle oder eines je Schuss)")
                                .arg(n).arg(ds.targets.size()).arg(ds.shots));
        }
        if (so.contains(QStringLiteral("reload_after"))) {
            const QJsonArray ra = so.value(QStringLiteral("reload_after")).toArray();
            for (const QJsonValue &r : ra) {
                int after = 0;
                if (!WholeNumber(r, 1, ds.shots - 1, &after))
                    return fail(tr("Serie %1: \"reload_after\" braucht Schussnummern von 1 bis %2").arg(n).arg(ds.shots - 1));
                ds.reloadAfter << after;
            }
            if (ra.isEmpty() && !so.value(QStringLiteral("reload_after")).isArray())
                return fail(tr("Serie %1: \"reload_after\" braucht Schussnummern von 1 bis %2").arg(n).arg(ds.shots - 1));
        }
        int repeat = 1;
        if (so.contains(QStringLiteral("repeat"))
            && !WholeNumber(so.value(QStringLiteral("repeat")), 1, MaxStrings, &repeat))
            return fail(tr("Serie %1: \"repeat\" muss eine ganze Zahl von 1 bis %2 sein").arg(n).arg(MaxStrings));
        for (int k = 0; k < repeat; ++k)
            d.strings << ds;
        if (d.strings.size() > MaxStrings)
            return fail(tr("mehr als %1 Serien").arg(MaxStrings));
    }

    if (o.contains(QStringLiteral("score"))) {
        const QString s = o.value(QStringLiteral("score")).toString();
        if (s == QLatin1String("hits"))
            d.scoring = Drill::Scoring::Hits;
        else if (s == QLatin1String("points"))
            d.scoring = Drill::Scoring::Points;
        else if (s == QLatin1String("hitfactor"))
            d.scoring = Drill::Scoring::HitFactor;
        else
            return fail(tr("\"score\" muss \"hits\", \"points\" oder \"hitfactor\" sein"));
    }

    if (o.contains(QStringLiteral("pass"))) {
        if (!o.value(QStringLiteral("pass")).isObject())
            return fail(tr("\"pass\" ist kein Objekt"));
        const QJsonObject p = o.value(QStringLiteral("pass")).toObject();
        const QString unknownKey = UnknownKey(p, {QStringLiteral("par"), QStringLiteral("min_hits"),
                                                  QStringLiteral("min_points"), QStringLiteral("min_hit_factor")});
        if (!unknownKey.isEmpty())
            return fail(tr("\"pass\": unbekanntes Feld \"%1\"").arg(unknownKey));
        if (p.contains(QStringLiteral("par"))) {
            if (!p.value(QStringLiteral("par")).isBool())
                return fail(tr("\"pass\": \"par\" muss true oder false sein"));
            d.passNeedsPar = p.value(QStringLiteral("par")).toBool();
        }
        if (p.contains(QStringLiteral("min_hits"))
            && !WholeNumber(p.value(QStringLiteral("min_hits")), 0, MaxShots, &d.minHits))
            return fail(tr("\"pass\": \"min_hits\" muss eine ganze Zahl von 0 bis %1 sein").arg(MaxShots));
        if (p.contains(QStringLiteral("min_points"))
            && !WholeNumber(p.value(QStringLiteral("min_points")), -100000, 100000, &d.minPoints))
            return fail(tr("\"pass\": \"min_points\" muss eine ganze Zahl sein"));
        if (p.contains(QStringLiteral("min_hit_factor"))
            && !Seconds(p.value(QStringLiteral("min_hit_factor")), 1000, &d.minHitFactor))
            return fail(tr("\"pass\": \"min_hit_factor\" muss zwischen 0 und 1000 liegen"));
    }
    drill = d;
    return true;
}

bool DrillReader::ReadFile(const QString &fileName, Drill &drill, QString *problem)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = tr("kann nicht gelesen werden (%1)").arg(file.errorString());
        return false;
    }
    if (file.size() > MaxFileSize) {
        if (problem)
            *problem = tr("größer als %1 KiB").arg(MaxFileSize / 1024);
        return false;
    }
    if (!Parse(file.readAll(), drill, problem))
        return false;
    drill.fileName = fileName;
    drill.id = QFileInfo(fileName).completeBaseName();
    return true;
}

bool DrillReader::ResolveTarget(const QString &wanted, const QStringList &targetNames, QString *name,
                                QString *problem)
{
    name->clear();
    if (wanted.compare(QLatin1String("any"), Qt::CaseInsensitive) == 0)
        return true;
    if (wanted.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const int n = wanted.mid(1).toInt(&ok);
        if (ok && n >= 1) {
            if (n > targetNames.size()) {
                if (problem)
                    *problem = tr("braucht %1 Ziele, das Projekt hat %2").arg(n).arg(targetNames.size());
                return false;
            }
            *name = targetNames[n - 1];
            return true;
        }
    }
    if (!targetNames.contains(wanted)) {
        if (problem)
            *problem = tr("braucht das Ziel \"%1\", das im Projekt fehlt").arg(wanted);
        return false;
    }
    *name = wanted;
    return true;
}

QString DrillReader::CheckTargets(const Drill &drill, const QStringList &targetNames)
{
    for (const DrillString &s : drill.strings)
        for (const QString &wanted : s.targets) {
            QString name, problem;
            if (!ResolveTarget(wanted, targetNames, &name, &problem))
                return problem;
        }
    return {};
}
