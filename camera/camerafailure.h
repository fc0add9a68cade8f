// SPDX-License-Identifier: GPL-3.0-or-later
// CameraFailureText: the camera library's failure reason in the user's language.
#pragma once

#include <QString>

// The known English texts of CamGetLastError translated; any other text comes back unchanged,
// so that a newer library's reasons still show.
QString CameraFailureText(const QString &libraryText);
