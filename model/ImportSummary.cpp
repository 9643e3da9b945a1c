// SPDX-License-Identifier: GPL-3.0-or-later
// What an import plan will do, in the words the window and the tool show.
#include "ChannelImport.h"

#include <algorithm>

#include "Conversions.h"
#include "DisplayTexts.h"
#include "SameTransponder.h"
#include "TextCodec.h"

namespace k510 {

namespace {

std::string tuningText(const Transponder &tp)
{
    const std::string fec = fecText(tp.fec);
    return std::to_string(bcdDigitsValue(bcdValue(tp.symbolRate))) + " " + (fec.empty() ? "?" : fec);
}

// "Astra 1 — 11817 V: 27500 3/4 → 29700 5/6"
std::string retuneLine(const TransponderRetune &retune)
{
    return windows1251ToUtf8(retune.satellite) + " — " + std::to_string(bcdDigitsValue(bcdValue(retune.before.frequency)))
           + " " + polarisationText(retune.before.polarisation) + ": " + tuningText(retune.before) + " → "
           + tuningText(retune.after);
}

} // namespace

// "список ТВ-каналов — не более 6000, область записей образа"
std::string capacityLimitsText(const CapacityLimits &overflow)
{
    std::vector<std::string> parts;
    if (overflow.tvList)
        parts.push_back("список ТВ-каналов — не более " + std::to_string(kOrderCapacity));
    if (overflow.radioList)
        parts.push_back("список радиоканалов — не более " + std::to_string(kOrderCapacity));
    if (overflow.transponders)
        parts.push_back("транспондеров — не более " + std::to_string(kTransponderCapacity));
    if (overflow.records)
        parts.push_back("область записей образа");
    std::string text;
    for (const std::string &part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

std::vector<std::string> importSummary(const ImportPlan &plan)
{
    std::vector<std::string> lines;
    if (plan.refused()) {
        if (!plan.fits) {
            lines.push_back("Ничего не добавлено: выбранные каналы не помещаются в базу (" + capacityLimitsText(plan.overflow)
                            + ").");
            const int tv = int(plan.tv.size()), radio = int(plan.radio.size());
            if (plan.tvThatFit < tv)
                lines.push_back("Поместится ТВ-каналов: " + std::to_string(plan.tvThatFit) + " из "
                                + std::to_string(tv) + ".");
            if (plan.radioThatFit < radio)
                lines.push_back("Поместится радиоканалов: " + std::to_string(plan.radioThatFit) + " из "
                                + std::to_string(radio)
                                + (tv > 0 && plan.tvThatFit == tv ? " вместе с выбранными ТВ-каналами." : "."));
            lines.push_back("Выберите меньше каналов.");
        } else {
            lines.push_back("Ничего не добавлено.");
        }
        for (const SatelliteLabel &satellite : plan.satellitesPastByte)
            lines.push_back("Спутник № " + std::to_string(satellite.index + 1) + " «"
                            + windows1251ToUtf8(satellite.name)
                            + "» стоит после 255-го: транспондер называет свой спутник одним байтом, транспондеров "
                              "на нём быть не может. Выберите для его каналов другой спутник.");
        return lines;
    }
    lines.push_back("Будет добавлено: транспондеров — " + std::to_string(plan.newTransponders.size())
                    + ", ТВ-каналов — " + std::to_string(plan.tv.size()) + ", радиоканалов — "
                    + std::to_string(plan.radio.size()) + ".");
    lines.push_back("Уже есть в базе: " + std::to_string(plan.alreadyThere) + ".");
    if (plan.onSkippedSatellites)
        lines.push_back("Не добавляются (их спутник не выбран): " + std::to_string(plan.onSkippedSatellites) + ".");
    if (!plan.retunes.empty()) {
        lines.push_back("В другой базе другие параметры у транспондеров: " + std::to_string(plan.retunes.size()) + ".");
        for (const TransponderRetune &retune : plan.retunes)
            lines.push_back(retuneLine(retune));
        const bool otherSymbolRate
            = std::any_of(plan.retunes.begin(), plan.retunes.end(), [](const TransponderRetune &retune) {
                  return Tuning::of(retune.before).symbolRate != Tuning::of(retune.after).symbolRate;
              });
        if (plan.updateTransponders)
            lines.push_back("Их параметры будут взяты из другой базы.");
        else
            lines.push_back(otherSymbolRate ? "Их параметры не меняются; каналам с другой символьной скоростью "
                                              "добавляется свой транспондер."
                                            : "Их параметры не меняются.");
    }
    if (!plan.unusable.empty()) {
        lines.push_back("Нельзя использовать: " + std::to_string(plan.unusable.size()) + ".");
        lines.insert(lines.end(), plan.unusable.begin(), plan.unusable.end());
    }
    return lines;
}

} // namespace k510
