// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelIdentity.h"

#include <algorithm>
#include <initializer_list>

#include "ChannelKinds.h"
#include "Conversions.h"
#include "OrderLists.h"
#include "TextCodec.h"

namespace k510 {

namespace {

std::string positionOf(const Satellite &satellite)
{
    const SatelliteRowTexts &texts = satellite.rowTexts;
    if (texts.longitude.empty() && texts.hemisphere.empty())
        return {};
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

// Current channels with one identity, in the user's order. Pairing always
// takes the first one not yet taken, so those taken are a prefix.
struct Bucket {
    std::vector<int> numbers;
    std::size_t next = 0;
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
            m_byIdentity[identityKey(location->satellite, location->vertical, location->frequencyMhz, channel->serviceId)]
                .numbers.push_back(number);
        }
    }

    Partners run() &&
    {
        for (std::uint32_t distance = 0; distance <= kFrequencyToleranceMhz; ++distance)
            pairByIdentity(distance);
        pairByName();
        return std::move(m_partners);
    }

private:
    [[nodiscard]] bool isOpen(std::size_t position) const
    {
        return m_partners.channelOfReference[position] == kNoPartner && m_satellites.idOfPosition[position] >= 0;
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

    // Reference entries whose transponder lies exactly `distance` MHz away.
    void pairByIdentity(std::uint32_t distance)
    {
        for (std::size_t position = 0; position < m_reference.size(); ++position) {
            if (!isOpen(position))
                continue;
            const ReferenceChannel &wanted = m_reference[position];
            Bucket *best = nullptr;
            const auto consider = [&](int satellite, std::uint32_t frequency) {
                const auto it = m_byIdentity.find(identityKey(satellite, wanted.vertical, frequency, wanted.serviceId));
                if (it == m_byIdentity.end() || it->second.next == it->second.numbers.size())
                    return;
                Bucket &bucket = it->second;
                if (!best || rankOf(bucket) < rankOf(*best))
                    best = &bucket;
            };
            for (const int satellite : satellitesOf(position)) {
                consider(satellite, wanted.frequencyMhz + distance);
                if (distance > 0 && wanted.frequencyMhz >= distance)
                    consider(satellite, wanted.frequencyMhz - distance);
            }
            if (best)
                pair(position, best->numbers[best->next++]);
        }
    }

    [[nodiscard]] int rankOf(const Bucket &bucket) const { return m_rank[std::size_t(bucket.numbers[bucket.next])]; }

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
    std::unordered_map<std::uint64_t, Bucket> m_byIdentity;
};

} // namespace

SatelliteIdentity satelliteIdentityOf(const Satellite &satellite)
{
    return {satellite.rowTexts.name, positionOf(satellite)};
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

SatelliteMatcher::SatelliteMatcher(const ChannelDatabase &db, const std::vector<SatelliteIdentity> &referenceSatellites)
{
    const auto addDistinct = [](std::vector<std::string> &positions, const std::string &position) {
        if (std::find(positions.begin(), positions.end(), position) == positions.end())
            positions.push_back(position);
    };
    for (std::size_t index = 0; index < db.satellites.size(); ++index) {
        const Satellite &satellite = db.satellites[index];
        m_positions.push_back(positionOf(satellite));
        Name &name = m_current[satelliteNameKey(satellite.rowTexts.name)];
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
