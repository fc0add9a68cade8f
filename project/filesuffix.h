// SPDX-License-Identifier: GPL-3.0-or-later
// DefaultSuffix: the extension a saved file gets when the user typed a name without one.
#pragma once

#include <QFileInfo>
#include <QString>

// fileName with ".suffix" appended when its last part has no extension, so that the file shows
// in an Open dialog filtered by that extension; a name with any extension is kept as typed.
inline QString WithDefaultSuffix(const QString &fileName, const QString &suffix)
{
    if (fileName.isEmpty() || fileName.endsWith(QLatin1Char('/')))
        return fileName;
    const QString base = QFileInfo(fileName).fileName();
    // ".hidden" is a name, not an extension; "name." ends in an empty one.
    const int dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot > 0 && dot < base.size() - 1)
        return fileName;
    if (dot == base.size() - 1 && dot > 0)
        return fileName + suffix;
    return fileName + QLatin1Char('.') + suffix;
}
