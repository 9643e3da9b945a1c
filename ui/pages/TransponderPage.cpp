// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransponderPage.h"

#include "PageTexts.h"
#include "model/DisplayTexts.h"
#include "ui/lists/ChannelRows.h"
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

ReportRow transponderRow(const Transponder &transponder, int number)
{
    return {{
        QString::number(number),
        QString::fromStdString(polarisationText(transponder.polarisation)),
        frequencyText(transponder),
        symbolRateText(transponder),
        QString::fromStdString(fecText(transponder.fec)),
    }};
}

} // namespace

TransponderPage::TransponderPage(QWidget *parent)
    : QWidget(parent),
      m_list(new ReportList(QStringLiteral("lvTpView"), transponderColumns(), ReportList::Selection::Multiple, this)),
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

void TransponderPage::refill(const ChannelDatabase &db)
{
    ReportRows &rows = m_list->rows();
    const ReportRows::UpdateBracket bracket(rows);
    rows.clear();
    const int entry = m_selector->currentIndex();
    if (entry <= 0) {
        rows.reserve(int(db.transponders.size()));
        for (size_t i = 0; i < db.transponders.size(); ++i)
            rows.insertRow(transponderRow(db.transponders[i], int(i) + 1));
        return;
    }
    if (size_t(entry) > db.satellites.size())
        return;
    int number = 0;
    for (int index : db.satellites[size_t(entry - 1)].transponderIndices) {
        if (index >= 0 && size_t(index) < db.transponders.size())
            rows.insertRow(transponderRow(db.transponders[size_t(index)], ++number));
    }
}

int TransponderPage::transponderIndexOfRow(const ChannelDatabase &db, int row) const
{
    const int n = m_list->referenceOf(row);
    const int entry = m_selector->currentIndex();
    int index = n - 1;
    if (entry > 0) {
        if (std::size_t(entry) > db.satellites.size())
            return -1;
        const std::vector<int> &indices = db.satellites[std::size_t(entry - 1)].transponderIndices;
        index = n >= 1 && std::size_t(n) <= indices.size() ? indices[std::size_t(n - 1)] : -1;
    }
    return index >= 0 && std::size_t(index) < db.transponders.size() ? index : -1;
}

void TransponderPage::showTransponder(int row, const Transponder &transponder)
{
    const QStringList cells = transponderRow(transponder, 0).cells;
    for (int column = 1; column < cells.size(); ++column)
        m_list->rows().setText(row, column, cells[column]);
}

int TransponderPage::appendTransponderRow(const Transponder &transponder, int number)
{
    return m_list->rows().insertRow(transponderRow(transponder, number));
}

void TransponderPage::reset()
{
    m_list->rows().clear();
    m_selector->clear();
    m_selector->addEntry(allSatellitesText());
}

} // namespace k510::ui
