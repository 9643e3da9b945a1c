// SPDX-License-Identifier: GPL-3.0-or-later
#include "Duplicates.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_set>

#include "OrderLists.h"

namespace k510 {

DuplicateChannels duplicateChannels(const ChannelDatabase &db, ChannelKind kind)
{
    std::unordered_set<std::uint32_t> serviceIdsSeen;   // transponder number and service ID
    std::unordered_set<std::string> namesSeen;          // transponder number and name
    DuplicateChannels found;
    for (const int number : orderedNumbers(db.order(kind))) {
        const Channel *channel = db.channel(kind, number);
        if (!channel || !db.transponderOf(*channel))
            continue;
        const bool sameService = !serviceIdsSeen.insert(std::uint32_t(channel->tpNumber) << 16 | channel->serviceId).second;
        const std::string name = channel->nameText();
        const bool sameName = !name.empty() && !namesSeen.insert(std::to_string(channel->tpNumber) + '\0' + name).second;
        if (sameService)
            found.copies.push_back(number);
        else if (sameName)
            found.similarNames.push_back(number);
    }
    std::sort(found.copies.begin(), found.copies.end());
    std::sort(found.similarNames.begin(), found.similarNames.end());
    return found;
}

} // namespace k510
