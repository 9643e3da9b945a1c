// SPDX-License-Identifier: GPL-3.0-or-later
#include "FavouritesPage.h"

#include "ui/lists/ChannelFilterRow.h"
#include "FindField.h"
#include "ui/lists/ChannelTexts.h"
#include "ui/lists/FavouriteRows.h"
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

FavouritesPage::FavouritesPage(const ChannelDatabase &db, ChannelKind kind, QWidget *parent)
    : ChannelListPage(db, kind, true, parent), m_rows(new FavouriteRows(db, kind, this)),
      m_list(new ReportList(kind == ChannelKind::Tv ? QStringLiteral("lvTvFavCh") : QStringLiteral("lvRadioFavCh"),
                            channelListColumns(40), ReportList::Selection::Multiple, m_rows, this)),
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
    layout->addWidget(filterRow(), 2, 0);
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

void FavouritesPage::prepareGroups()
{
    if (m_groups->count() == 0) {
        for (int group = 1; group <= kFavouriteGroupCount; ++group)
            m_groups->addItem(fromWindows1251(database().groupName(kind(), group)));
    }
    if (m_groups->currentIndex() < 0)
        m_groups->setCurrentIndex(0);
}

void FavouritesPage::refill()
{
    filterRow()->nameGroups(database(), kind());
    m_rows->showGroup(groupIndex());
}

void FavouritesPage::reset()
{
    m_rows->clear();
    m_groups->clear();
}

} // namespace k510::ui
