// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelListPage.h"

#include "FindField.h"
#include "InfoPanel.h"
#include "ui/lists/ChannelTexts.h"
#include "ui/lists/ReportList.h"

#include <algorithm>

namespace k510::ui {

ChannelListPage::ChannelListPage(const ChannelDatabase &db, QWidget *parent) : QWidget(parent), m_db(db) {}

int ChannelListPage::channelIndexOfRow(int row) const
{
    return list()->identityOf(row);
}

void ChannelListPage::showChanges()
{
    list()->rows().refresh();
}

void ChannelListPage::wireFindField()
{
    connect(findField(), &QLineEdit::textChanged, this, [this](const QString &text) {
        list()->setRowFilter(1, text);
        emit rowFilterChanged();
    });
}

void ChannelListPage::followSelection()
{
    connect(list(), &ReportList::rowClicked, this, [this](int, Qt::KeyboardModifiers modifiers) {
        if (!modifiers.testFlag(Qt::ControlModifier))
            showChannelOfSelectedRow();
    });
    // A refill or a filter may take the selected row away: the panel never
    // shows a channel the list does not show selected.
    connect(&list()->rows(), &QAbstractItemModel::modelReset, this, [this] { showSelectedChannel(); });
    connect(&list()->rows(), &ListRows::refreshed, this, [this] { showSelectedChannel(); });
    connect(this, &ChannelListPage::rowFilterChanged, this, [this] { showSelectedChannel(); });
    // The list has handled the key already and moved or extended the selection.
    connect(list(), &ReportList::keyHandled, this, [this](int key, Qt::KeyboardModifiers modifiers) {
        if (list()->rowCount() > 0 && !modifiers.testFlag(Qt::ControlModifier) && key != Qt::Key_Control)
            showChannelOfSelectedRow();
    });
}

void ChannelListPage::focusFindField()
{
    findField()->setFocus(Qt::ShortcutFocusReason);
    findField()->selectAll();
}

void ChannelListPage::showChannelOfSelectedRow()
{
    const int row = list()->firstSelectedRow();
    if (row < 0)
        return;
    if (const auto info = channelInfo(m_db, channelIndexOfRow(row)))
        infoPanel()->showInfo(*info);
}

void ChannelListPage::showSelectedChannel()
{
    const int row = list()->firstSelectedRow();
    const auto info = row < 0 ? std::nullopt : channelInfo(m_db, channelIndexOfRow(row));
    infoPanel()->showInfo(info.value_or(ChannelInfo{}));
}

int ChannelListPage::selectChannels(const std::vector<int> &channelIndices)
{
    ReportList &rows = *list();
    std::vector<int> selected;
    for (int row = 0; row < rows.rowCount(); ++row)
        if (std::binary_search(channelIndices.begin(), channelIndices.end(), channelIndexOfRow(row)))
            selected.push_back(row);
    rows.selectRows(selected);
    showSelectedChannel();
    return int(selected.size());
}

} // namespace k510::ui
