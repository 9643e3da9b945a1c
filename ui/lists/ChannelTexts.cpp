// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelTexts.h"

#include "ModelStrings.h"
#include "model/Conversions.h"
#include "model/DisplayTexts.h"

namespace k510::ui {

namespace {

QString decimal(unsigned value)
{
    return QString::number(value);
}

} // namespace

std::vector<ReportColumn> channelListColumns(int numberWidth)
{
    return {
        {QStringLiteral("#"), numberWidth, ColumnOrder::Numeric},
        {QStringLiteral("Название"), 0, ColumnOrder::Text, true},
        {QStringLiteral("Блок."), 40, ColumnOrder::Text},
        {QStringLiteral("FTA"), 35, ColumnOrder::Text},
        {QStringLiteral("Частота"), 70, ColumnOrder::Numeric},
        {QStringLiteral("Поляризация"), 0, ColumnOrder::Text},
    };
}

QString frequencyText(const Transponder &transponder)
{
    return QString::fromStdString(bcdText(transponder.frequency));
}

QString symbolRateText(const Transponder &transponder)
{
    return QString::fromStdString(bcdText(transponder.symbolRate));
}

QString channelCellText(const ChannelDatabase &db, int channelIndex, int column)
{
    const Channel *channel = db.channelAt(channelIndex);
    if (!channel)
        return {};
    const Transponder *transponder = column >= 4 ? db.transponderOf(*channel) : nullptr;
    switch (column) {
    case 1: return fromWindows1251(channel->nameText());
    case 2: return channel->isLocked() ? QStringLiteral("+") : QStringLiteral("-");
    case 3: return channel->isScrambled() ? QStringLiteral("-") : QStringLiteral("+");
    case 4: return transponder ? frequencyText(*transponder) : QString();
    case 5: return transponder ? QString::fromStdString(polarisationText(transponder->polarisation)) : QString();
    case kChannelSatelliteColumn: {
        const Satellite *satellite = transponder ? db.satelliteOf(*transponder) : nullptr;
        return satellite ? fromWindows1251(satellite->name) : QString();
    }
    default: return {};
    }
}

ReportColumn satelliteColumn()
{
    return {QStringLiteral("Спутник"), 110, ColumnOrder::Text};
}

QString channelToolTip(const ChannelDatabase &db, int channelIndex)
{
    const auto info = channelInfo(db, channelIndex);
    if (!info)
        return {};
    const QString none = QStringLiteral("нет");
    const QString transponder = info->transponder.trimmed();
    return QStringLiteral("Спутник: %1\nТранспондер: %2")
        .arg(info->satellite.isEmpty() ? none : info->satellite, transponder.isEmpty() ? none : transponder);
}

QStringList channelRowCells(const ChannelDatabase &db, int channelIndex, int number)
{
    QStringList cells{QString::number(number)};
    for (int column = 1; column < 6; ++column)
        cells.append(channelCellText(db, channelIndex, column));
    return cells;
}

std::optional<ChannelInfo> channelInfo(const ChannelDatabase &db, int channelIndex)
{
    const Channel *channel = db.channelAt(channelIndex);
    if (!channel)
        return std::nullopt;
    ChannelInfo info;
    info.serviceId = decimal(channel->serviceId);
    info.pmtPid = decimal(channel->pmtPid);
    info.videoPid = decimal(channel->videoPid);
    info.audioPid = decimal(channel->audioPid);
    info.pcrPid = decimal(channel->pcrPid);
    if (const Transponder *transponder = db.transponderOf(*channel)) {
        info.transponder = (transponder->polarisation ? QStringLiteral(" V") : QStringLiteral(" H")) + '/'
                           + frequencyText(*transponder) + '/' + symbolRateText(*transponder);
        if (const Satellite *satellite = db.satelliteOf(*transponder))
            info.satellite = fromWindows1251(satellite->name);
    }
    return info;
}

} // namespace k510::ui
