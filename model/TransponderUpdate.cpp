// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransponderUpdate.h"

#include <algorithm>
#include <cstdlib>

#include "ChannelIdentity.h"
#include "Conversions.h"
#include "EditConversions.h"
#include "ImageWriter.h"

namespace k510 {

namespace {

constexpr std::uint8_t kReceiverFecCodes = 6;   // AUTO, 1/2, 2/3, 3/4, 5/6, 7/8

// kHz or symbols per second in the receiver's MHz or ks/s, to the nearest.
std::uint32_t thousandths(std::uint32_t value) { return (value + 500) / 1000; }

std::uint32_t frequencyOf(const Transponder &transponder) { return bcdDigitsValue(bcdValue(transponder.frequency)); }
std::uint32_t symbolRateOf(const Transponder &transponder) { return bcdDigitsValue(bcdValue(transponder.symbolRate)); }

std::string change(const char *what, std::uint32_t from, std::uint32_t to)
{
    return std::string(what) + std::to_string(from) + " → " + std::to_string(to);
}

// The satellite's transponder of that polarisation nearest the frequency
// within the tolerance (the first of equals), or -1.
int nearestTransponder(const ChannelDatabase &db, const Satellite &satellite, std::uint8_t polarisation,
                       std::uint32_t frequencyMhz)
{
    int nearest = -1;
    std::uint32_t nearestDistance = kFrequencyToleranceMhz + 1;
    for (const int index : satellite.transponderIndices) {
        const Transponder &candidate = db.transponders[std::size_t(index)];
        if ((candidate.polarisation != 0) != (polarisation != 0))
            continue;
        const std::uint32_t frequency = frequencyOf(candidate);
        const std::uint32_t distance = frequency > frequencyMhz ? frequency - frequencyMhz : frequencyMhz - frequency;
        if (distance < nearestDistance) {
            nearest = index;
            nearestDistance = distance;
        }
    }
    return nearest;
}

PlannedTransponder planned(const ChannelDatabase &db, const Satellite &satellite, const ListTransponder &source)
{
    PlannedTransponder row;
    row.source = source;
    row.polarisation = source.polarisation == ListPolarisation::Vertical
                               || source.polarisation == ListPolarisation::CircularRight
                           ? 1
                           : 0;
    row.frequencyMhz = thousandths(source.frequencyKhz);
    row.symbolRateKs = thousandths(source.symbolRate);
    row.fec = receiverFecOf(source.fecInner);
    if (source.system != ListSystem::DvbS) {
        row.fate = ListTransponderFate::DvbS2;
        row.text = "DVB-S2: приёмник не принимает";
        return row;
    }
    row.existingIndex = nearestTransponder(db, satellite, row.polarisation, row.frequencyMhz);
    if (row.existingIndex < 0) {
        row.fate = ListTransponderFate::New;
        row.text = "новый";
        return row;
    }
    const Transponder &existing = db.transponders[std::size_t(row.existingIndex)];
    const std::uint32_t frequency = frequencyOf(existing);
    const std::uint32_t rate = symbolRateOf(existing);
    if (frequency == row.frequencyMhz && rate == row.symbolRateKs) {
        row.fate = ListTransponderFate::Present;
        row.text = "уже есть";
        return row;
    }
    row.fate = ListTransponderFate::Changes;
    if (frequency == row.frequencyMhz)
        row.text = change("символьная скорость изменится: ", rate, row.symbolRateKs);
    else if (rate == row.symbolRateKs)
        row.text = change("частота изменится: ", frequency, row.frequencyMhz);
    else
        row.text = change("частота изменится: ", frequency, row.frequencyMhz)
                   + change(", символьная скорость: ", rate, row.symbolRateKs);
    return row;
}

bool isChosen(const TransponderUpdatePlan &plan, const std::vector<bool> &ticked, std::size_t row, ListTransponderFate fate)
{
    return row < ticked.size() && ticked[row] && plan.rows[row].fate == fate;
}

} // namespace

int TransponderUpdatePlan::count(ListTransponderFate fate) const
{
    return int(std::count_if(rows.begin(), rows.end(), [fate](const PlannedTransponder &row) { return row.fate == fate; }));
}

std::uint8_t receiverFecOf(int fecInner)
{
    return fecInner >= 0 && fecInner < kReceiverFecCodes ? std::uint8_t(fecInner) : 0;
}

TransponderUpdatePlan planTransponderUpdate(const ChannelDatabase &db, int satelliteIndex, const ListSatellite &listSatellite)
{
    TransponderUpdatePlan plan;
    plan.satelliteIndex = satelliteIndex;
    plan.unusable = listSatellite.unusable;
    const Satellite &satellite = db.satellites.at(std::size_t(satelliteIndex));
    plan.rows.reserve(listSatellite.transponders.size());
    for (const ListTransponder &source : listSatellite.transponders)
        plan.rows.push_back(planned(db, satellite, source));
    return plan;
}

bool isTickable(const PlannedTransponder &row)
{
    return row.fate == ListTransponderFate::New || row.fate == ListTransponderFate::Changes;
}

std::vector<bool> defaultChoice(const TransponderUpdatePlan &plan)
{
    std::vector<bool> ticked;
    ticked.reserve(plan.rows.size());
    for (const PlannedTransponder &row : plan.rows)
        ticked.push_back(row.fate == ListTransponderFate::New);
    return ticked;
}

std::optional<UpdateOutcome> applyTransponderUpdate(ChannelDatabase &db, const TransponderUpdatePlan &plan,
                                                    const std::vector<bool> &ticked)
{
    std::size_t adding = 0;
    for (std::size_t row = 0; row < plan.rows.size(); ++row)
        adding += isChosen(plan, ticked, row, ListTransponderFate::New) ? 1 : 0;
    if (plan.satelliteIndex < 0 || std::size_t(plan.satelliteIndex) >= db.satellites.size()
        || db.transponders.size() + adding > std::size_t(kTransponderCapacity) || !hasRoomFor(db, adding, 0))
        return std::nullopt;

    UpdateOutcome outcome;
    for (std::size_t row = 0; row < plan.rows.size(); ++row) {
        const PlannedTransponder &chosen = plan.rows[row];
        const Bcd4 frequency = bcdFromDecimalDigits(std::to_string(chosen.frequencyMhz));
        const Bcd4 symbolRate = bcdFromDecimalDigits(std::to_string(chosen.symbolRateKs));
        if (isChosen(plan, ticked, row, ListTransponderFate::New)) {
            Transponder values;
            values.polarisation = chosen.polarisation;
            values.frequency = frequency;
            values.symbolRate = symbolRate;
            values.fec = chosen.fec;
            // Room was checked above, so the append cannot fail half-way.
            (void)db.appendTransponder(plan.satelliteIndex, values);
            ++outcome.added;
        } else if (isChosen(plan, ticked, row, ListTransponderFate::Changes)) {
            Transponder &existing = db.transponders.at(std::size_t(chosen.existingIndex));
            existing.frequency = frequency;
            existing.symbolRate = symbolRate;
            ++outcome.changed;
        }
    }
    return outcome;
}

std::vector<std::string> transponderUpdateCounts(const TransponderUpdatePlan &plan)
{
    return {
        "новых транспондеров: " + std::to_string(plan.count(ListTransponderFate::New)),
        "уже есть: " + std::to_string(plan.count(ListTransponderFate::Present)),
        "изменятся частота или символьная скорость: " + std::to_string(plan.count(ListTransponderFate::Changes)),
        "DVB-S2 (приёмник не принимает): " + std::to_string(plan.count(ListTransponderFate::DvbS2)),
    };
}

std::string unusableCountLine(std::size_t count) { return "непригодных записей: " + std::to_string(count); }

std::vector<std::string> transponderUpdateSummary(const TransponderUpdatePlan &plan)
{
    std::vector<std::string> lines = transponderUpdateCounts(plan);
    lines.push_back(unusableCountLine(plan.unusable.size()));
    for (const UnusableEntry &entry : plan.unusable)
        lines.push_back(entry.text());
    return lines;
}

std::optional<int> satellitePosition(const Satellite &satellite)
{
    const SatelliteRowTexts &texts = satellite.rowTexts;
    const std::size_t comma = texts.longitude.find(',');
    if (comma == std::string::npos || (texts.hemisphere != "E" && texts.hemisphere != "W"))
        return std::nullopt;
    try {
        const long long degrees = parseDecimal(std::string_view(texts.longitude).substr(0, comma));
        const long long tenths = parseDecimal(std::string_view(texts.longitude).substr(comma + 1));
        if (degrees < 0 || degrees > 180 || tenths < 0 || tenths > 9)
            return std::nullopt;
        const int position = int(degrees * 10 + tenths);
        return texts.hemisphere == "W" ? -position : position;
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}

} // namespace k510
