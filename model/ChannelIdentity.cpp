// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelIdentity.h"

#include <algorithm>
#include <compare>
#include <initializer_list>

#include "ChannelKinds.h"
#include "Conversions.h"
#include "DisplayTexts.h"
#include "OrderLists.h"
#include "TextCodec.h"

namespace k510 {

namespace {

std::string positionOf(const Satellite &satellite)
{
    const SatelliteRowTexts texts = rowTextsOf(satellite);
    return texts.longitude + " " + texts.hemisphere;
}

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

// Satellite index, polarisation, frequency (below 2^21 even for damaged BCD)
// and service ID packed into one hash key.
std::uint64_t identityKey(int satellite, bool vertical, std::uint32_t frequencyMhz, std::uint16_t serviceId)
{
    return (std::uint64_t(std::uint32_t(satellite)) << 40) | (std::uint64_t(vertical) << 39)
           | (std::uint64_t(frequencyMhz & 0x7FFFFF) << 16) | serviceId;
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

// The channels of one transponder, on either side, for recognising a
// transponder that moved further than kFrequencyToleranceMhz.
struct TransponderChannels {
    int satellite = 0;   // database: satellite index; reference: satellite identity
    bool vertical = false;
    std::uint32_t frequencyMhz = 0;
    std::vector<int> members;              // numbers in the user's order, or reference positions in order
    std::vector<std::uint16_t> serviceIds;   // distinct, ascending
    bool partnerNearby = false;            // a transponder of the other side within the tolerance
};

// Two transponders that may be one: nearest first, then keeping the
// polarisation, then in the reference's order.
struct TransponderCandidate {
    std::uint32_t distance;
    bool otherPolarisation;
    int reference;
    int current;
    auto operator<=>(const TransponderCandidate &) const = default;
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
        const std::size_t count = orderOf(db, radio).size();
        m_partners.referenceOfChannel.assign(count, kNoPartner);
        m_partners.channelOfReference.assign(m_reference.size(), kNoPartner);
        m_rank.assign(count + 1, 0);
        m_satelliteOf.assign(count + 1, -1);
        int rank = 0;
        for (const int number : orderedNumbers(orderOf(db, radio))) {
            m_rank[std::size_t(number)] = rank++;
            const Channel *channel = channelOfKind(db, radio, number);
            const auto location = channel ? locate(db, *channel) : std::nullopt;
            if (!location)
                continue;
            m_satelliteOf[std::size_t(number)] = location->satellite;
            m_located.push_back({number, *location});
            const std::uint64_t identity
                = identityKey(location->satellite, location->vertical, location->frequencyMhz, channel->serviceId);
            m_byIdentity[identity].numbers.push_back(number);
            if (const std::string name = channel->nameText(); !name.empty())
                m_byNamedIdentity[namedIdentityKey(identity, name)].numbers.push_back(number);
        }
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
    struct Located {
        int number;
        Location location;
    };

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
    // with sameName only candidates of the entry's name.
    void pairByIdentity(std::uint32_t distance, bool sameName)
    {
        for (std::size_t position = 0; position < m_reference.size(); ++position) {
            const ReferenceChannel &wanted = m_reference[position];
            if (!isOpen(position) || (sameName && wanted.name.empty()))
                continue;
            Bucket *best = nullptr;
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
                if (bucket && (!best || rankOf(*bucket) < rankOf(*best)))
                    best = bucket;
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

    // A transponder that moved further than the tolerance, or to the other
    // polarisation, keeps its service IDs. Transponders of matching
    // satellites with no transponder of the other side within the tolerance
    // are partners when they share at least two service IDs, and at least
    // half of those of the one with fewer; nearest frequencies pair first.
    // Their open channels then pair by service ID, same name first.
    void pairMovedTransponders()
    {
        std::vector<TransponderChannels> current = currentTransponders();
        std::vector<TransponderChannels> referenced = referenceTransponders();
        markPartnersNearby(current, referenced);

        // Per database satellite and service ID: the transponders carrying it.
        std::unordered_map<std::uint64_t, std::vector<int>> carriers;
        for (std::size_t d = 0; d < current.size(); ++d)
            if (!current[d].partnerNearby)
                for (const std::uint16_t serviceId : current[d].serviceIds)
                    carriers[satelliteServiceKey(current[d].satellite, serviceId)].push_back(int(d));

        std::vector<TransponderCandidate> candidates;
        for (std::size_t r = 0; r < referenced.size(); ++r) {
            const TransponderChannels &wanted = referenced[r];
            if (wanted.partnerNearby)
                continue;
            std::unordered_map<int, int> shared;   // per database transponder
            for (const std::uint16_t serviceId : wanted.serviceIds)
                for (const int satellite : m_satellites.matchesOfId[std::size_t(wanted.satellite)])
                    if (const auto it = carriers.find(satelliteServiceKey(satellite, serviceId)); it != carriers.end())
                        for (const int d : it->second)
                            ++shared[d];
            for (const auto &[d, count] : shared) {
                const TransponderChannels &candidate = current[std::size_t(d)];
                if (!sharesEnoughServiceIds(std::size_t(count), wanted.serviceIds.size(), candidate.serviceIds.size()))
                    continue;
                const std::uint32_t distance = wanted.frequencyMhz > candidate.frequencyMhz
                                                   ? wanted.frequencyMhz - candidate.frequencyMhz
                                                   : candidate.frequencyMhz - wanted.frequencyMhz;
                candidates.push_back({distance, wanted.vertical != candidate.vertical, int(r), d});
            }
        }
        std::sort(candidates.begin(), candidates.end());
        std::vector<char> referenceTaken(referenced.size(), 0), currentTaken(current.size(), 0);
        for (const TransponderCandidate &candidate : candidates) {
            if (referenceTaken[std::size_t(candidate.reference)] || currentTaken[std::size_t(candidate.current)])
                continue;
            referenceTaken[std::size_t(candidate.reference)] = currentTaken[std::size_t(candidate.current)] = 1;
            pairByServiceId(referenced[std::size_t(candidate.reference)].members,
                            current[std::size_t(candidate.current)].members);
        }
    }

    static std::uint64_t satelliteServiceKey(int satellite, std::uint16_t serviceId)
    {
        return (std::uint64_t(std::uint32_t(satellite)) << 16) | serviceId;
    }

    // The database's transponders, as their channels of this kind show them.
    [[nodiscard]] std::vector<TransponderChannels> currentTransponders() const
    {
        std::vector<TransponderChannels> transponders;
        std::unordered_map<std::uint64_t, std::size_t> indexOf;
        for (const Located &channel : m_located) {
            const Location &at = channel.location;
            const auto [it, added]
                = indexOf.try_emplace(identityKey(at.satellite, at.vertical, at.frequencyMhz, 0), transponders.size());
            if (added)
                transponders.push_back({at.satellite, at.vertical, at.frequencyMhz, {}, {}, false});
            TransponderChannels &transponder = transponders[it->second];
            transponder.members.push_back(channel.number);
            transponder.serviceIds.push_back(channelOfKind(m_db, m_radio, channel.number)->serviceId);
        }
        for (TransponderChannels &transponder : transponders)
            makeDistinct(transponder.serviceIds);
        return transponders;
    }

    // The reference's transponders; `satellite` is the satellite identity.
    [[nodiscard]] std::vector<TransponderChannels> referenceTransponders() const
    {
        std::vector<TransponderChannels> transponders;
        std::unordered_map<std::uint64_t, std::size_t> indexOf;
        for (std::size_t position = 0; position < m_reference.size(); ++position) {
            const int satellite = m_satellites.idOfPosition[position];
            if (satellite < 0)
                continue;
            const ReferenceChannel &channel = m_reference[position];
            const auto [it, added] = indexOf.try_emplace(
                identityKey(satellite, channel.vertical, channel.frequencyMhz, 0), transponders.size());
            if (added)
                transponders.push_back({satellite, channel.vertical, channel.frequencyMhz, {}, {}, false});
            TransponderChannels &transponder = transponders[it->second];
            transponder.members.push_back(int(position));
            transponder.serviceIds.push_back(channel.serviceId);
        }
        for (TransponderChannels &transponder : transponders)
            makeDistinct(transponder.serviceIds);
        return transponders;
    }

    static void makeDistinct(std::vector<std::uint16_t> &serviceIds)
    {
        std::sort(serviceIds.begin(), serviceIds.end());
        serviceIds.erase(std::unique(serviceIds.begin(), serviceIds.end()), serviceIds.end());
    }

    // Marks the transponders that have one of the other side on a matching
    // satellite, of the same polarisation, within the tolerance.
    void markPartnersNearby(std::vector<TransponderChannels> &current, std::vector<TransponderChannels> &referenced) const
    {
        std::unordered_map<std::uint64_t, std::size_t> referenceAt;
        for (std::size_t r = 0; r < referenced.size(); ++r)
            referenceAt[identityKey(referenced[r].satellite, referenced[r].vertical, referenced[r].frequencyMhz, 0)] = r;
        for (TransponderChannels &transponder : current)
            for (const int id : m_satellites.idsOfSatellite[std::size_t(transponder.satellite)])
                for (std::uint32_t distance = 0; distance <= 2 * kFrequencyToleranceMhz; ++distance) {
                    if (transponder.frequencyMhz + kFrequencyToleranceMhz < distance)
                        continue;
                    const std::uint32_t frequency = transponder.frequencyMhz + kFrequencyToleranceMhz - distance;
                    const auto it = referenceAt.find(identityKey(id, transponder.vertical, frequency, 0));
                    if (it != referenceAt.end()) {
                        transponder.partnerNearby = true;
                        referenced[it->second].partnerNearby = true;
                    }
                }
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
                    const Channel &channel = *channelOfKind(m_db, m_radio, number);
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
            const std::string name = channelOfKind(m_db, m_radio, number)->nameText();
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
    std::vector<Located> m_located;   // in the user's order
    std::unordered_map<std::uint64_t, Bucket> m_byIdentity;
    std::unordered_map<std::string, Bucket> m_byNamedIdentity;
};

} // namespace

SatelliteIdentity satelliteIdentityOf(const Satellite &satellite)
{
    return {satellite.name, positionOf(satellite)};
}

ReferenceChannel referenceChannelOf(const ChannelDatabase &db, const Channel &channel)
{
    ReferenceChannel reference;
    reference.name = channel.nameText();
    reference.serviceId = channel.serviceId;
    const Transponder *tp = db.transponderOf(channel);
    const Satellite *satellite = tp ? db.satelliteOf(*tp) : nullptr;
    if (!satellite)
        return reference;
    reference.located = true;
    reference.satellite = satelliteIdentityOf(*satellite);
    reference.vertical = tp->polarisation != 0;
    reference.frequencyMhz = bcdDigitsValue(bcdValue(tp->frequency));
    return reference;
}

ChannelReference referenceOf(const ChannelDatabase &db)
{
    ChannelReference reference;
    for (const Satellite &satellite : db.satellites)
        reference.satellites.push_back(satelliteIdentityOf(satellite));
    ReferenceFavourites favourites;
    for (const bool radio : {false, true}) {
        std::vector<ReferenceChannel> list;
        std::vector<int> positionOf(orderOf(db, radio).size() + 1, -1);
        for (const int number : listedNumbers(db, radio)) {
            positionOf[std::size_t(number)] = int(list.size());
            list.push_back(referenceChannelOf(db, *channelOfKind(db, radio, number)));
        }
        const FavouriteGroups &groups = favouritesOf(db, radio);
        for (int g = 0; g < kFavouriteGroupCount; ++g) {
            auto &entries = (radio ? favourites.radio : favourites.tv)[std::size_t(g)];
            for (const std::uint16_t number : groups[std::size_t(g)])
                if (number < positionOf.size() && positionOf[number] >= 0)
                    entries.push_back(positionOf[number]);
            (radio ? favourites.radioNames : favourites.tvNames)[std::size_t(g)]
                = radio ? db.radioGroupName(g + 1) : db.tvGroupName(g + 1);
        }
        (radio ? reference.radio : reference.tv) = std::move(list);
    }
    reference.favourites = std::move(favourites);
    return reference;
}

std::vector<int> listedNumbers(const ChannelDatabase &db, bool radio)
{
    std::vector<int> numbers = orderedNumbers(orderOf(db, radio));
    std::erase_if(numbers, [&](int number) { return !channelOfKind(db, radio, number); });
    return numbers;
}

std::string satelliteNameKey(std::string_view windows1251)
{
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = windows1251.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = windows1251.find_last_not_of(kBlanks);
    std::string key(windows1251.substr(first, last - first + 1));
    for (char &c : key)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return key;
}

std::vector<int> satellitesNamed(const ChannelDatabase &db, std::string_view windows1251)
{
    const std::string key = satelliteNameKey(windows1251);
    std::vector<int> found;
    for (std::size_t k = 0; k < db.satellites.size(); ++k)
        if (satelliteNameKey(db.satellites[k].name) == key)
            found.push_back(int(k));
    return found;
}

SatelliteMatcher::SatelliteMatcher(const ChannelDatabase &db, const std::vector<SatelliteIdentity> &referenceSatellites)
{
    const auto addDistinct = [](std::vector<std::string> &positions, const std::string &position) {
        if (std::find(positions.begin(), positions.end(), position) == positions.end())
            positions.push_back(position);
    };
    for (std::size_t index = 0; index < db.satellites.size(); ++index) {
        const Satellite &satellite = db.satellites[index];
        m_positions.push_back(positionOf(satellite));
        Name &name = m_current[satelliteNameKey(satellite.name)];
        name.satellites.push_back(int(index));
        addDistinct(name.positions, m_positions.back());
    }
    std::unordered_map<std::string, std::vector<std::string>> referencePositions;
    for (const SatelliteIdentity &satellite : referenceSatellites)
        if (!satellite.position.empty())
            addDistinct(referencePositions[satelliteNameKey(satellite.name)], satellite.position);
    for (const auto &[key, positions] : referencePositions)
        m_referencePositions[key] = int(positions.size());
}

std::vector<int> SatelliteMatcher::matches(const SatelliteIdentity &satellite) const
{
    const std::string key = satelliteNameKey(satellite.name);
    const auto current = m_current.find(key);
    if (current == m_current.end())
        return {};
    const auto reference = m_referencePositions.find(key);
    const bool sharedName = current->second.positions.size() > 1
                            || (reference != m_referencePositions.end() && reference->second > 1);
    if (satellite.position.empty() || !sharedName)
        return current->second.satellites;
    std::vector<int> matching;
    for (const int index : current->second.satellites)
        if (m_positions[std::size_t(index)] == satellite.position)
            matching.push_back(index);
    return matching;
}

bool sharesEnoughServiceIds(std::size_t shared, std::size_t serviceIdsOfOne, std::size_t serviceIdsOfOther)
{
    return shared >= 2 && 2 * shared >= std::min(serviceIdsOfOne, serviceIdsOfOther);
}

int Partners::matched() const
{
    return int(std::count_if(channelOfReference.begin(), channelOfReference.end(),
                             [](int number) { return number != kNoPartner; }));
}

Partners matchChannels(const ChannelDatabase &db, const ChannelReference &reference, bool radio)
{
    if (!(radio ? reference.radio : reference.tv)) {
        Partners none;
        none.referenceOfChannel.assign(orderOf(db, radio).size(), kNoPartner);
        return none;
    }
    return Pairing(db, reference, radio).run();
}

std::string channelLine(const ReferenceChannel &channel)
{
    std::string line = windows1251ToUtf8(channel.name) + " — ";
    if (!channel.located)
        return line + "транспондер не найден";
    return line + windows1251ToUtf8(channel.satellite.name) + " — " + std::to_string(channel.frequencyMhz)
           + (channel.vertical ? " V" : " H");
}

} // namespace k510
