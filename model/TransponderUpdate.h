// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ChannelDatabase.h"
#include "Refusal.h"
#include "SatellitesList.h"

// Bringing one satellite of the database up to date from one satellite of a
// satellites.xml list: which of the list's transponders are new, which the
// database has already, and which it has at a frequency or symbol rate that
// drifted, by the same-transponder rule and its tie-break (SameTransponder.h,
// frequencies rounded to MHz). Where several entries of the list come within
// reach of one transponder, one of them decides what happens to it (the one
// it matches exactly, else the best MatchRank: the same symbol rate, the
// nearest, the lower frequency of two as near), so that applying the plan
// twice changes nothing the second time. Nothing changes until the chosen
// rows are applied.

namespace k510 {

enum class ListTransponderFate {
    New,        // no transponder of the same polarisation within 2 MHz
    Present,    // one within 2 MHz with the same frequency and symbol rate, or one another entry decides
    Changes,    // one within 2 MHz whose frequency or symbol rate differs, and this entry decides it
    DvbS2,      // the receiver tunes DVB-S only
};

struct PlannedTransponder {
    ListTransponder source;
    ListTransponderFate fate = ListTransponderFate::New;
    // In the receiver's terms: polarisation 0 H / 1 V (L as H, R as V, as a
    // circular LNB converts them), MHz, ks/s, the FEC code (AUTO for codes
    // the receiver lacks).
    std::uint8_t polarisation = 0;
    std::uint32_t frequencyMhz = 0;
    std::uint32_t symbolRateKs = 0;
    std::uint8_t fec = 0;
    int existingIndex = -1;   // the database transponder it is or changes; -1 for new and DVB-S2
    std::string text;         // what happens to it: "новый", "уже есть", "частота изменится: 11727 → 11728"...
};

// New transponders slower than this are offered unticked: few receivers lock on them.
inline constexpr std::uint32_t kSlowestTickedRateKs = 1000;

struct TransponderUpdatePlan {
    int satelliteIndex = -1;
    // False for a satellite past the 255th: a transponder names its
    // satellite in one byte, so nothing can be added to it.
    bool satelliteHoldsTransponders = true;
    std::vector<PlannedTransponder> rows;     // the list's order
    // The entries the reader could not use, in the satellite and outside
    // any satellite, by line.
    std::vector<UnusableEntry> unusable;

    [[nodiscard]] int count(ListTransponderFate fate) const;
};

// The receiver's FEC code of a list's fec_inner: 0..5 are the same codes
// (AUTO, 1/2, 2/3, 3/4, 5/6, 7/8), anything else is AUTO.
[[nodiscard]] std::uint8_t receiverFecOf(int fecInner);

// The plan for the database satellite at satelliteIndex (which must exist)
// from the list's satellite at listSatellite (which must exist).
[[nodiscard]] TransponderUpdatePlan planTransponderUpdate(const ChannelDatabase &db, int satelliteIndex,
                                                          const SatellitesList &list, int listSatellite);

// Whether the row can be ticked: new transponders and changes can, unless
// the satellite holds no transponders; DVB-S2 and present rows cannot.
[[nodiscard]] bool isTickable(const TransponderUpdatePlan &plan, std::size_t row);
// Per row: whether it is ticked when offered. New transponders are, but for
// those slower than kSlowestTickedRateKs; changes only withChanges (the
// tool's --update).
[[nodiscard]] std::vector<bool> defaultChoice(const TransponderUpdatePlan &plan, bool withChanges = false);

struct UpdateOutcome {
    int added = 0;
    int changed = 0;
};

// Adds the ticked new transponders to the plan's satellite (after the last
// transponder of the database, as the window's add command does) and sets
// the ticked changes. Ticks on rows that cannot be ticked count for nothing.
// Whole or not at all: refused, and the database unchanged, when the added
// transponders would not fit the image (OverCapacity, transpondersAsked
// naming them) or the plan's satellite is gone (NoSuchSatellite).
Outcome<UpdateOutcome> applyTransponderUpdate(ChannelDatabase &db, const TransponderUpdatePlan &plan,
                                              const std::vector<bool> &ticked);

// The counts of new, present, changing and DVB-S2 rows, one line each, with
// how many of the new and changing ones are ticked.
[[nodiscard]] std::vector<std::string> transponderUpdateCounts(const TransponderUpdatePlan &plan,
                                                               const std::vector<bool> &ticked);
// "непригодных записей: 2"
[[nodiscard]] std::string unusableCountLine(std::size_t count);
// The counts, the unusable entries' count, then each of them named with its line.
[[nodiscard]] std::vector<std::string> transponderUpdateSummary(const TransponderUpdatePlan &plan,
                                                                const std::vector<bool> &ticked);

// A database satellite's longitude in tenths of a degree, east positive,
// as its row shows it; nullopt when the row gives none, or 0,0: what a
// satellite shows whose USALS longitude was never set.
[[nodiscard]] std::optional<int> satellitePosition(const Satellite &satellite);
// A longitude in tenths of a degree, east positive: "19,2° в.д.", "5,0° з.д.".
[[nodiscard]] std::string positionText(int position);

} // namespace k510
