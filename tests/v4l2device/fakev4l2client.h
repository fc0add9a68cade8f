// SPDX-License-Identifier: GPL-3.0-or-later
// The test side of the userspace webcam: preloading it, writing its configuration, reading its state.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace FakeV4L2 {

// Whether the device library is loaded into this process. Asked of the dynamic linker, not of
// LD_PRELOAD: a profiler preloading itself beside it may have cleared the variable by now.
inline bool Loaded()
{
    void *handle = dlopen(FAKEV4L2_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return false;
    dlclose(handle);
    return true;
}

// Runs the program again with the device preloaded unless it already is; call first in main().
inline void Preload(char **argv)
{
    if (Loaded())
        return;
    setenv("LD_PRELOAD", FAKEV4L2_LIBRARY, 1);
    execv("/proc/self/exe", argv);
}

// A configuration file in a folder of its own, named to the device through FAKEV4L2_CONFIG.
class Config
{
public:
    Config()
    {
        qputenv("FAKEV4L2_CONFIG", ConfigPath().toLocal8Bit());
    }
    ~Config() { qunsetenv("FAKEV4L2_CONFIG"); }

    QString ConfigPath() const { return dir.filePath(QStringLiteral("config.json")); }
    QString StatePath() const { return dir.filePath(QStringLiteral("state.json")); }

    // Writes the cameras (each a "devices" entry) and waits until the device has read them. The
    // file is replaced in one step, so the device never reads half of it.
    bool Write(const QJsonArray &devices, int timeoutMs = 3000)
    {
        const int number = ++serial;
        QJsonObject root{{"state", StatePath()}, {"serial", number}, {"devices", devices}};
        QSaveFile f(ConfigPath());
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(QJsonDocument(root).toJson());
        if (!f.commit())
            return false;
        // The device looks at its configuration whenever a program touches a video node.
        for (int waited = 0; waited < timeoutMs; waited += 5) {
            access("/dev/video0", F_OK);
            if (State().value(QStringLiteral("serial")).toInt() == number)
                return true;
            usleep(5000);
        }
        return false;
    }

    // The device's report: {"devices": [{node, present, format, width, height, fps, frames, lost,
    // controls: {id: value}, ...}], "ioctls": {name: count}}.
    QJsonObject State() const
    {
        QFile f(StatePath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }

    QJsonObject Device(int index = 0) const
    {
        return State().value(QStringLiteral("devices")).toArray().at(index).toObject();
    }

    int ControlValue(uint32_t id, int index = 0) const
    {
        return Device(index).value(QStringLiteral("controls")).toObject().value(QString::number(id)).toInt(-1);
    }

private:
    QTemporaryDir dir;
    int serial = 0;
};

} // namespace FakeV4L2
