// SPDX-License-Identifier: GPL-3.0-or-later
// matchChannels: which channel of the database each entry of a reference
// list is, on the same-transponder rule of SameTransponder.h.
#include "ChannelIdentity.h"

#include <algorithm>
#include <initializer_list>

#include "Conversions.h"
#include "OrderLists.h"
#include "SameTransponder.h"

namespace k510 {

namespace {

// Where a channel of the database is: its satellite's index and its
// transponder's polarisation and frequency; nothing when a reference is broken.
struct Location {
    int satellite;
    bool vertical;
    std::uint32_t frequencyMhz;
};

std::optional<Location> locate(const ChannelDatabase &db, const Channel &channel)
{
    const Transponder *tp = db.transponderOf(channel);
    if (!tp || !db.satelliteOf(*tp))
        return std::nullopt;
    return Location{int(tp->satNumber) - 1, tp->polarisation != 0, bcdDigitsValue(bcdValue(tp->frequency))};
}

// A reference names no symbol rate, so channels compare by polarisation and
// frequency alone.
Tuning tuningAt(bool vertical, std::uint32_t frequencyMhz) { return {vertical, frequencyMhz, 0, 0}; }

// The transponder key with a service ID: the same channel.
std::uint64_t identityKey(int satellite, bool vertical, std::uint32_t frequencyMhz, std::uint16_t serviceId)
{
    return (transponderKey(satellite, vertical, frequencyMhz) << 16) | serviceId;
}

std::string nameKey(int satellite, const std::string &name) { return std::to_string(satellite) + '\0' + name; }

// The identity key with a channel name: same channel, same name.
std::string namedIdentityKey(std::uint64_t identity, const std::string &name)
{
    std::string key(sizeof identity, '\0');
    for (std::size_t k = 0; k < sizeof identity; ++k)
        key[k] = char(identity >> (8 * k));
    return key + name;
}

// Current channels with one identity, in the user's order. Pairing takes the
// first one still open; those before `next` are taken.
struct Bucket {
    std::vector<int> numbers;
    std::size_t next = 0;
};

// One side's transponders as its channels of one kind show them, for
// recognising a transponder that moved: those of one satellite, polarisation
// and frequency count as one.
struct SideTransponders {
    std::vector<PairedTransponder> transponders;
    std::vector<std::vector<int>> members;   // per transponder: numbers in the user's order, or reference positions in order
    std::unordered_map<std::uint64_t, std::size_t> indexOf;

    void add(int satellite, bool vertical, std::uint32_t frequencyMhz, int member, std::uint16_t serviceId)
    {
        const auto [it, added] = indexOf.try_emplace(transponderKey(satellite, vertical, frequencyMhz), transponders.size());
        if (added) {
            transponders.push_back({satellite, tuningAt(vertical, frequencyMhz), {}});
            members.emplace_back();
        }
        members[it->second].push_back(member);
        transponders[it->second].serviceIds.push_back(serviceId);
    }
    void makeServiceIdsDistinct()
    {
        for (PairedTransponder &tp : transponders)
            makeDistinct(tp.serviceIds);
    }
};

// The reference's satellites, each distinct identity once, with the
// database's satellites it may be.
struct ReferenceSatellites {
    std::vector<int> idOfPosition;               // per reference position; -1 when not located
    std::vector<std::vector<int>> matchesOfId;   // database satellite indices
    std::vector<std::vector<int>> idsOfSatellite;   // the other way round, per database satellite index
};

ReferenceSatellites resolveSatellites(const ChannelDatabase &db, const ChannelReference &reference,
                                      const std::vector<ReferenceChannel> &list)
{
    const SatelliteMatcher matcher(db, reference.satellites);
    ReferenceSatellites resolved;
    resolved.idsOfSatellite.resize(db.satellites.size());
    std::unordered_map<std::string, int> idOfIdentity;
    for (const ReferenceChannel &channel : list) {
        if (!channel.located) {
            resolved.idOfPosition.push_back(-1);
            continue;
        }
        const std::string identity = channel.satellite.name + '\0' + channel.satellite.position;
        const auto [it, added] = idOfIdentity.try_emplace(identity, int(resolved.matchesOfId.size()));
        if (added) {
            resolved.matchesOfId.push_back(matcher.matches(channel.satellite));
            for (const int satellite : resolved.matchesOfId.back())
                resolved.idsOfSatellite[std::size_t(satellite)].push_back(it->second);
        }
        resolved.idOfPosition.push_back(it->second);
    }
    return resolved;
}

class Pairing {
public:
    Pairing(const ChannelDatabase &db, const ChannelReference &reference, bool radio)
        : m_db(db), m_radio(radio), m_reference(*(radio ? reference.radio : reference.tv)),
          m_satellites(resolveSatellites(db, reference, m_reference))
    {
        const std::size_t count = db.order(kindOf(radio)).size();
        m_partners.referenceOfChannel.assign(count, kNoPartner);
        m_partners.channelOfReference.assign(m_reference.size(), kNoPartner);
        m_rank.assign(count + 1, 0);
        m_satelliteOf.assign(count + 1, -1);
        int rank = 0;
        for (const int number : orderedNumbers(db.order(kindOf(radio)))) {
            m_rank[std::size_t(number)] = rank++;
            const Channel *channel = db.channel(kindOf(radio), number);
            const auto location = channel ? locate(db, *channel) : std::nullopt;
            if (!location)
                continue;
            m_satelliteOf[std::size_t(number)] = location->satellite;
            m_current.add(location->satellite, location->vertical, location->frequencyMhz, number, channel->serviceId);
            const std::uint64_t identity
                = identityKey(location->satellite, location->vertical, location->frequencyMhz, channel->serviceId);
            m_byIdentity[identity].numbers.push_back(number);
            if (const std::string name = channel->nameText(); !name.empty())
                m_byNamedIdentity[namedIdentityKey(identity, name)].numbers.push_back(number);
        }
        m_current.makeServiceIdsDistinct();
    }

    Partners run() &&
    {
        // Among twins of one identity the one of the same name is the
        // partner: a database with duplicates would otherwise hand one
        // channel's place and groups to another.
        for (const bool sameName : {true, false})
            for (std::uint32_t distance = 0; distance <= kFrequencyToleranceMhz; ++distance)
                pairByIdentity(distance, sameName);
        pairMovedTransponders();
        pairByName();
        return std::move(m_partners);
    }

private:
    [[nodiscard]] bool isOpen(std::size_t position) const
    {
        return m_partners.channelOfReference[position] == kNoPartner && m_satellites.idOfPosition[position] >= 0;
    }
    [[nodiscard]] bool isTaken(int number) const
    {
        return m_partners.referenceOfChannel[std::size_t(number - 1)] != kNoPartner;
    }

    [[nodiscard]] const std::vector<int> &satellitesOf(std::size_t position) const
    {
        return m_satellites.matchesOfId[std::size_t(m_satellites.idOfPosition[position])];
    }

    void pair(std::size_t position, int number)
    {
        m_partners.channelOfReference[position] = number;
        m_partners.referenceOfChannel[std::size_t(number - 1)] = int(position);
    }

    // The bucket's first open channel, or nullptr; channels are only ever
    // taken, so the scan never goes back.
    Bucket *open(Bucket &bucket) const
    {
        while (bucket.next < bucket.numbers.size() && isTaken(bucket.numbers[bucket.next]))
            ++bucket.next;
        return bucket.next < bucket.numbers.size() ? &bucket : nullptr;
    }

    // Reference entries whose transponder lies exactly `distance` MHz away;
    // with sameName only candidates of the entry's name. Of candidates above
    // and below, the transponder tie-break takes the lower; then the channel
    // earliest in the user's order.
    void pairByIdentity(std::uint32_t distance, bool sameName)
    {
        for (std::size_t position = 0; position < m_reference.size(); ++position) {
            const ReferenceChannel &wanted = m_reference[position];
            if (!isOpen(position) || (sameName && wanted.name.empty()))
                continue;
            const Tuning wantedTuning = tuningAt(wanted.vertical, wanted.frequencyMhz);
            Bucket *best = nullptr;
            MatchRank bestRank;
            const auto consider = [&](int satellite, std::uint32_t frequency) {
                const std::uint64_t identity = identityKey(satellite, wanted.vertical, frequency, wanted.serviceId);
                Bucket *bucket = nullptr;
                if (sameName) {
                    const auto it = m_byNamedIdentity.find(namedIdentityKey(identity, wanted.name));
                    bucket = it == m_byNamedIdentity.end() ? nullptr : open(it->second);
                } else {
                    const auto it = m_byIdentity.find(identity);
                    bucket = it == m_byIdentity.end() ? nullptr : open(it->second);
                }
                if (!bucket)
                    return;
                const MatchRank rank = MatchRank::of(wantedTuning, tuningAt(wanted.vertical, frequency));
                if (!best || rank < bestRank || (rank == bestRank && rankOf(*bucket) < rankOf(*best))) {
                    best = bucket;
                    bestRank = rank;
                }
            };
            for (const int satellite : satellitesOf(position)) {
                consider(satellite, wanted.frequencyMhz + distance);
                if (distance > 0 && wanted.frequencyMhz >= distance)
                    consider(satellite, wanted.frequencyMhz - distance);
            }
            if (best)
                pair(position, best->numbers[best->next]);
        }
    }

    [[nodiscard]] int rankOf(const Bucket &bucket) const { return m_rank[std::size_t(bucket.numbers[bucket.next])]; }

    // Transponders that moved further than the tolerance, or to the other
    // polarisation (pairTransponders' moved pairs); their open channels
    // then pair by service ID, same name first.
    void pairMovedTransponders()
    {
        SideTransponders referenced;
        for (std::size_t position = 0; position < m_reference.size(); ++position)
            if (const int satellite = m_satellites.idOfPosition[position]; satellite >= 0) {
                const ReferenceChannel &channel = m_reference[position];
                referenced.add(satellite, channel.vertical, channel.frequencyMhz, int(position), channel.serviceId);
            }
        referenced.makeServiceIdsDistinct();
        const TransponderPairs pairs
            = pairTransponders(referenced.transponders, m_current.transponders, m_satellites.matchesOfId);
        for (const auto &[reference, current] : pairs.moved)
            pairByServiceId(referenced.members[reference], m_current.members[current]);
    }

    // The open reference entries of one transponder, in order, with the
    // open channels of its partner: the same service ID and name first, then
    // the same service ID; the candidate earliest in the user's order.
    void pairByServiceId(const std::vector<int> &positions, const std::vector<int> &numbers)
    {
        for (const bool sameName : {true, false})
            for (const int position : positions) {
                const ReferenceChannel &wanted = m_reference[std::size_t(position)];
                if (!isOpen(std::size_t(position)) || (sameName && wanted.name.empty()))
                    continue;
                for (const int number : numbers) {
                    const Channel &channel = *m_db.channel(kindOf(m_radio), number);
                    if (!isTaken(number) && channel.serviceId == wanted.serviceId
                        && (!sameName || channel.nameText() == wanted.name)) {
                        pair(std::size_t(position), number);
                        break;
                    }
                }
            }
    }

    void pairByName()
    {
        std::unordered_map<std::string, std::vector<int>> channelsByName;
        for (std::size_t k = 0; k < m_partners.referenceOfChannel.size(); ++k) {
            const int number = int(k) + 1;
            const int satellite = m_satelliteOf[std::size_t(number)];
            if (m_partners.referenceOfChannel[k] != kNoPartner || satellite < 0)
                continue;   // a located channel has a record
            const std::string name = m_db.channel(kindOf(m_radio), number)->nameText();
            if (!name.empty())
                channelsByName[nameKey(satellite, name)].push_back(number);
        }
        std::unordered_map<std::string, std::vector<std::size_t>> referenceByName;
        for (std::size_t position = 0; position < m_reference.size(); ++position)
            if (isOpen(position) && !m_reference[position].name.empty())
                referenceByName[nameKey(m_satellites.idOfPosition[position], m_reference[position].name)]
                    .push_back(position);

        for (std::size_t position = 0; position < m_reference.size(); ++position) {
            const std::string &name = m_reference[position].name;
            if (!isOpen(position) || name.empty())
                continue;
            int candidates = 0, candidate = 0;
            for (const int satellite : satellitesOf(position))
                if (const auto it = channelsByName.find(nameKey(satellite, name)); it != channelsByName.end())
                    for (const int number : it->second)
                        if (m_partners.referenceOfChannel[std::size_t(number - 1)] == kNoPartner) {
                            ++candidates;
                            candidate = number;
                        }
            if (candidates != 1)
                continue;
            int rivals = 0;   // open reference entries of that name the candidate's satellite may carry, this one included
            for (const int id : m_satellites.idsOfSatellite[std::size_t(m_satelliteOf[std::size_t(candidate)])])
                if (const auto it = referenceByName.find(nameKey(id, name)); it != referenceByName.end())
                    rivals += int(std::count_if(it->second.begin(), it->second.end(),
                                                [this](std::size_t other) { return isOpen(other); }));
            if (rivals == 1)
                pair(position, candidate);
        }
    }

    const ChannelDatabase &m_db;
    const bool m_radio;
    const std::vector<ReferenceChannel> &m_reference;
    const ReferenceSatellites m_satellites;
    Partners m_partners;
    std::vector<int> m_rank;          // per number: its place in the user's order
    std::vector<int> m_satelliteOf;   // per number: satellite index, -1 when not located
    SideTransponders m_current;       // the database's transponders, members in the user's order
    std::unordered_map<std::uint64_t, Bucket> m_byIdentity;
    std::unordered_map<std::string, Bucket> m_byNamedIdentity;
};

} // namespace

int Partners::matched() const
{
    return int(std::count_if(channelOfReference.begin(), channelOfReference.end(),
                             [](int number) { return number != kNoPartner; }));
}

Partners matchChannels(const ChannelDatabase &db, const ChannelReference &reference, ChannelKind kind)
{
    if (!(isRadio(kind) ? reference.radio : reference.tv)) {
        Partners none;
        none.referenceOfChannel.assign(db.order(kind).size(), kNoPartner);
        return none;
    }
    return Pairing(db, reference, isRadio(kind)).run();
}

} // namespace k510
