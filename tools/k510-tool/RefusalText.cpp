// SPDX-License-Identifier: GPL-3.0-or-later
#include "RefusalText.h"

#include "NumberList.h"
#include "ToolExit.h"
#include "model/ChannelDatabase.h"
#include "model/TextCodec.h"

#include <QStringList>

using namespace k510;

namespace {

QString limitsText(const CapacityLimits &over)
{
    QStringList parts;
    if (over.tvList)
        parts << QStringLiteral("its tv list (%1 at most)").arg(kOrderCapacity);
    if (over.radioList)
        parts << QStringLiteral("its radio list (%1 at most)").arg(kOrderCapacity);
    if (over.transponders)
        parts << QStringLiteral("its transponders (%1 at most)").arg(kTransponderCapacity);
    if (over.records)
        parts << QStringLiteral("the image's record area");
    return parts.join(QStringLiteral(", "));
}

QString overCapacityText(const Refusal &refusal)
{
    if (refusal.tvAsked + refusal.radioAsked == 0)
        return QStringLiteral("the %1 new transponders do not fit IN").arg(refusal.transpondersAsked);
    return QStringLiteral("the channels do not fit IN: %1 (TV: %2 of %3, radio: %4 of %5 would)")
        .arg(limitsText(refusal.over))
        .arg(refusal.tvThatFit)
        .arg(refusal.tvAsked)
        .arg(refusal.radioThatFit)
        .arg(refusal.radioAsked);
}

QString pastByteText(const Refusal &refusal)
{
    QStringList lines;
    for (const SatelliteLabel &past : refusal.satellites)
        lines << QStringLiteral("satellite %1 \"%2\" of IN is past the 255th: a transponder names its satellite in one"
                                " byte, so no channel can go there")
                     .arg(past.index + 1)
                     .arg(QString::fromStdString(windows1251ToUtf8(past.name)));
    lines << QStringLiteral("choose another satellite with --satellite");
    return lines.join(QLatin1Char('\n') + QLatin1String(kLinePrefix));
}

QString kindText(ChannelKind kind) { return isRadio(kind) ? QStringLiteral("radio") : QStringLiteral("tv"); }

QString noSuchChannelText(const Refusal &refusal)
{
    const bool one = refusal.numbers.size() == 1;
    return QStringLiteral("%1 %2 %3 not exist in IN")
        .arg(kindText(refusal.kind) + (one ? QStringLiteral(" channel") : QStringLiteral(" channels")),
             formatNumberList(refusal.numbers), one ? QStringLiteral("does") : QStringLiteral("do"));
}

QString groupOverflowText(const Refusal &refusal)
{
    return QStringLiteral("%1 group %2 \"%3\" has room for %4 more channels, %5 would join it; none was added")
        .arg(kindText(refusal.kind))
        .arg(refusal.group + 1)
        .arg(QString::fromStdString(windows1251ToUtf8(refusal.groupName)))
        .arg(refusal.room)
        .arg(refusal.asked);
}

} // namespace

QString refusalText(const Refusal &refusal)
{
    switch (refusal.reason) {
    case RefusalReason::OtherDatabase:
        return QStringLiteral("the change was planned for another database than IN");
    case RefusalReason::OverCapacity:
        return overCapacityText(refusal);
    case RefusalReason::SatellitePastByte:
        return pastByteText(refusal);
    case RefusalReason::NoSuchSatellite:
        return QStringLiteral("the satellite the change was planned for is not in IN");
    case RefusalReason::NoSuchChannel:
        return noSuchChannelText(refusal);
    case RefusalReason::NoSuchGroup:
        return QStringLiteral("there is no favourite group %1 (1..%2)").arg(refusal.group + 1).arg(kFavouriteGroupCount);
    case RefusalReason::GroupOverflow:
        return groupOverflowText(refusal);
    case RefusalReason::NamesUnfit:
        return QStringLiteral("the receiver cannot hold the new names of %1 channels %2; nothing was renamed")
            .arg(kindText(refusal.kind), formatNumberList(refusal.numbers));
    }
    return {};
}
