// SPDX-License-Identifier: GPL-3.0-or-later
// Group figures as text, translated in the context "GroupFigures".
#include "groupfigures.h"

#include <QCoreApplication>

#include <cmath>

QString LengthText(const std::optional<double> &value, const QString &unit)
{
    if (!value)
        return QCoreApplication::translate("GroupFigures", "n/a");
    return QStringLiteral("%1 %2").arg(QString::number(*value, 'f', 1), unit);
}

QList<FigureLine> GroupFigureLines(const GroupStats &s, const QString &unit)
{
    QList<FigureLine> lines;
    lines << FigureLine(QCoreApplication::translate("GroupFigures", "Schüsse"), QString::number(s.count));
    QString mean = QCoreApplication::translate("GroupFigures", "n/a");
    if (s.meanPoint) {
        const double x = s.meanPoint->x(), y = s.meanPoint->y();
        // Scene y grows downward: a negative offset is high.
        mean = QStringLiteral("%1 %2, %3 %4")
                   .arg(LengthText(std::fabs(x), unit), x < 0 ? QCoreApplication::translate("GroupFigures", "links") : QCoreApplication::translate("GroupFigures", "rechts"),
                        LengthText(std::fabs(y), unit), y < 0 ? QCoreApplication::translate("GroupFigures", "hoch") : QCoreApplication::translate("GroupFigures", "tief"));
    }
    lines << FigureLine(QCoreApplication::translate("GroupFigures", "Mittlerer Treffpunkt"), mean);
    lines << FigureLine(QCoreApplication::translate("GroupFigures", "Größte Streuung"), LengthText(s.extremeSpread, unit));
    lines << FigureLine(QCoreApplication::translate("GroupFigures", "Mittlerer Radius"), LengthText(s.meanRadius, unit));
    lines << FigureLine(QCoreApplication::translate("GroupFigures", "Standardabweichung waagerecht"), LengthText(s.sdX, unit));
    lines << FigureLine(QCoreApplication::translate("GroupFigures", "Standardabweichung senkrecht"), LengthText(s.sdY, unit));
    return lines;
}
