// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelPage.h"

#include "FindField.h"
#include "PageTexts.h"
#include "ui/lists/ChannelRows.h"
#include "InfoPanel.h"
#include "ui/lists/ReportList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace k510::ui {

ChannelPage::ChannelPage(ChannelKind kind, QWidget *parent)
    : ChannelListPage(parent), m_kind(kind),
      m_list(new ReportList(kind == ChannelKind::Tv ? QStringLiteral("lvTvCh") : QStringLiteral("lvRadioCh"),
                            channelListColumns(47), ReportList::Selection::Multiple, this)),
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
    layout->addItem(new QSpacerItem(0, 2), 2, 0);
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

int ChannelPage::channelIndexOfRow(const ChannelDatabase &db, int row) const
{
    const int k = m_list->referenceOf(row) - 1;
    if (k < 0)
        return -1;
    if (!showsWholeOrder())
        return db.channelAt(k) ? k : -1;
    return db.channelIndexAtPlace(m_kind, k);
}

void ChannelPage::refill(const ChannelDatabase &db)
{
    ReportRows &rows = m_list->rows();
    const ReportRows::UpdateBracket bracket(rows);
    rows.clear();
    const int entry = m_selector->currentIndex();
    if (entry <= 0) {
        const bool tv = m_kind == ChannelKind::Tv;
        const int count = int(tv ? db.tvOrder.size() : db.radioOrder.size());
        rows.reserve(count);
        for (int position = 0; position < count; ++position)
            AddChannelRow(rows, db, position, tv ? ChannelRowMode::ByTvOrder : ChannelRowMode::ByRadioOrder);
        return;
    }
    if (size_t(entry) > db.satellites.size())
        return;
    for (int tpIndex : db.satellites[size_t(entry - 1)].transponderIndices) {
        if (tpIndex < 0 || size_t(tpIndex) >= db.transponders.size())
            continue;
        const Transponder &transponder = db.transponders[size_t(tpIndex)];
        const auto &channels = m_kind == ChannelKind::Tv ? transponder.tvChannelIndices
                                                         : transponder.radioChannelIndices;
        for (int channelIndex : channels)
            AddChannelRow(rows, db, channelIndex, ChannelRowMode::ByChannel);
    }
}

void ChannelPage::reset()
{
    m_list->rows().clear();
    m_selector->clear();
    m_selector->addItem(allSatellitesText());
}

void ChannelPage::addSatelliteEntry(const QString &name)
{
    m_selector->addItem(name);
}

} // namespace k510::ui
