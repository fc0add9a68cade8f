// SPDX-License-Identifier: GPL-3.0-or-later
// ProjectMutator: byte-level and structural damage to project files.
#include "projectmutator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

QByteArray ProjectMutator::Mutate(const QByteArray &valid)
{
    kinds.clear();
    QByteArray bytes = valid;
    const int rounds = 1 + Pick(3);
    for (int i = 0; i < rounds; ++i) {
        switch (Pick(10)) {
        case 0: case 1: bytes = FlipBytes(bytes); break;
        case 2: bytes = Cut(bytes); break;
        case 3: bytes = DuplicateRange(bytes); break;
        case 4: bytes = DeepNesting(bytes); break;
        default: bytes = Structural(bytes); break;
        }
    }
    return bytes;
}

QByteArray ProjectMutator::FlipBytes(QByteArray bytes)
{
    kinds += "flip ";
    if (bytes.isEmpty())
        return bytes;
    // Bytes that break UTF-8, JSON syntax or C strings, and plain random ones.
    static const char special[] = {'\0', '\xff', '\xc3', '\x80', '"', '\\', '[', '{', ',', '-', 'e', '9'};
    const int flips = 1 + Pick(8);
    for (int k = 0; k < flips; ++k) {
        const int at = Pick(bytes.size());
        bytes[at] = Pick(2) ? special[Pick(int(sizeof special))] : char(Pick(256));
    }
    return bytes;
}

QByteArray ProjectMutator::Cut(QByteArray bytes)
{
    kinds += "cut ";
    if (bytes.isEmpty())
        return bytes;
    const int at = Pick(bytes.size());
    if (Pick(2))
        return bytes.left(at);
    return bytes.remove(at, 1 + Pick(qMin(200, bytes.size() - at)));
}

QByteArray ProjectMutator::DuplicateRange(QByteArray bytes)
{
    kinds += "duplicate ";
    if (bytes.isEmpty())
        return bytes;
    const int from = Pick(bytes.size());
    const QByteArray range = bytes.mid(from, 1 + Pick(qMin(500, bytes.size() - from)));
    const int times = 1 + Pick(Pick(4) ? 3 : 400);
    return bytes.insert(Pick(bytes.size() + 1), range.repeated(times));
}

QByteArray ProjectMutator::DeepNesting(QByteArray bytes)
{
    kinds += "nesting ";
    // Beyond the parser's depth limit, or just inside it, in place of a value.
    const int depth = Pick(2) ? 1000 + Pick(50) : 5000 + Pick(100000);
    const QByteArray open = Pick(2) ? QByteArray("[") : QByteArray("{\"a\":");
    const QByteArray close = open == "[" ? QByteArray("]") : QByteArray("}");
    const int at = bytes.indexOf(':', Pick(qMax(1, bytes.size())));
    const int where = at < 0 ? bytes.size() : at + 1;
    return bytes.insert(where, open.repeated(depth) + "1" + close.repeated(Pick(4) ? depth : Pick(depth + 1)) + ",");
}

QByteArray ProjectMutator::Structural(const QByteArray &bytes)
{
    kinds += "structure ";
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject())
        return FlipBytes(bytes);
    const QJsonValue mutated = MutateValue(doc.object(), 0);
    if (mutated.isObject())
        return QJsonDocument(mutated.toObject()).toJson(Pick(2) ? QJsonDocument::Indented : QJsonDocument::Compact);
    if (mutated.isArray())
        return QJsonDocument(mutated.toArray()).toJson();
    return QJsonDocument(QJsonArray{mutated}).toJson(QJsonDocument::Compact).mid(1).chopped(1); // a bare scalar
}

QJsonValue ProjectMutator::MutateValue(const QJsonValue &v, int depth)
{
    const bool container = (v.isObject() && !v.toObject().isEmpty()) || (v.isArray() && !v.toArray().isEmpty());
    // Mostly go down into a child, so that nested values (targets, corners, cameras) get hit.
    if (container && Pick(5) != 0) {
        if (v.isObject()) {
            QJsonObject o = v.toObject();
            const QString key = o.keys().at(Pick(o.size()));
            switch (Pick(8)) {
            case 0: o.remove(key); break;
            case 1: o.insert(key.toLower() == key ? key.toUpper() : key.toLower(), o.value(key)); o.remove(key); break;
            default: o.insert(key, MutateValue(o.value(key), depth + 1)); break;
            }
            return o;
        }
        QJsonArray a = v.toArray();
        const int i = Pick(a.size());
        switch (Pick(8)) {
        case 0: a.removeAt(i); break;
        case 1: a.insert(i, a.at(i)); break;
        default: a[i] = MutateValue(a.at(i), depth + 1); break;
        }
        return a;
    }
    if (v.isArray() && Pick(2))
        return BlownUp(v);
    return HostileValue();
}

QJsonValue ProjectMutator::HostileValue()
{
    switch (Pick(18)) {
    case 0: return 1e308;
    case 1: return -1e308;
    case 2: return std::numeric_limits<double>::denorm_min();
    case 3: return 2147483648.0;
    case 4: return -2147483649.0;
    case 5: return 9.5;
    case 6: return -1;
    case 7: return QStringLiteral("NaN");
    case 8: return QStringLiteral("-Infinity");
    case 9: return QString();
    case 10: return QString(1 + Pick(65536), QChar(0x4e00 + Pick(100)));
    case 11: return QStringLiteral("\xf0\x9f\x8e\xaf Ziel \xc3\xbc");
    case 12: return true;
    case 13: return QJsonValue();
    case 14: return QJsonObject{{QStringLiteral("form"), QStringLiteral("Ellipse")}};
    case 15: return QJsonArray();
    case 16: return QStringLiteral("/dev/zero");
    default: return Pick(2000) - 1000;
    }
}

QJsonValue ProjectMutator::BlownUp(const QJsonValue &array)
{
    kinds += "blow-up ";
    const QJsonArray source = array.toArray();
    QJsonArray big = source;
    // Mostly a few hundred elements, now and then many thousands.
    const int size = Pick(8) ? 10 + Pick(400) : 2000 + Pick(60000);
    while (big.size() < size)
        big << (source.isEmpty() ? QJsonValue(Pick(1000)) : source.at(Pick(source.size())));
    return big;
}
