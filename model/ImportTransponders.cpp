// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportTransponders.h"

#include <algorithm>
#include <iterator>

namespace k510 {

namespace {

// A source transponder's claim on a database transponder; the least decides:
// the best MatchRank, then the first in the source's order.
struct Claim {
    MatchRank rank;
    std::size_t order;
    int sourceTransponder;

    [[nodiscard]] bool before(const Claim &other) const
    {
        return rank < other.rank || (rank == other.rank && order < other.order);
    }
};

} // namespace

ImportTransponders::ImportTransponders(const ChannelDatabase &db, const ChannelDatabase &source,
                                       const std::vector<TransponderOnTarget> &used, bool update)
    : m_db(db), m_source(source), m_next(int(db.transponders.size()) + 1)
{
    for (std::size_t k = 0; k < db.transponders.size(); ++k) {
        Candidates &list = m_bySatellite[int(db.transponders[k].satNumber) - 1];
        list.tunings.push_back(Tuning::of(db.transponders[k]));
        list.numbers.push_back(int(k) + 1);
    }
    resolveRetunes(used, update);
}

void ImportTransponders::resolveRetunes(const std::vector<TransponderOnTarget> &used, bool update)
{
    std::map<int, Claim> claims;   // by database transponder number
    for (std::size_t order = 0; order < used.size(); ++order) {
        const auto list = m_bySatellite.find(used[order].targetSatellite);
        if (list == m_bySatellite.end())
            continue;
        const Tuning wanted = Tuning::of(m_source.transponders[std::size_t(used[order].sourceTransponder)]);
        const auto found = closestTransponder(wanted, list->second.tunings, TransponderMatch::OtherSymbolRate);
        if (!found)
            continue;
        const Claim claim{MatchRank::of(wanted, list->second.tunings[*found]), order, used[order].sourceTransponder};
        const auto [it, added] = claims.try_emplace(list->second.numbers[*found], claim);
        if (!added && claim.before(it->second))
            it->second = claim;
    }
    for (const auto &[number, claim] : claims) {
        const Transponder &before = m_db.transponders[std::size_t(number - 1)];
        const Transponder &from = m_source.transponders[std::size_t(claim.sourceTransponder)];
        const Tuning was = Tuning::of(before);
        const Tuning wanted = Tuning::of(from);
        if (was.symbolRate == wanted.symbolRate && was.fec == wanted.fec)
            continue;
        TransponderRetune retune{number, {}, before, before};
        if (const Satellite *satellite = m_db.satelliteOf(before))
            retune.satellite = satellite->name;
        retune.after.symbolRate = from.symbolRate;
        retune.after.fec = from.fec;
        m_retunes.push_back(retune);
        if (update) {
            Candidates &list = m_bySatellite[int(before.satNumber) - 1];
            const auto at = std::find(list.numbers.begin(), list.numbers.end(), number);
            list.tunings[std::size_t(at - list.numbers.begin())] = Tuning::of(retune.after);
        }
    }
}

void ImportTransponders::noteMoved(int sourceTransponder, int number, ChannelKind kind)
{
    const Transponder &from = m_source.transponders[std::size_t(sourceTransponder)];
    const Transponder &there = m_db.transponders[std::size_t(number - 1)];
    if (matchTransponder(Tuning::of(from), Tuning::of(there)) != TransponderMatch::None)
        return;   // at its frequency: the same transponder or not by its parameters, never a moved one
    const std::vector<std::uint16_t> ours = serviceIdsOf(m_source, isRadio(kind) ? from.radioChannelIndices : from.tvChannelIndices);
    const std::vector<std::uint16_t> theirs = serviceIdsOf(m_db, isRadio(kind) ? there.radioChannelIndices : there.tvChannelIndices);
    std::vector<std::uint16_t> shared;
    std::set_intersection(ours.begin(), ours.end(), theirs.begin(), theirs.end(), std::back_inserter(shared));
    if (sharesEnoughServiceIds(shared.size(), ours.size(), theirs.size()))
        m_moved.emplace(sourceTransponder, number);
}

int ImportTransponders::numberFor(int sourceTransponder, int satellite, std::vector<Transponder> &added)
{
    const auto known = m_numberOfSource.find(sourceTransponder);
    if (known != m_numberOfSource.end())
        return known->second;
    const Transponder &from = m_source.transponders[std::size_t(sourceTransponder)];
    const Tuning wanted = Tuning::of(from);
    Candidates &list = m_bySatellite[satellite];
    int number = 0;
    if (const auto same = closestTransponder(wanted, list.tunings, TransponderMatch::Same))
        number = list.numbers[*same];
    else if (const auto moved = m_moved.find(sourceTransponder); moved != m_moved.end())
        number = moved->second;
    else {
        Transponder copy = from;
        copy.satNumber = std::uint8_t(satellite + 1);
        copy.tvChannelIndices.clear();
        copy.radioChannelIndices.clear();
        added.push_back(copy);
        number = m_next++;
        list.tunings.push_back(wanted);
        list.numbers.push_back(number);
    }
    m_numberOfSource.emplace(sourceTransponder, number);
    return number;
}

} // namespace k510
