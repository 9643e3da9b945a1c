// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelPage.h"

#include "ui/lists/ChannelFilterRow.h"
#include "FindField.h"
#include "PageTexts.h"
#include "ui/lists/ChannelRows.h"
#include "ui/lists/ChannelTexts.h"
#include "InfoPanel.h"
#include "ui/lists/ReportList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace k510::ui {

ChannelPage::ChannelPage(const ChannelDatabase &db, ChannelKind kind, QWidget *parent)
    : ChannelListPage(db, kind, false, parent), m_rows(new ChannelRows(db, kind, this)),
      m_list(new ReportList(kind == ChannelKind::Tv ? QStringLiteral("lvTvCh") : QStringLiteral("lvRadioCh"),
                            channelListColumns(47), ReportList::Selection::Multiple, m_rows, this)),
      m_selector(new QComboBox(this)),
      m_info(new InfoPanel(kind == ChannelKind::Tv ? QStringLiteral("Tv") : QStringLiteral("Radio"), this)),
      m_find(new FindField(kind == ChannelKind::Tv ? QStringLiteral("edTvFind") : QStringLiteral("edRadioFind"), this))
{
    setObjectName(kind == ChannelKind::Tv ? QStringLiteral("sheetTv") : QStringLiteral("sheetRadio"));
    m_selector->setObjectName(kind == ChannelKind::Tv ? QStringLiteral("cbTvSelectSat")
                                                      : QStringLiteral("cbRadioSelectSat"));
    m_selector->setEditable(false);
    m_selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_selector->setMinimumContentsLength(16);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setVerticalSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Выберите спутник:"), this), 0, 0);
    auto *chooser = new QHBoxLayout;
    chooser->addWidget(m_selector);
    chooser->addStretch(1);
    chooser->addWidget(m_find);
    layout->addLayout(chooser, 1, 0);
    layout->addWidget(filterRow(), 2, 0);
    layout->addWidget(m_list, 3, 0);
    layout->addWidget(m_info, 0, 1, 4, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);
    wireFindField();
}

bool ChannelPage::showsWholeOrder() const
{
    return m_selector->currentIndex() <= 0;
}

void ChannelPage::refill()
{
    const int entry = m_selector->currentIndex();
    filterRow()->offerTransponders(database(), entry - 1);
    filterRow()->nameGroups(database(), kind());
    if (entry <= 0)
        m_rows->showWholeOrder();
    else
        m_rows->showSatellite(entry - 1);
}

void ChannelPage::reset()
{
    m_rows->clear();
    resetSelector();
}

void ChannelPage::resetSelector()
{
    m_selector->clear();
    m_selector->addItem(allSatellitesText());
}

void ChannelPage::addSatelliteEntry(const QString &name)
{
    m_selector->addItem(name);
}

} // namespace k510::ui
