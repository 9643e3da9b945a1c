// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelPrintRows.h"

#include "model/DisplayTexts.h"
#include "ui/lists/ChannelTexts.h"
#include "ui/lists/ModelStrings.h"

namespace k510::ui {

namespace {

QString scrambledMark()
{
    return QStringLiteral("$");
}

} // namespace

std::vector<PrintColumn> channelPrintColumns()
{
    return {
        {QStringLiteral("№"), true},
        {QStringLiteral("Название")},
        {QStringLiteral("Спутник")},
        {QStringLiteral("Частота"), false},
        {scrambledMark()},
    };
}

QStringList channelPrintCells(const ChannelDatabase &db, const QString &number, int channelIndex)
{
    const Channel *channel = db.channelAt(channelIndex);
    if (!channel)
        return {number, {}, {}, {}, {}};
    const Transponder *transponder = db.transponderOf(*channel);
    const Satellite *satellite = transponder ? db.satelliteOf(*transponder) : nullptr;
    return {
        number,
        fromWindows1251(channel->nameText()),
        satellite ? fromWindows1251(satellite->name) : QString(),
        transponder ? frequencyText(*transponder) + QLatin1Char(' ')
                          + QString::fromStdString(polarisationText(transponder->polarisation))
                    : QString(),
        channel->isScrambled() ? scrambledMark() : QString(),
    };
}

QString scrambledMarkNote()
{
    return QStringLiteral("%1 — кодированный канал.").arg(scrambledMark());
}

} // namespace k510::ui
