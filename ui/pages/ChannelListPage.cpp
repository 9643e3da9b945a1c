// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelListPage.h"

#include "FindField.h"
#include "InfoPanel.h"
#include "ui/lists/ChannelRows.h"
#include "ui/lists/ReportList.h"

#include <algorithm>

namespace k510::ui {

void ChannelListPage::wireFindField()
{
    connect(findField(), &QLineEdit::textChanged, this, [this](const QString &text) {
        list()->setRowFilter(1, text);
        emit rowFilterChanged();
    });
}

void ChannelListPage::followSelection(const ChannelDatabase &db)
{
    connect(list(), &ReportList::rowClicked, this, [this, &db](int, Qt::KeyboardModifiers modifiers) {
        if (!modifiers.testFlag(Qt::ControlModifier))
            showChannelOfSelectedRow(db);
    });
    // A refill or a filter may take the selected row away: the panel never
    // shows a channel the list does not show selected.
    connect(list()->model(), &QAbstractItemModel::modelReset, this, [this, &db] { showSelectedChannel(db); });
    connect(this, &ChannelListPage::rowFilterChanged, this, [this, &db] { showSelectedChannel(db); });
    // The list has handled the key already and moved or extended the selection.
    connect(list(), &ReportList::keyHandled, this, [this, &db](int key, Qt::KeyboardModifiers modifiers) {
        if (list()->rowCount() > 0 && !modifiers.testFlag(Qt::ControlModifier) && key != Qt::Key_Control)
            showChannelOfSelectedRow(db);
    });
}

void ChannelListPage::focusFindField()
{
    findField()->setFocus(Qt::ShortcutFocusReason);
    findField()->selectAll();
}

void ChannelListPage::showChannelOfSelectedRow(const ChannelDatabase &db)
{
    const int row = list()->firstSelectedRow();
    if (row < 0)
        return;
    if (const auto info = channelInfo(db, channelIndexOfRow(db, row)))
        infoPanel()->showInfo(*info);
}

void ChannelListPage::showSelectedChannel(const ChannelDatabase &db)
{
    const int row = list()->firstSelectedRow();
    const auto info = row < 0 ? std::nullopt : channelInfo(db, channelIndexOfRow(db, row));
    infoPanel()->showInfo(info.value_or(ChannelInfo{}));
}

int ChannelListPage::selectChannels(const ChannelDatabase &db, const std::vector<int> &channelIndices)
{
    ReportList &rows = *list();
    std::vector<int> selected;
    for (int row = 0; row < rows.rowCount(); ++row)
        if (!rows.isRowHidden(row)
            && std::binary_search(channelIndices.begin(), channelIndices.end(), channelIndexOfRow(db, row)))
            selected.push_back(row);
    rows.selectRows(selected);
    showSelectedChannel(db);
    return int(selected.size());
}

} // namespace k510::ui
