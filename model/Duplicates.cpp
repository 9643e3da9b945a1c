// SPDX-License-Identifier: GPL-3.0-or-later
#include "Duplicates.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_set>

#include "ChannelKinds.h"
#include "OrderLists.h"

namespace k510 {

namespace {

std::vector<int> duplicates(const ChannelDatabase &db, bool radio)
{
    std::unordered_set<std::uint32_t> serviceIdsSeen;   // transponder number and service ID
    std::unordered_set<std::string> namesSeen;          // transponder number and name
    std::vector<int> numbers;
    for (const int number : orderedNumbers(orderOf(db, radio))) {
        const Channel *channel = channelOfKind(db, radio, number);
        if (!channel || !db.transponderOf(*channel))
            continue;
        const bool sameService = !serviceIdsSeen.insert(std::uint32_t(channel->tpNumber) << 16 | channel->serviceId).second;
        const std::string name = channel->nameText();
        const bool sameName = !name.empty() && !namesSeen.insert(std::to_string(channel->tpNumber) + '\0' + name).second;
        if (sameService || sameName)
            numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

std::vector<int> duplicateTvNumbers(const ChannelDatabase &db) { return duplicates(db, false); }
std::vector<int> duplicateRadioNumbers(const ChannelDatabase &db) { return duplicates(db, true); }

} // namespace k510
