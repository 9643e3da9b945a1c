// SPDX-License-Identifier: GPL-3.0-or-later
#include "RefusalMessages.h"

#include "model/ChannelImport.h"
#include "ui/lists/ModelStrings.h"

#include <QStringList>

namespace k510::ui {

namespace {

QString pastByteMessage(const Refusal &refusal)
{
    QStringList lines{QStringLiteral("Ничего не добавлено.")};
    for (const SatelliteLabel &satellite : refusal.satellites)
        lines << QStringLiteral("Спутник № %1 «%2» стоит после 255-го: транспондер называет свой спутник одним байтом.")
                     .arg(satellite.index + 1)
                     .arg(fromWindows1251(satellite.name));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString refusalMessage(const Refusal &refusal)
{
    switch (refusal.reason) {
    case RefusalReason::OtherDatabase:
        return QStringLiteral("Ничего не изменено: база изменилась после того, как изменение было подготовлено. "
                              "Повторите команду.");
    case RefusalReason::OverCapacity:
        if (refusal.tvAsked + refusal.radioAsked == 0)
            return QStringLiteral("Новые транспондеры не поместятся в образ: уберите отметки с части из них.");
        return QStringLiteral("Ничего не добавлено: выбранные каналы не помещаются в базу (%1).")
            .arg(QString::fromStdString(capacityLimitsText(refusal.over)));
    case RefusalReason::SatellitePastByte:
        return pastByteMessage(refusal);
    case RefusalReason::NoSuchSatellite:
        return QStringLiteral("Ничего не изменено: спутника, для которого оно подготовлено, в базе больше нет.");
    }
    return {};
}

} // namespace k510::ui
