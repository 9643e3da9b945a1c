// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ComparisonSections.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace k510::ui {

// The comparison of the open database with another (a file, a copy of the
// history, what the receiver holds), in a window of its own beside the
// editor: one branch per section, titled with its count, "Нет различий"
// when there are none. Clicking a line that names a channel of the open
// database (or Enter on it) asks for that channel to be selected there.
class ComparisonWindow : public QWidget {
    Q_OBJECT
public:
    using SelectChannel = std::function<void(const ComparedChannel &)>;

    ComparisonWindow(QWidget *parent, SelectChannel selectChannel);

    // Compares and shows the result, the window brought to the front.
    // `whereOther` says where the other database is, as in "Что в ресивере
    // иначе": "в ресивере", "в файле «list.k5d»".
    void showComparison(const ChannelDatabase &open, const ChannelDatabase &other, const QString &whereOther);

    [[nodiscard]] const std::vector<ComparisonSection> &sections() const { return m_sections; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void lineChosen(QTreeWidgetItem *item);

    SelectChannel m_selectChannel;
    QLabel *m_title = nullptr;
    QTreeWidget *m_tree = nullptr;
    std::vector<ComparisonSection> m_sections;
};

} // namespace k510::ui
