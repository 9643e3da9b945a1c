// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelDatabase.h"

#include "OrderLists.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace k510 {

namespace {

// Removes every occurrence of number, then closes the numbering gap it leaves.
void removeAndRenumber(FavouriteGroups &groups, int number)
{
    for (auto &group : groups) {
        std::erase(group, std::uint16_t(number));
        for (auto &entry : group)
            if (entry > number)
                --entry;
    }
}

void eraseValue(std::vector<int> &list, int value)
{
    const auto it = std::find(list.begin(), list.end(), value);
    if (it != list.end())
        list.erase(it);
}

bool contains(const FavouriteGroups &groups, int number)
{
    return std::any_of(groups.begin(), groups.end(), [number](const FavouriteGroup &group) {
        return std::find(group.begin(), group.end(), std::uint16_t(number)) != group.end();
    });
}

// Offset of slot k (1..12) in the TV or the radio block of the group names.
std::size_t groupNameOffset(bool radio, int group)
{
    return (radio ? kGroupNameBlockSize : 0) + kGroupNameSlotSize * std::size_t(group);
}

std::string nameInSlot(const GroupNames &names, bool radio, int group)
{
    if (group < 1 || group > kFavouriteGroupCount)
        return {};
    const auto *slot = reinterpret_cast<const char *>(&names[groupNameOffset(radio, group)]);
    return std::string(slot, strnlen(slot, kGroupNameLength));
}

void setNameInSlot(GroupNames &names, bool radio, int group, std::string_view windows1251)
{
    if (group < 1 || group > kFavouriteGroupCount)
        return;
    // The slot's last byte is not the name's: it keeps what the receiver put there.
    std::uint8_t *slot = &names[groupNameOffset(radio, group)];
    std::memset(slot, 0, kGroupNameLength);
    std::memcpy(slot, windows1251.data(), std::min(windows1251.size(), kGroupNameLength));
}

} // namespace

void ChannelDatabase::reset()
{
    satellites.clear();
    transponders.clear();
    channels.clear();
    tvOrder.clear();
    radioOrder.clear();
}

const Channel *ChannelDatabase::channelAt(int index) const
{
    return index >= 0 && std::size_t(index) < channels.size() ? &channels[std::size_t(index)] : nullptr;
}

const Channel *ChannelDatabase::tvChannel(int number) const
{
    return number >= 1 && number <= tvCount() ? channelAt(number - 1) : nullptr;
}

Channel *ChannelDatabase::tvChannel(int number)
{
    return const_cast<Channel *>(std::as_const(*this).tvChannel(number));
}

const Channel *ChannelDatabase::radioChannel(int number) const
{
    return number >= 1 ? channelAt(tvCount() + number - 1) : nullptr;
}

Channel *ChannelDatabase::radioChannel(int number)
{
    return const_cast<Channel *>(std::as_const(*this).radioChannel(number));
}

const Transponder *ChannelDatabase::transponderOf(const Channel &channel) const
{
    const int index = int(channel.tpNumber) - 1;
    return index >= 0 && std::size_t(index) < transponders.size() ? &transponders[std::size_t(index)] : nullptr;
}

const Satellite *ChannelDatabase::satelliteOf(const Transponder &transponder) const
{
    const int index = int(transponder.satNumber) - 1;
    return index >= 0 && std::size_t(index) < satellites.size() ? &satellites[std::size_t(index)] : nullptr;
}

int ChannelDatabase::tvChannelIndex(int tvNumber) const
{
    return tvChannel(tvNumber) ? tvNumber - 1 : -1;
}

int ChannelDatabase::radioChannelIndex(int radioNumber) const
{
    return radioChannel(radioNumber) ? tvCount() + radioNumber - 1 : -1;
}

int ChannelDatabase::channelIndexOfTvOrder(int position) const
{
    if (position < 0 || std::size_t(position) >= tvOrder.size())
        return -1;
    return tvChannelIndex(tvOrder[std::size_t(position)]);
}

int ChannelDatabase::channelIndexOfRadioOrder(int position) const
{
    if (position < 0 || std::size_t(position) >= radioOrder.size())
        return -1;
    return radioChannelIndex(radioOrder[std::size_t(position)]);
}

int ChannelDatabase::rebuildChannelIndices()
{
    for (auto &tp : transponders) {
        tp.tvChannelIndices.clear();
        tp.radioChannelIndices.clear();
    }
    int invalidTypes = 0;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const Channel &ch = channels[i];
        const int type = ch.serviceType();
        if (type != ServiceType::Tv && type != ServiceType::Radio) {
            ++invalidTypes;
            continue;
        }
        const int tpIndex = int(ch.tpNumber) - 1;
        if (tpIndex < 0 || std::size_t(tpIndex) >= transponders.size())
            continue;
        auto &tp = transponders[std::size_t(tpIndex)];
        (type == ServiceType::Tv ? tp.tvChannelIndices : tp.radioChannelIndices).push_back(int(i));
    }
    return invalidTypes;
}

void ChannelDatabase::rebuildTransponderIndices()
{
    for (auto &sat : satellites)
        sat.transponderIndices.clear();
    for (std::size_t i = 0; i < transponders.size(); ++i) {
        const int satIndex = int(transponders[i].satNumber) - 1;
        if (satIndex >= 0 && std::size_t(satIndex) < satellites.size())
            satellites[std::size_t(satIndex)].transponderIndices.push_back(int(i));
    }
}

bool ChannelDatabase::isInTvFavourites(int tvNumber) const { return contains(tvFavourites, tvNumber); }
bool ChannelDatabase::isInRadioFavourites(int radioNumber) const { return contains(radioFavourites, radioNumber); }

int ChannelDatabase::appendTvChannel(const Channel &channel)
{
    const int index = tvCount();
    if (std::size_t(index) > channels.size() || tvOrder.size() >= std::size_t(kOrderCapacity))
        return 0;
    channels.insert(channels.begin() + index, channel);
    tvOrder.push_back(std::uint16_t(index + 1));
    // The new channel ends its transponder's TV list and every radio channel
    // moved up one index: exactly what a rebuild gives.
    return rebuildChannelIndices();
}

int ChannelDatabase::appendRadioChannel(const Channel &channel)
{
    // Placed at T+R rather than at the end of channels, so the new radio
    // number names it even in an image with stray records behind the radio block.
    const std::size_t index = tvOrder.size() + radioOrder.size();
    if (index > channels.size() || radioOrder.size() >= std::size_t(kOrderCapacity))
        return 0;
    Channel radio = channel;
    radio.setServiceType(ServiceType::Radio);
    channels.insert(channels.begin() + std::ptrdiff_t(index), radio);
    radioOrder.push_back(std::uint16_t(radioOrder.size() + 1));
    return rebuildChannelIndices();
}

int ChannelDatabase::deleteTvChannel(int tvNumber, int *clearedOrderEntries)
{
    const Channel *channel = tvChannel(tvNumber);
    if (!channel)
        return 0;
    const int cleared = removeFromOrder(tvOrder, tvNumber);
    if (clearedOrderEntries)
        *clearedOrderEntries += cleared;
    channels.erase(channels.begin() + (tvNumber - 1));
    removeAndRenumber(tvFavourites, tvNumber);
    return rebuildChannelIndices();
}

int ChannelDatabase::deleteRadioChannel(int listNumber, int *clearedOrderEntries)
{
    const int radioNumber = listNumber - tvCount();
    if (!radioChannel(radioNumber))
        return 0;
    const int cleared = removeFromOrder(radioOrder, radioNumber);
    if (clearedOrderEntries)
        *clearedOrderEntries += cleared;
    channels.erase(channels.begin() + (listNumber - 1));
    removeAndRenumber(radioFavourites, radioNumber);
    return rebuildChannelIndices();
}

int ChannelDatabase::deleteTransponder(int transponderNumber, int *clearedOrderEntries)
{
    if (transponderNumber < 1 || std::size_t(transponderNumber) > transponders.size())
        return 0;
    const int satIndex = int(transponders[std::size_t(transponderNumber - 1)].satNumber) - 1;
    if (satIndex >= 0 && std::size_t(satIndex) < satellites.size())
        eraseValue(satellites[std::size_t(satIndex)].transponderIndices, transponderNumber - 1);

    // Every channel on the transponder goes, from the highest index down so
    // the numbers still to be deleted stay valid: the radio channels, which
    // lie behind every TV channel, then the TV channels. Going by index rather
    // than by the index lists also takes channels of an invalid type, which
    // are in no list and would otherwise be left naming another transponder.
    std::vector<int> doomed;
    for (std::size_t i = 0; i < channels.size(); ++i)
        if (channels[i].tpNumber == transponderNumber)
            doomed.push_back(int(i));
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
        if (*it >= tvCount())
            deleteRadioChannel(*it + 1, clearedOrderEntries);
        else
            deleteTvChannel(*it + 1, clearedOrderEntries);
    }

    for (auto &ch : channels)
        if (ch.tpNumber > transponderNumber)
            --ch.tpNumber;
    transponders.erase(transponders.begin() + (transponderNumber - 1));
    rebuildTransponderIndices();
    return rebuildChannelIndices();
}

int ChannelDatabase::appendTransponder(int satelliteIndex, const Transponder &values)
{
    if (!canHoldTransponders(satelliteIndex) || std::size_t(satelliteIndex) >= satellites.size()
        || transponders.size() >= std::size_t(kTransponderCapacity))
        return -1;
    Transponder transponder = values;
    transponder.satNumber = std::uint8_t(satelliteIndex + 1);
    transponder.tvChannelIndices.clear();   // a new transponder has no channels
    transponder.radioChannelIndices.clear();
    transponders.push_back(std::move(transponder));
    const int index = int(transponders.size()) - 1;
    satellites[std::size_t(satelliteIndex)].transponderIndices.push_back(index);
    return index;
}

std::string ChannelDatabase::groupName(ChannelKind kind, int group) const
{
    return nameInSlot(groupNames, isRadio(kind), group);
}

void ChannelDatabase::setGroupName(ChannelKind kind, int group, std::string_view windows1251)
{
    setNameInSlot(groupNames, isRadio(kind), group, windows1251);
}

std::string ChannelDatabase::tvGroupName(int group) const { return groupName(ChannelKind::Tv, group); }
std::string ChannelDatabase::radioGroupName(int group) const { return groupName(ChannelKind::Radio, group); }
void ChannelDatabase::setTvGroupName(int group, std::string_view name) { setGroupName(ChannelKind::Tv, group, name); }
void ChannelDatabase::setRadioGroupName(int group, std::string_view name) { setGroupName(ChannelKind::Radio, group, name); }

} // namespace k510
