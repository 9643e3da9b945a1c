// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportRows.h"

#include "model/ChannelIdentity.h"
#include "model/DisplayTexts.h"
#include "ui/lists/ChannelTexts.h"
#include "ui/lists/ModelStrings.h"

#include <cstdlib>

namespace k510::ui {

QString transponderText(const Transponder &tp)
{
    return QStringLiteral("%1 %2 %3")
        .arg(frequencyText(tp), QString::fromStdString(polarisationText(tp.polarisation)), symbolRateText(tp));
}

ImportRows::ImportRows(const ChannelDatabase &source, QStringList columnTitles, ChannelTest shown, ChannelTest there,
                       QObject *parent)
    : ListRows(std::move(columnTitles), parent), m_source(source), m_shown(std::move(shown)),
      m_there(std::move(there))
{
}

std::vector<ListRows::Row> ImportRows::readRows() const
{
    std::vector<Row> rows;
    int listed = 0;
    for (const ChannelKind kind : kBothKinds) {
        for (const int number : listedNumbers(m_source, kind)) {
            ++listed;
            if (m_shown(kind, number))
                rows.push_back({isRadio(kind) ? -number : number, listed});
        }
    }
    return rows;
}

QString ImportRows::cellText(const Row &row, int column) const
{
    const ChannelKind kind = row.identity < 0 ? ChannelKind::Radio : ChannelKind::Tv;
    const int number = std::abs(row.identity);
    const Channel *channel = m_source.channel(kind, number);
    if (!channel)
        return {};
    const Transponder *tp = m_source.transponderOf(*channel);
    const Satellite *sat = tp ? m_source.satelliteOf(*tp) : nullptr;
    switch (column) {
    case 1: return fromWindows1251(channel->nameText());
    case 2: return isRadio(kind) ? QStringLiteral("Радио") : QStringLiteral("ТВ");
    case 3: return sat ? fromWindows1251(sat->name) : QString();
    case 4: return tp ? transponderText(*tp) : QString();
    case 5: return channel->isScrambled() ? QStringLiteral("-") : QStringLiteral("+");
    case 6: return m_there(kind, number) ? QStringLiteral("есть") : QString();
    default: return {};
    }
}

} // namespace k510::ui
