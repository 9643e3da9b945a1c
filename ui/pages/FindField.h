// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace k510::ui {

// The "Поиск" field above a channel list: while it holds text the list shows
// only the channels whose name contains it. Escape clears it, and it looks
// different while it filters, so a shortened list is never taken for the
// whole one.
class FindField : public QLineEdit {
    Q_OBJECT
public:
    FindField(const QString &objectName, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showWhetherFiltering();
};

} // namespace k510::ui
