// SPDX-License-Identifier: GPL-3.0-or-later
// The button that opens the training history.
#include "historybutton.h"

#include <QEvent>

HistoryButton::HistoryButton(QWidget *parent) : QPushButton(parent)
{
    setObjectName(QStringLiteral("pushButtonHistory"));
    setText(tr("Verlauf"));
}

void HistoryButton::changeEvent(QEvent *event)
{
    // The main window's form is retranslated by the main window; this button is not part of it.
    if (event->type() == QEvent::LanguageChange)
        setText(tr("Verlauf"));
    QPushButton::changeEvent(event);
}
