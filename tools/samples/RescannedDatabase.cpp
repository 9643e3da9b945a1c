// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseBuilder.h"
#include "SampleDatabases.h"
#include "model/Conversions.h"
#include "model/Deletion.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

namespace k510::samples {

namespace {

// A tenth of 1..count, picked at random.
std::vector<int> someTenth(int count, std::mt19937 &random)
{
    std::vector<int> numbers(static_cast<std::size_t>(count));
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), random);
    numbers.resize(std::size_t(count / 10));
    return numbers;
}

} // namespace

ChannelDatabase rescannedDatabase(const ChannelDatabase &old, std::uint32_t seed)
{
    std::mt19937 random(seed);
    ChannelDatabase db = old;
    const std::vector<int> tvGone = someTenth(db.tvCount(), random);
    const std::vector<int> radioGone = someTenth(int(db.radioOrder.size()), random);
    deleteItems(db, tvGone, radioGone, {});
    for (auto &tp : db.transponders)
        tp.frequency = bcdOf(int(bcdDigitsValue(bcdValue(tp.frequency))) + 1);
    const auto newChannel = [&](int serial, bool radio) {
        Channel channel;
        channel.serviceId = std::uint16_t(50000 + serial);
        channel.tpNumber = std::uint16_t(std::uniform_int_distribution<int>(1, int(db.transponders.size()))(random));
        channel.setName((radio ? "New radio " : "New TV ") + std::to_string(serial));
        channel.setServiceType(radio ? ServiceType::Radio : ServiceType::Tv);
        return channel;
    };
    for (std::size_t k = 0; k < tvGone.size(); ++k)
        db.appendTvChannel(newChannel(int(k), false));
    for (std::size_t k = 0; k < radioGone.size(); ++k)
        db.appendRadioChannel(newChannel(int(k), true));
    std::shuffle(db.tvOrder.begin(), db.tvOrder.end(), random);
    std::shuffle(db.radioOrder.begin(), db.radioOrder.end(), random);
    for (auto *groups : {&db.tvFavourites, &db.radioFavourites})
        for (auto &group : *groups)
            group.clear();
    return db;
}

} // namespace k510::samples
