// SPDX-License-Identifier: GPL-3.0-or-later
#include "RefusalMessages.h"

#include "model/ChannelDatabase.h"
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

// A long selection is named by its first numbers and how many more.
constexpr std::size_t kNumbersShown = 10;

QString numbersText(const std::vector<int> &numbers)
{
    QStringList shown;
    for (std::size_t k = 0; k < numbers.size() && k < kNumbersShown; ++k)
        shown << QString::number(numbers[k]);
    QString text = shown.join(QStringLiteral(", "));
    if (numbers.size() > kNumbersShown)
        text += QStringLiteral(" и ещё %1").arg(numbers.size() - kNumbersShown);
    return text;
}

// "для 1 канала", "для 3 каналов", "для 21 канала".
QString forChannels(int count)
{
    const bool one = count % 10 == 1 && count % 100 != 11;
    return QStringLiteral("для %1 %2").arg(count).arg(one ? QStringLiteral("канала") : QStringLiteral("каналов"));
}

QString noSuchChannelMessage(const Refusal &refusal)
{
    const QString kind = isRadio(refusal.kind) ? QStringLiteral("Радиоканал") : QStringLiteral("Канал ТВ");
    if (refusal.numbers.size() == 1)
        return QStringLiteral("%1 %2 не существует: ничего не изменено.").arg(kind, numbersText(refusal.numbers));
    const QString kinds = isRadio(refusal.kind) ? QStringLiteral("Радиоканалы") : QStringLiteral("Каналы ТВ");
    return QStringLiteral("%1 %2 не существуют: ничего не изменено.").arg(kinds, numbersText(refusal.numbers));
}

QString groupOverflowMessage(const Refusal &refusal)
{
    const QString group = fromWindows1251(refusal.groupName);
    if (refusal.room <= 0)
        return QStringLiteral("Группа «%1» заполнена (%2 каналов): ничего не добавлено.")
            .arg(group)
            .arg(kFavouriteGroupCapacity);
    return QStringLiteral("В группе «%1» есть место ещё %2, выбрано %3: ничего не добавлено.")
        .arg(group, forChannels(refusal.room))
        .arg(refusal.asked);
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
    case RefusalReason::NoSuchChannel:
        return noSuchChannelMessage(refusal);
    case RefusalReason::NoSuchGroup:
        return QStringLiteral("Группы %1 нет, их всего %2: ничего не изменено.")
            .arg(refusal.group + 1)
            .arg(kFavouriteGroupCount);
    case RefusalReason::GroupOverflow:
        return groupOverflowMessage(refusal);
    case RefusalReason::NamesUnfit:
        return QStringLiteral("Эти имена приёмник не сможет хранить: %1. Ничего не переименовано.")
            .arg(numbersText(refusal.numbers));
    }
    return {};
}

} // namespace k510::ui
