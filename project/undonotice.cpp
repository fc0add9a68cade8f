// SPDX-License-Identifier: GPL-3.0-or-later
// UndoNotice: label, button and the timer that withdraws the offer.
#include "undonotice.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

UndoNotice::UndoNotice(QWidget *parent) : QWidget(parent), label(new QLabel(this)), button(new QPushButton(this))
{
    setObjectName(QStringLiteral("undoNotice"));
    button->setObjectName(QStringLiteral("pushButtonUndoReplace"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(button);
    expiry.setSingleShot(true);
    connect(&expiry, &QTimer::timeout, this, &UndoNotice::Withdraw);
    // Once taken back there is nothing left to undo.
    connect(button, &QPushButton::clicked, this, [this] {
        Withdraw();
        emit UndoRequested();
    });
    Retranslate();
    hide();
}

void UndoNotice::Offer(const QString &text, int timeoutMs)
{
    label->setText(text);
    show();
    expiry.start(timeoutMs);
}

void UndoNotice::Withdraw()
{
    expiry.stop();
    hide();
}

void UndoNotice::Retranslate()
{
    button->setText(tr("Rückgängig"));
}

QString UndoNotice::Text() const
{
    return isVisible() || expiry.isActive() ? label->text() : QString();
}

void UndoNotice::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}
