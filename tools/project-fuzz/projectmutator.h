// SPDX-License-Identifier: GPL-3.0-or-later
// ProjectMutator: turns a valid project file into damaged, hostile or oversized variants.
#pragma once

#include <QByteArray>
#include <QJsonValue>

#include <random>

class ProjectMutator
{
public:
    explicit ProjectMutator(quint32 seed) : rng(seed) {}

    // One to three mutations stacked on `valid`.
    QByteArray Mutate(const QByteArray &valid);
    // The name of the last mutations applied, for the report of a failing case.
    QByteArray LastKinds() const { return kinds; }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng); }
    QByteArray FlipBytes(QByteArray bytes);
    QByteArray Cut(QByteArray bytes);
    QByteArray DuplicateRange(QByteArray bytes);
    QByteArray DeepNesting(QByteArray bytes);
    QByteArray Structural(const QByteArray &bytes);
    // A random value somewhere below `v` replaced, an array blown up or a key dropped.
    QJsonValue MutateValue(const QJsonValue &v, int depth);
    QJsonValue HostileValue();
    QJsonValue BlownUp(const QJsonValue &array);

    std::mt19937 rng;
    QByteArray kinds;
};
