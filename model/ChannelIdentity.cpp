// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelIdentity.h"

#include <algorithm>
#include <initializer_list>

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
        std::vector<int> positionOf(db.order(kindOf(radio)).size() + 1, -1);
        for (const int number : listedNumbers(db, kindOf(radio))) {
            positionOf[std::size_t(number)] = int(list.size());
            list.push_back(referenceChannelOf(db, *db.channel(kindOf(radio), number)));
        }
        const FavouriteGroups &groups = db.favourites(kindOf(radio));
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

std::vector<int> listedNumbers(const ChannelDatabase &db, ChannelKind kind)
{
    std::vector<int> numbers = orderedNumbers(db.order(kind));
    std::erase_if(numbers, [&](int number) { return !db.channel(kind, number); });
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

std::string channelLine(const ReferenceChannel &channel)
{
    std::string line = windows1251ToUtf8(channel.name) + " — ";
    if (!channel.located)
        return line + "транспондер не найден";
    return line + windows1251ToUtf8(channel.satellite.name) + " — " + std::to_string(channel.frequencyMhz)
           + (channel.vertical ? " V" : " H");
}

} // namespace k510
