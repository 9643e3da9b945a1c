// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatellitePage.h"

#include "ui/lists/DatabaseRows.h"
#include "ui/lists/ReportList.h"

#include <QVBoxLayout>

namespace k510::ui {

namespace {

std::vector<ReportColumn> satelliteColumns()
{
    return {
        // Columns widen to their texts but never below these widths; the
        // name takes what is left.
        {QStringLiteral("№"), 30, ColumnOrder::Numeric, false, true},
        {QStringLiteral("Название"), 130, ColumnOrder::Text, true},
        {QStringLiteral("Тип LNB"), 60, ColumnOrder::Text, false, true},
        {QStringLiteral("0/12В"), 50, ColumnOrder::Text, false, true},
        {QStringLiteral("DiSEqC"), 60},
        {QStringLiteral("1.0"), 35, ColumnOrder::Text, false, true},
        {QStringLiteral("1.1"), 35, ColumnOrder::Numeric, false, true},
        {QStringLiteral("E/W"), 40, ColumnOrder::Text, false, true},
        {QStringLiteral("USALS"), 60, ColumnOrder::Numeric, false, true},
    };
}

} // namespace

SatellitePage::SatellitePage(const ChannelDatabase &db, QWidget *parent)
    : QWidget(parent), m_rows(new SatelliteRows(db, titlesOf(satelliteColumns()), this)),
      m_list(new ReportList(QStringLiteral("lvSatView"), satelliteColumns(), ReportList::Selection::Single, m_rows,
                            this))
{
    setObjectName(QStringLiteral("sheetSat"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
}

void SatellitePage::fill()
{
    m_rows->refill();
    m_list->fitColumnsToContents();
}

void SatellitePage::showChanges()
{
    m_rows->refresh();
    m_list->fitColumnsToContents();
}

void SatellitePage::reset()
{
    m_rows->clear();
}

} // namespace k510::ui
