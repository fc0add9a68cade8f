// SPDX-License-Identifier: GPL-3.0-or-later
// UndoNotice: a status-bar note of what replaced the set-up, with a button that takes it back.
#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

class UndoNotice : public QWidget
{
    Q_OBJECT

public:
    explicit UndoNotice(QWidget *parent = nullptr);

    // Shows the text with the undo button for a while (hidden again after timeoutMs).
    void Offer(const QString &text, int timeoutMs = 20000);
    void Withdraw();
    void Retranslate();
    QString Text() const;
    QPushButton *UndoButton() const { return button; }

signals:
    void UndoRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    QLabel *label;
    QPushButton *button;
    QTimer expiry;
};
