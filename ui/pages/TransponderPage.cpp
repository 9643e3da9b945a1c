// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransponderPage.h"

#include "PageTexts.h"
#include "ui/lists/DatabaseRows.h"
#include "ui/lists/ReportList.h"
#include "ui/pages/SatelliteChoiceList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace k510::ui {

namespace {

std::vector<ReportColumn> transponderColumns()
{
    return {
        {QStringLiteral("#"), 40, ColumnOrder::Numeric},
        {QStringLiteral("Поляриз."), 60, ColumnOrder::Text},
        {QStringLiteral("Частота"), 60, ColumnOrder::Numeric},
        {QStringLiteral("Скорость"), 70, ColumnOrder::Numeric},
        {QStringLiteral("FEC"), 0, ColumnOrder::Numeric, true},
    };
}

} // namespace

TransponderPage::TransponderPage(const ChannelDatabase &db, QWidget *parent)
    : QWidget(parent), m_rows(new TransponderRows(db, titlesOf(transponderColumns()), this)),
      m_list(new ReportList(QStringLiteral("lvTpView"), transponderColumns(), ReportList::Selection::Multiple, m_rows,
                            this)),
      m_selector(new SatelliteChoiceList(QStringLiteral("cbTpSelectSat"), this))
{
    setObjectName(QStringLiteral("sheetTp"));
    auto *chooser = new QVBoxLayout;
    chooser->setSpacing(2);
    chooser->addWidget(new QLabel(QStringLiteral("Выберите спутник:"), this));
    chooser->addWidget(m_selector, 1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list, 1);
    layout->addLayout(chooser);
    m_selector->setFixedWidth(m_selector->fontMetrics().horizontalAdvance(QStringLiteral("M")) * 14);
}

void TransponderPage::refill()
{
    m_rows->showSatellite(m_selector->currentIndex() - 1);
}

void TransponderPage::showChanges()
{
    m_rows->refresh();
}

int TransponderPage::transponderIndexOfRow(int row) const
{
    return m_list->identityOf(row);
}

void TransponderPage::reset()
{
    m_rows->clear();
    resetSelector();
}

void TransponderPage::resetSelector()
{
    m_selector->clear();
    m_selector->addEntry(allSatellitesText());
}

} // namespace k510::ui
