// SPDX-License-Identifier: GPL-3.0-or-later
#include "FavouritesPage.h"

#include "FindField.h"
#include "ui/lists/ChannelRows.h"
#include "InfoPanel.h"
#include "ui/lists/ModelStrings.h"
#include "ui/lists/ReportList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace k510::ui {

FavouritesPage::FavouritesPage(ChannelKind kind, QWidget *parent)
    : ChannelListPage(parent), m_kind(kind),
      m_list(new ReportList(kind == ChannelKind::Tv ? QStringLiteral("lvTvFavCh") : QStringLiteral("lvRadioFavCh"),
                            channelListColumns(40), ReportList::Selection::Multiple, this)),
      m_groups(new QComboBox(this)),
      m_rename(new QPushButton(QStringLiteral("R"), this)),
      m_info(new InfoPanel(kind == ChannelKind::Tv ? QStringLiteral("TvFav") : QStringLiteral("RadioFav"), this)),
      m_find(new FindField(kind == ChannelKind::Tv ? QStringLiteral("edTvFavFind") : QStringLiteral("edRadioFavFind"),
                           this))
{
    const bool tv = kind == ChannelKind::Tv;
    setObjectName(tv ? QStringLiteral("sheetFavTv") : QStringLiteral("sheetFavRadio"));
    m_groups->setObjectName(tv ? QStringLiteral("cbFavTvGrp") : QStringLiteral("cbFavRadioGrp"));
    m_groups->setEditable(false);
    m_groups->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_groups->setMinimumContentsLength(16);
    m_rename->setObjectName(tv ? QStringLiteral("ren1") : QStringLiteral("ren2"));
    m_rename->setToolTip(QStringLiteral("Переименовать группу"));
    const int buttonSide = m_groups->sizeHint().height();
    m_rename->setFixedSize(buttonSide, buttonSide);

    auto *chooser = new QHBoxLayout;
    chooser->setSpacing(4);
    chooser->addWidget(m_groups);
    chooser->addWidget(m_rename);
    chooser->addStretch(1);
    chooser->addWidget(m_find);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setVerticalSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Выберите группу:"), this), 0, 0);
    layout->addLayout(chooser, 1, 0);
    layout->addItem(new QSpacerItem(0, 2), 2, 0);
    layout->addWidget(m_list, 3, 0);
    layout->addWidget(m_info, 0, 1, 4, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);
    wireFindField();
}

int FavouritesPage::groupIndex() const
{
    return std::clamp(m_groups->currentIndex(), 0, kFavouriteGroupCount - 1);
}

const FavouriteGroup &FavouritesPage::chosenGroup(const ChannelDatabase &db) const
{
    return db.favourites(m_kind)[size_t(groupIndex())];
}

int FavouritesPage::channelIndexOfEntry(const ChannelDatabase &db, int entry) const
{
    return db.channelIndex(m_kind, entry);
}

int FavouritesPage::channelIndexOfRow(const ChannelDatabase &db, int row) const
{
    const int k = m_list->referenceOf(row) - 1;
    const FavouriteGroup &group = chosenGroup(db);
    if (k < 0 || size_t(k) >= group.size())
        return -1;
    return channelIndexOfEntry(db, group[size_t(k)]);
}

void FavouritesPage::prepareGroups(const ChannelDatabase &db)
{
    if (m_groups->count() == 0) {
        for (int group = 1; group <= kFavouriteGroupCount; ++group)
            m_groups->addItem(fromWindows1251(db.groupName(m_kind, group)));
    }
    if (m_groups->currentIndex() < 0)
        m_groups->setCurrentIndex(0);
}

void FavouritesPage::refill(const ChannelDatabase &db)
{
    ReportRows &rows = m_list->rows();
    const ReportRows::UpdateBracket bracket(rows);
    rows.clear();
    const FavouriteGroup &group = chosenGroup(db);
    rows.reserve(int(group.size()));
    // Every entry gets its row, even one that names no channel, so that row j
    // always stands for entry j of the group.
    for (size_t j = 0; j < group.size(); ++j)
        addNumberedChannelRow(rows, db, channelIndexOfEntry(db, group[j]), int(j) + 1);
}

void FavouritesPage::reset()
{
    m_list->rows().clear();
    m_groups->clear();
}

} // namespace k510::ui
