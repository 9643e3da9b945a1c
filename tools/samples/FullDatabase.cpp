// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleDatabases.h"

#include <string>

#include "DatabaseBuilder.h"
#include "model/ImageLayout.h"

namespace k510::samples {

ChannelDatabase fullCapacityDatabase()
{
    constexpr int satellites = 64;
    constexpr int transponders = 2000;
    constexpr int channels = int((layout::kRegionAEnd - layout::regionALength(satellites, transponders, 0)) / 32);
    constexpr int tvChannels = kOrderCapacity;
    constexpr int radioChannels = channels - tvChannels;
    static_assert(layout::regionALength(satellites, transponders, channels) <= layout::kRegionAEnd);

    DatabaseBuilder builder;
    for (int s = 0; s < satellites; ++s) {
        const std::string name = "Спутник " + std::to_string(s + 1);
        builder.addSatellite({name, s % 3 == 0 ? 0 : 9750, 10600, SwitchType(s % 5), s % 5, s % 17, (s * 29) % 1800,
                              s % 2 == 1});
    }
    for (int t = 0; t < transponders; ++t)
        builder.addTransponder(t % satellites + 1, 10700 + (t * 7) % 2050, t % 2 ? 'V' : 'H', 27500, t % 6);

    const auto channelName = [](const char *prefix, int n) { return prefix + std::to_string(n); };
    for (int c = 0; c < tvChannels; ++c) {
        const std::string name = channelName(c % 2 ? "Канал " : "Channel ", c + 1);
        builder.addTv(c % transponders + 1, {name, c + 1, 32 + c % 8000, 256 + c % 7000, 257 + c % 7000,
                                             256 + c % 7000, c % 3 == 0, c % 11 == 0});
    }
    for (int r = 0; r < radioChannels; ++r) {
        const std::string name = channelName("Радио ", r + 1);
        builder.addRadio(r % transponders + 1, {name, 20000 + r, 40 + r, 0, 300 + r, 300 + r});
    }

    for (int g = 1; g <= kFavouriteGroupCount; ++g) {
        std::vector<std::uint16_t> tv, radio;
        for (int j = 0; j < kFavouriteGroupCapacity; ++j) {
            tv.push_back(std::uint16_t((g * 97 + j * 31) % tvChannels + 1));
            radio.push_back(std::uint16_t((g * 13 + j * 7) % radioChannels + 1));
        }
        builder.setTvGroup(g, "ТВ группа " + std::to_string(g), std::move(tv));
        builder.setRadioGroup(g, "Радио " + std::to_string(g), std::move(radio));
    }
    return builder.build();
}

} // namespace k510::samples
