// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeleteQuestions.h"

#include "model/DisplayTexts.h"
#include "ui/lists/ChannelTexts.h"

namespace k510::ui {

namespace {

enum class Form { One, Few, Many };   // 1 канал, 2 канала, 5 каналов

Form formOf(int count)
{
    const int lastTwo = count % 100, last = count % 10;
    if (last == 1 && lastTwo != 11)
        return Form::One;
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return Form::Few;
    return Form::Many;
}

QString channelsText(int count)
{
    static const char *const words[] = {"канал", "канала", "каналов"};
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(words[int(formOf(count))]));
}

// "3 из них в избранных", or "он в избранных" for a transponder's only channel.
QString favouritesText(const TransponderChannels &channels)
{
    if (channels.channels == 1)
        return QStringLiteral("он в избранных");
    return QStringLiteral("%1 из них в избранных").arg(channels.favourites);
}

} // namespace

QString transponderDeleteQuestion(const Transponder *only, int transponderCount, const TransponderChannels &channels)
{
    const QString where = only ? QStringLiteral("На транспондере %1 %2")
                                     .arg(frequencyText(*only), QString::fromStdString(polarisationText(only->polarisation)))
                               : QStringLiteral("На %1 %2").arg(transponderCount).arg(formOf(transponderCount) == Form::One
                                                                                         ? QStringLiteral("транспондере")
                                                                                         : QStringLiteral("транспондерах"));
    return QStringLiteral("%1 %2, %3. Удалить?").arg(where, channelsText(channels.channels), favouritesText(channels));
}

QString selectedFavouritesQuestion(int favourites)
{
    const bool one = formOf(favourites) == Form::One;
    return QStringLiteral("Из выделенных каналов %1 %2 в избранные. Удалить и %3?")
        .arg(favourites)
        .arg(one ? QStringLiteral("занесен") : QStringLiteral("занесены"), one ? QStringLiteral("его") : QStringLiteral("их"));
}

} // namespace k510::ui
