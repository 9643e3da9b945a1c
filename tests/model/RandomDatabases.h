// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Databases of random shape for tests that compare operations with each
// other, and the damage images bring with them.

#include <algorithm>
#include <random>
#include <string>

#include "model/ChannelDatabase.h"
#include "tools/samples/DatabaseBuilder.h"

namespace k510::testing {

inline int uniform(std::mt19937 &random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

inline bool chance(std::mt19937 &random, int percent) { return uniform(random, 0, 99) < percent; }

// A consistent database: up to maxChannels channels spread over a few
// transponders (some without channels) on a few satellites, shuffled order
// lists, favourite groups with repeated numbers. Every channel has its own
// service ID, so records can be told apart after renumbering.
inline ChannelDatabase randomDatabase(std::mt19937 &random, int maxChannels)
{
    samples::DatabaseBuilder builder;
    const int satellites = uniform(random, 1, 4);
    for (int s = 1; s <= satellites; ++s)
        builder.addSatellite({"Sat " + std::to_string(s), 9750, 10600});
    const int transponders = uniform(random, 0, 8);
    for (int t = 0; t < transponders; ++t)
        builder.addTransponder(uniform(random, 1, satellites), 10700 + t, t % 2 ? 'V' : 'H', 27500, 3);

    const int tv = transponders ? uniform(random, 0, maxChannels) : 0;
    const int radio = transponders ? uniform(random, 0, maxChannels / 2) : 0;
    int serviceId = 1;
    for (int n = 0; n < tv; ++n)
        builder.addTv(uniform(random, 1, transponders), {"tv", serviceId++});
    for (int r = 0; r < radio; ++r)
        builder.addRadio(uniform(random, 1, transponders), {"radio", serviceId++});

    const auto shuffled = [&random](int count) {
        std::vector<std::uint16_t> order(std::size_t(count), 0);
        for (int k = 0; k < count; ++k)
            order[std::size_t(k)] = std::uint16_t(k + 1);
        std::shuffle(order.begin(), order.end(), random);
        return order;
    };
    builder.setTvOrder(shuffled(tv));
    builder.setRadioOrder(shuffled(radio));
    const auto group = [&random](int count) {
        std::vector<std::uint16_t> entries;
        const int size = count ? uniform(random, 0, std::min(kFavouriteGroupCapacity, 2 * count)) : 0;
        for (int k = 0; k < size; ++k)
            entries.push_back(std::uint16_t(uniform(random, 1, count)));
        return entries;
    };
    for (int g = 1; g <= kFavouriteGroupCount; ++g) {
        builder.setTvGroup(g, "TV " + std::to_string(g), group(tv));
        builder.setRadioGroup(g, "Radio " + std::to_string(g), group(radio));
    }
    return builder.build();
}

// Damage that the image reader lets through: order lists that are not
// permutations or do not match the channel records, favourite entries naming
// nothing, channels of an invalid type or in the other block.
inline void breakNumbering(ChannelDatabase &db, std::mt19937 &random)
{
    // Mostly near the range, sometimes anywhere but the image's empty-slot mark.
    const auto junk = [&random](int count) {
        return std::uint16_t(chance(random, 80) ? uniform(random, 0, count + 3) : uniform(random, 0, 0xFFFE));
    };
    for (auto *order : {&db.tvOrder, &db.radioOrder}) {
        const int count = int(order->size());
        if (count && chance(random, 50))
            (*order)[std::size_t(uniform(random, 0, count - 1))] = junk(count);
        if (count && chance(random, 30))
            (*order)[std::size_t(uniform(random, 0, count - 1))] = (*order)[0];
        if (chance(random, 25))
            order->push_back(junk(count));
        if (count && chance(random, 25))
            order->pop_back();
    }
    for (auto *groups : {&db.tvFavourites, &db.radioFavourites})
        for (auto &group : *groups)
            if (!group.empty() && chance(random, 30))
                group[std::size_t(uniform(random, 0, int(group.size()) - 1))] = junk(int(group.size()));
    for (auto &channel : db.channels)
        if (chance(random, 5))
            channel.setServiceType(uniform(random, 0, 3));
    db.rebuildChannelIndices();
}

} // namespace k510::testing
