// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <vector>

#include "ChannelDatabase.h"
#include "ChannelImport.h"
#include "SameTransponder.h"

// The transponder each imported channel goes onto: the database's own when
// it is the same transponder (SameTransponder.h), else one the import adds.

namespace k510 {

// A source transponder whose channels an import takes, with the satellite
// of the database they go to.
struct TransponderOnTarget {
    int sourceTransponder;   // index
    int targetSatellite;     // index
};

class ImportTransponders {
public:
    // `used` in the source's order. A database transponder that a source
    // transponder matches (the same one, else one at its frequency with
    // another symbol rate) but with other parameters becomes a retune;
    // with `update` the channels then see it with the source's parameters.
    // Of several source transponders on one, the best MatchRank decides (the
    // same one before one of another symbol rate, then the nearest
    // frequency, then the lower), then the first.
    ImportTransponders(const ChannelDatabase &db, const ChannelDatabase &source,
                       const std::vector<TransponderOnTarget> &used, bool update);

    [[nodiscard]] const std::vector<TransponderRetune> &retunes() const { return m_retunes; }

    // A channel of the source transponder is already on transponder `number`
    // of the database. When the two have none of the other within the
    // tolerance and share the service IDs a moved transponder needs
    // (sharesEnoughServiceIds, over the channels of the kind), the source
    // transponder's other channels join them there rather than on a copy
    // that would make them new again next time.
    void noteMoved(int sourceTransponder, int number, ChannelKind kind);

    // The transponder number the source transponder's channels go onto; a
    // copy is planned into `added` when the database has none for them.
    int numberFor(int sourceTransponder, int satellite, std::vector<Transponder> &added);

private:
    struct Candidates {
        std::vector<Tuning> tunings;   // by ascending number
        std::vector<int> numbers;
    };

    void resolveRetunes(const std::vector<TransponderOnTarget> &used, bool update);

    const ChannelDatabase &m_db;
    const ChannelDatabase &m_source;
    std::map<int, Candidates> m_bySatellite;
    std::map<int, int> m_numberOfSource;
    std::map<int, int> m_moved;
    std::vector<TransponderRetune> m_retunes;
    int m_next;
};

} // namespace k510
