// SPDX-License-Identifier: GPL-3.0-or-later
// CameraFailureText: the table of the camera library's failure texts.
#include "camerafailure.h"

#include <QCoreApplication>

namespace {

struct Reason
{
    const char *library;
    const char *shown;
};

// German source texts in the "Camera" context, as the camera's own texts.
const Reason Reasons[] = {
    {"no such device", QT_TRANSLATE_NOOP("Camera", "Gerät nicht vorhanden")},
    {"file not found", QT_TRANSLATE_NOOP("Camera", "Datei nicht gefunden")},
    {"file not readable", QT_TRANSLATE_NOOP("Camera", "Datei nicht lesbar")},
    {"permission denied", QT_TRANSLATE_NOOP("Camera", "Zugriff verweigert")},
    {"not a video file", QT_TRANSLATE_NOOP("Camera", "Keine Videodatei")},
    {"no pictures in the file", QT_TRANSLATE_NOOP("Camera", "Keine Bilder in der Datei")},
    {"scenario unreadable", QT_TRANSLATE_NOOP("Camera", "Szenario nicht lesbar")},
    {"device busy", QT_TRANSLATE_NOOP("Camera", "Gerät belegt")},
    {"device failed to open", QT_TRANSLATE_NOOP("Camera", "Gerät lässt sich nicht öffnen")},
    {"device stopped delivering", QT_TRANSLATE_NOOP("Camera", "Gerät liefert keine Bilder mehr")},
    {"another camera is open", QT_TRANSLATE_NOOP("Camera", "Eine andere Kamera ist geöffnet")},
};

} // namespace

QString CameraFailureText(const QString &libraryText)
{
    for (const Reason &r : Reasons)
        if (libraryText == QLatin1String(r.library))
            return QCoreApplication::translate("Camera", r.shown);
    return libraryText;
}
