// SPDX-License-Identifier: GPL-3.0-or-later
// HistoryButton: the Game page's button that opens the training history, with its text in the
// language of the moment.
#pragma once

#include <QPushButton>

class HistoryButton : public QPushButton
{
    Q_OBJECT

public:
    explicit HistoryButton(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;
};
