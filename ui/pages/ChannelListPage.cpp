// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelListPage.h"

#include "ui/lists/ChannelFilterRow.h"
#include "FindField.h"
#include "InfoPanel.h"
#include "ui/lists/ChannelTexts.h"
#include "ui/lists/ReportList.h"

#include <QComboBox>

#include <QShortcut>

#include <algorithm>

namespace k510::ui {

namespace {

QString pagePrefix(ChannelKind kind, bool favourites)
{
    return QLatin1String(isRadio(kind) ? "Radio" : "Tv") + QLatin1String(favourites ? "Fav" : "");
}

} // namespace

ChannelListPage::ChannelListPage(const ChannelDatabase &db, ChannelKind kind, bool favourites, QWidget *parent)
    : QWidget(parent), m_db(db), m_kind(kind), m_favourites(favourites),
      m_filterRow(new ChannelFilterRow(pagePrefix(kind, favourites), !favourites, this))
{
}

int ChannelListPage::channelIndexOfRow(int row) const
{
    return list()->identityOf(row);
}

void ChannelListPage::showChanges()
{
    // A satellite's transponders or a group's name may have changed.
    if (!m_favourites)
        m_filterRow->offerTransponders(m_db, selector()->currentIndex() - 1);
    m_filterRow->nameGroups(m_db, m_kind);
    list()->rows().refresh();
}

void ChannelListPage::wireFindField()
{
    connect(findField(), &QLineEdit::textChanged, this, [this](const QString &text) {
        list()->setRowFilter(1, text);
        m_filterRow->setTextFiltering(!text.isEmpty());
        emit rowFilterChanged();
    });
    connect(m_filterRow, &ChannelFilterRow::conditionsChanged, this, &ChannelListPage::applyConditions);
    connect(m_filterRow, &ChannelFilterRow::resetRequested, this, &ChannelListPage::clearFilters);
    // Esc anywhere on the page shows every row again; while nothing is
    // filtered it is left to others (it closes a dialog).
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &ChannelListPage::clearFilters,
                                 Qt::WidgetWithChildrenShortcut);
    escape->setEnabled(false);
    connect(this, &ChannelListPage::rowFilterChanged, escape, [this, escape] { escape->setEnabled(list()->filtering()); });
}

void ChannelListPage::applyConditions()
{
    list()->setRowConditions(channelRowTest(m_db, m_kind, *m_filterRow, m_newChannels));
    emit rowFilterChanged();
}

void ChannelListPage::clearFilters()
{
    m_filterRow->clear();
    findField()->clear();
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
