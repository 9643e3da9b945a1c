// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransponderUpdate.h"

#include <algorithm>
#include <cstdlib>

#include "Conversions.h"
#include "EditConversions.h"
#include "ImageWriter.h"
#include "SameTransponder.h"

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

Tuning tuningOf(const PlannedTransponder &row) { return {row.polarisation != 0, row.frequencyMhz, row.symbolRateKs, row.fec}; }

// The satellite's transponder that the row is (closestTransponder: the same
// polarisation within the tolerance, the same symbol rate first), or -1.
int matchingTransponder(const ChannelDatabase &db, const Satellite &satellite, const PlannedTransponder &row)
{
    std::vector<Tuning> tunings;
    for (const int index : satellite.transponderIndices)
        tunings.push_back(Tuning::of(db.transponders[std::size_t(index)]));
    const auto found = closestTransponder(tuningOf(row), tunings, TransponderMatch::OtherSymbolRate);
    return found ? satellite.transponderIndices[*found] : -1;
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
    row.existingIndex = matchingTransponder(db, satellite, row);
    if (row.existingIndex < 0) {
        row.fate = ListTransponderFate::New;
        row.text = row.symbolRateKs < kSlowestTickedRateKs
                       ? "новый, скорость ниже " + std::to_string(kSlowestTickedRateKs) + " кс/с"
                       : "новый";
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

// Of the rows reaching one database transponder, the one that decides it:
// the best MatchRank (the one it matches exactly, else the same symbol rate,
// then the nearest, then the lower frequency), the first of equals.
bool decidesBefore(const ChannelDatabase &db, const PlannedTransponder &row, const PlannedTransponder &other)
{
    const Tuning existing = Tuning::of(db.transponders[std::size_t(row.existingIndex)]);
    return MatchRank::of(tuningOf(row), existing) < MatchRank::of(tuningOf(other), existing);
}

// Leaves one row per database transponder deciding it; the others say which one does.
void settle(const ChannelDatabase &db, std::vector<PlannedTransponder> &rows)
{
    std::vector<std::size_t> reaching;
    for (std::size_t index = 0; index < rows.size(); ++index)
        if (rows[index].existingIndex >= 0)
            reaching.push_back(index);
    std::stable_sort(reaching.begin(), reaching.end(),
                     [&](std::size_t a, std::size_t b) { return rows[a].existingIndex < rows[b].existingIndex; });
    for (auto first = reaching.begin(); first != reaching.end();) {
        const auto last = std::find_if(first, reaching.end(), [&](std::size_t index) {
            return rows[index].existingIndex != rows[*first].existingIndex;
        });
        const std::size_t decider = *std::min_element(first, last, [&](std::size_t a, std::size_t b) {
            return decidesBefore(db, rows[a], rows[b]);
        });
        for (auto other = first; other != last; ++other) {
            if (*other == decider)
                continue;
            rows[*other].fate = ListTransponderFate::Present;
            rows[*other].text = "уже есть, учтён по записи " + std::to_string(rows[decider].frequencyMhz);
        }
        first = last;
    }
}

bool isChosen(const TransponderUpdatePlan &plan, const std::vector<bool> &ticked, std::size_t row, ListTransponderFate fate)
{
    return row < ticked.size() && ticked[row] && plan.rows[row].fate == fate && isTickable(plan, row);
}

int countChosen(const TransponderUpdatePlan &plan, const std::vector<bool> &ticked, ListTransponderFate fate)
{
    int chosen = 0;
    for (std::size_t row = 0; row < plan.rows.size(); ++row)
        chosen += isChosen(plan, ticked, row, fate) ? 1 : 0;
    return chosen;
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

TransponderUpdatePlan planTransponderUpdate(const ChannelDatabase &db, int satelliteIndex, const SatellitesList &list,
                                            int listSatellite)
{
    const ListSatellite &source = list.satellites.at(std::size_t(listSatellite));
    TransponderUpdatePlan plan;
    plan.satelliteIndex = satelliteIndex;
    plan.satelliteHoldsTransponders = canHoldTransponders(satelliteIndex);
    plan.unusable = source.unusable;
    plan.unusable.insert(plan.unusable.end(), list.unusable.begin(), list.unusable.end());
    std::stable_sort(plan.unusable.begin(), plan.unusable.end(),
                     [](const UnusableEntry &a, const UnusableEntry &b) { return a.line < b.line; });
    const Satellite &satellite = db.satellites.at(std::size_t(satelliteIndex));
    plan.rows.reserve(source.transponders.size());
    for (const ListTransponder &transponder : source.transponders)
        plan.rows.push_back(planned(db, satellite, transponder));
    settle(db, plan.rows);
    return plan;
}

bool isTickable(const TransponderUpdatePlan &plan, std::size_t row)
{
    const ListTransponderFate fate = plan.rows.at(row).fate;
    return plan.satelliteHoldsTransponders && (fate == ListTransponderFate::New || fate == ListTransponderFate::Changes);
}

std::vector<bool> defaultChoice(const TransponderUpdatePlan &plan, bool withChanges)
{
    std::vector<bool> ticked;
    ticked.reserve(plan.rows.size());
    for (std::size_t index = 0; index < plan.rows.size(); ++index) {
        const PlannedTransponder &row = plan.rows[index];
        const bool wanted = row.fate == ListTransponderFate::New ? row.symbolRateKs >= kSlowestTickedRateKs
                                                                 : withChanges && row.fate == ListTransponderFate::Changes;
        ticked.push_back(wanted && isTickable(plan, index));
    }
    return ticked;
}

Outcome<UpdateOutcome> applyTransponderUpdate(ChannelDatabase &db, const TransponderUpdatePlan &plan,
                                              const std::vector<bool> &ticked)
{
    const std::size_t adding = std::size_t(countChosen(plan, ticked, ListTransponderFate::New));
    if (plan.satelliteIndex < 0 || std::size_t(plan.satelliteIndex) >= db.satellites.size())
        return Refusal{.reason = RefusalReason::NoSuchSatellite};
    const CapacityLimits over{.transponders = db.transponders.size() + adding > std::size_t(kTransponderCapacity),
                              .records = !hasRoomFor(db, adding, 0)};
    if (over.transponders || over.records)
        return Refusal{.reason = RefusalReason::OverCapacity, .over = over, .transpondersAsked = int(adding)};

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

std::vector<std::string> transponderUpdateCounts(const TransponderUpdatePlan &plan, const std::vector<bool> &ticked)
{
    const auto withTicked = [&](const char *what, ListTransponderFate fate) {
        return what + std::to_string(plan.count(fate)) + ", отмечено: " + std::to_string(countChosen(plan, ticked, fate));
    };
    return {
        withTicked("новых транспондеров: ", ListTransponderFate::New),
        "уже есть: " + std::to_string(plan.count(ListTransponderFate::Present)),
        withTicked("изменятся частота или символьная скорость: ", ListTransponderFate::Changes),
        "DVB-S2 (приёмник не принимает): " + std::to_string(plan.count(ListTransponderFate::DvbS2)),
    };
}

std::string unusableCountLine(std::size_t count) { return "непригодных записей: " + std::to_string(count); }

std::vector<std::string> transponderUpdateSummary(const TransponderUpdatePlan &plan, const std::vector<bool> &ticked)
{
    std::vector<std::string> lines = transponderUpdateCounts(plan, ticked);
    lines.push_back(unusableCountLine(plan.unusable.size()));
    for (const UnusableEntry &entry : plan.unusable)
        lines.push_back(entry.text());
    return lines;
}

std::optional<int> satellitePosition(const Satellite &satellite)
{
    // A longitude in damaged BCD has no position; neither has 0,0 (not set)
    // nor one past 180 degrees.
    const std::optional<int> tenths = longitudeTenths(satellite.usalsLongitude);
    if (!tenths || *tenths == 0 || *tenths / 10 > 180)
        return std::nullopt;
    return satellite.west ? -*tenths : *tenths;
}

std::string positionText(int position)
{
    const int tenths = std::abs(position);
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + (position < 0 ? "° з.д." : "° в.д.");
}

} // namespace k510
