// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberingRepair.h"

#include "model/ImageCheck.h"
#include "model/Repair.h"
#include "ui/UserDialogs.h"

#include <QString>
#include <QStringList>

namespace k510::ui {

namespace {

constexpr std::size_t kProblemsShown = 10;

QString question(const std::vector<std::string> &problems)
{
    QStringList lines{QStringLiteral("Нумерация каналов в базе нарушена:")};
    for (std::size_t k = 0; k < problems.size() && k < kProblemsShown; ++k)
        lines << QString::fromStdString(problems[k]);
    if (problems.size() > kProblemsShown)
        lines << QStringLiteral("... и ещё %1").arg(problems.size() - kProblemsShown);
    lines << QString() << QStringLiteral("Исправить нумерацию?");
    return lines.join(QLatin1Char('\n'));
}

} // namespace

std::optional<ChannelDatabase> askNumberingRepair(std::span<const std::uint8_t> image,
                                                  const ChannelDatabase &database, UserDialogs &dialogs)
{
    ChannelDatabase repaired = database;
    if (repairNumbering(repaired).empty())
        return std::nullopt;
    if (!dialogs.askYesNo(question(checkImage(image).problems)))
        return std::nullopt;
    return repaired;
}

} // namespace k510::ui
