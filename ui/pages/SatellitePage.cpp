// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatellitePage.h"

#include "model/DisplayTexts.h"
#include "ui/lists/ModelStrings.h"
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

QStringList cellsOf(const SatelliteRowTexts &texts)
{
    QStringList cells;
    for (const std::string *text : {&texts.number, &texts.name, &texts.lnbType, &texts.power12v, &texts.switchType,
                                    &texts.diseqc10, &texts.diseqc11, &texts.hemisphere, &texts.longitude})
        cells.append(fromWindows1251(*text));
    return cells;
}

} // namespace

SatellitePage::SatellitePage(QWidget *parent)
    : QWidget(parent),
      m_list(new ReportList(QStringLiteral("lvSatView"), satelliteColumns(), ReportList::Selection::Single, this))
{
    setObjectName(QStringLiteral("sheetSat"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
}

void SatellitePage::fill(const ChannelDatabase &db)
{
    ReportRows &rows = m_list->rows();
    {
        const ReportRows::UpdateBracket bracket(rows);
        rows.clear();
        rows.reserve(int(db.satellites.size()));
        for (size_t i = 0; i < db.satellites.size(); ++i)
            rows.insertRow({cellsOf(rowTextsOf(db.satellites[i])), int(i)});
    }
    m_list->fitColumnsToContents();
}

void SatellitePage::showSatellite(int satelliteIndex, const Satellite &satellite)
{
    ReportRows &rows = m_list->rows();
    for (int row = 0; row < rows.count(); ++row) {
        if (rows.tag(row) != satelliteIndex)
            continue;
        const QStringList cells = cellsOf(rowTextsOf(satellite));
        for (int column = 0; column < cells.size(); ++column)
            rows.setText(row, column, cells[column]);
        return;
    }
}

void SatellitePage::reset()
{
    m_list->rows().clear();
}

} // namespace k510::ui
