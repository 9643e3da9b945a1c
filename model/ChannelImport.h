// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ChannelDatabase.h"
#include "Refusal.h"

// Channels copied from another database (a friend's list, an old backup)
// with everything the receiver needs to tune them. Planned first, so the
// user sees what will happen before anything changes. Satellites are never
// added: every channel goes to a satellite of the current database.

namespace k510 {

// A source satellite whose channels are not added.
inline constexpr int kNotImported = -1;

// Where the added channels of one kind stand in its order list: after
// order position afterPosition (0: before the first); the other kind's
// channels end their list.
struct ImportInsertion {
    ChannelKind kind = ChannelKind::Tv;
    int afterPosition = 0;
};

struct ImportRequest {
    std::vector<int> tv;      // TV channel numbers of the source
    std::vector<int> radio;   // radio numbers of the source
    // Per satellite index of the source: the satellite index of the
    // database its channels go to, or kNotImported. Missing entries are not imported.
    std::vector<int> targetSatellites;
    std::optional<ImportInsertion> insertion;
    // Take the source's symbol rate and FEC for the database's transponders
    // that ImportPlan::retunes lists, and put the channels onto them.
    bool updateTransponders = false;
};

// A transponder of the database at the frequency of a source transponder
// whose channels are imported, with another symbol rate or FEC there.
struct TransponderRetune {
    int number = 0;          // transponder number in the database
    std::string satellite;   // its satellite's name, Windows-1251
    Transponder before;      // as the database has it
    Transponder after;       // with the source's symbol rate and FEC

    bool operator==(const TransponderRetune &) const = default;
};

// The limits of the database a plan that does not fit goes past.
using ImportOverflow = CapacityLimits;

struct ImportPlan {
    std::vector<Transponder> newTransponders;   // appended in this order, satNumber naming their satellite
    std::vector<Channel> tv;      // source records in the source's order, tpNumber as after the import
    std::vector<Channel> radio;
    int alreadyThere = 0;           // the same channel (ChannelIdentity.h) is in the database
    std::vector<int> tvThere;       // the source TV numbers counted in alreadyThere
    std::vector<int> radioThere;    // and the source radio numbers
    int onSkippedSatellites = 0;    // their satellite goes nowhere
    std::vector<std::string> unusable;   // one line each, UTF-8: which entry and why
    bool fits = true;
    // Of tv and of radio, taken in turn (TV first), how many fit with the
    // transponders they add: all of them when fits.
    int tvThatFit = 0;
    int radioThatFit = 0;
    ImportOverflow overflow;        // what they do not fit, when they do not
    std::vector<TransponderRetune> retunes;   // by number
    bool updateTransponders = false;          // the retunes are applied
    // Satellite indices of the database past the 255th that selected channels
    // go to: a transponder names its satellite in one byte, so no transponder
    // can stand on them and the plan is refused.
    std::vector<SatelliteLabel> satellitesPastByte;
    std::optional<ImportInsertion> insertion;
    // The database the plan was made for, so it is never applied to another.
    std::size_t baseTransponders = 0;
    std::size_t baseTv = 0;
    std::size_t baseRadio = 0;

    [[nodiscard]] int channelCount() const { return int(tv.size() + radio.size()); }
    // Nothing of it can be applied: it does not fit, or it names a satellite
    // no transponder can stand on.
    [[nodiscard]] bool refused() const { return !fits || !satellitesPastByte.empty(); }
};

// Why a plan cannot be applied to this database, if it cannot: it does not
// fit, names a satellite past the 255th or was made for another database.
[[nodiscard]] std::optional<Refusal> importRefusal(const ChannelDatabase &db, const ImportPlan &plan);

// Each source satellite's counterpart in the database, matched by name and
// longitude as ordering after a reference matches them (SatelliteMatcher);
// one no name matches, by its satellitePosition when that is unique among
// the satellites of each side; kNotImported for a satellite the database
// does not have.
[[nodiscard]] std::vector<int> defaultTargetSatellites(const ChannelDatabase &db, const ChannelDatabase &source);

// Every listed channel of the source (TV channel numbers, radio numbers in
// the source's order), as importing "everything" selects them. A damaged
// source still lists each channel that has a record of its kind once.
[[nodiscard]] ImportRequest everyChannel(const ChannelDatabase &db, const ChannelDatabase &source);

// What importing the request would do; neither database is changed.
// Selected channels are taken in the source's order. A channel whose same
// channel (by satellite, polarisation, frequency within 2 MHz and service
// ID, or by name) the database has is counted and skipped. Each added
// channel goes onto the target satellite's same transponder (SameTransponder.h:
// polarisation, frequency within 2 MHz and symbol rate; the nearest, the
// first of equally near), a transponder this import adds included, or onto
// the one its source transponder moved to (ImportTransponders.h); without
// one, a copy of its source transponder is added. A database transponder at
// the frequency of a source transponder whose symbol rate or FEC differ is
// listed in retunes, and with request.updateTransponders takes the source's
// values and the channels. The
// channel record is copied whole but for its transponder number. A channel
// with no transponder or satellite behind it, of the wrong type for its
// block or with a name longer than its field cannot be used and is named.
// Capacity (region A of the image, 6000 entries per order list) decides
// fits; when it is false, tvThatFit and radioThatFit say how many would.
[[nodiscard]] ImportPlan planImport(const ChannelDatabase &db, const ChannelDatabase &source,
                                    const ImportRequest &request);

// Where the channels of one kind that a plan adds stand in that kind's
// order list once it is applied: 0-based positions first to first + count - 1.
struct OrderSpan {
    int first = 0;
    int count = 0;
};
[[nodiscard]] OrderSpan addedPositions(const ImportPlan &plan, ChannelKind kind);

// Puts a plan into effect through the database's own append operations,
// whole or not at all: refused, with nothing changed, as importRefusal says.
Outcome<Applied> applyImport(ChannelDatabase &db, const ImportPlan &plan);

// The limits a change goes past, as the summaries name them:
// "список ТВ-каналов — не более 6000, область записей образа".
[[nodiscard]] std::string capacityLimitsText(const CapacityLimits &over);

// The summary shown before applying, in Russian (UTF-8); the same in the
// window and the tool. For a plan that does not fit, only the refusal: that
// nothing was added and how many of each kind chosen would fit.
[[nodiscard]] std::vector<std::string> importSummary(const ImportPlan &plan);

} // namespace k510
