// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRows.h"

#include "ModelStrings.h"
#include "ReportRows.h"
#include "model/Conversions.h"
#include "model/DisplayTexts.h"

namespace k510::ui {

namespace {

int channelIndexOf(const ChannelDatabase &db, int index, ChannelRowMode mode)
{
    switch (mode) {
    case ChannelRowMode::ByChannel:
        return db.channelAt(index) ? index : -1;
    case ChannelRowMode::ByTvOrder:
        return db.channelIndexOfTvOrder(index);
    case ChannelRowMode::ByRadioOrder:
        return db.channelIndexOfRadioOrder(index);
    }
    return -1;
}

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

QStringList channelRowCells(const ChannelDatabase &db, int channelIndex, int number)
{
    const Channel *channel = db.channelAt(channelIndex);
    if (!channel)
        return {QString::number(number), {}, {}, {}, {}, {}};
    const Transponder *transponder = db.transponderOf(*channel);
    return {
        QString::number(number),
        fromWindows1251(channel->nameText()),
        channel->isLocked() ? QStringLiteral("+") : QStringLiteral("-"),
        channel->isScrambled() ? QStringLiteral("-") : QStringLiteral("+"),
        transponder ? frequencyText(*transponder) : QString(),
        transponder ? QString::fromStdString(polarisationText(transponder->polarisation)) : QString(),
    };
}

int AddChannelRow(ReportRows &list, const ChannelDatabase &db, int index, ChannelRowMode mode, int position)
{
    if (index < 0)
        return -1;
    return list.insertRow({channelRowCells(db, channelIndexOf(db, index, mode), index + 1)}, position);
}

void addNumberedChannelRow(ReportRows &list, const ChannelDatabase &db, int channelIndex, int number)
{
    list.insertRow({channelRowCells(db, channelIndex, number)});
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
