// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleDatabases.h"

#include <array>

#include "DatabaseBuilder.h"

namespace k510::samples {

namespace {

struct TransponderRow {
    int satellite;
    int frequency;
    char polarisation;
    int symbolRate;
    int fec;
};

struct ChannelRow {
    int transponder;   // 1-based row of kTransponders
    bool radio;
    const char *name;
    int serviceId;
    int videoPid;
    int audioPid;
    bool scrambled;
};

constexpr std::array<SatelliteParams, 6> kSatellites = {{
    {"Hot Bird 13E", 9750, 10600, SwitchType::Diseqc10, 1, 0, 130, false},
    {"Astra 19.2E", 9750, 10600, SwitchType::Diseqc10, 2, 0, 192, false},
    {"Amos 4W", 9750, 10600, SwitchType::Diseqc10, 3, 0, 40, true},
    {"Eutelsat 36E", 0, 10750, SwitchType::Diseqc11, 0, 12, 360, false, false},
    {"ABS 75E", 0, 10750, SwitchType::Usals, 0, 0, 750, false, false},
    {"Express AM6", 5150, 5150, SwitchType::Motor, 0, 0, 530, false, false, true},
}};

constexpr std::array<TransponderRow, 30> kTransponders = {{
    {1, 10992, 'V', 27500, 2}, {1, 11034, 'V', 27500, 3}, {1, 11137, 'H', 27500, 3}, {1, 11200, 'V', 27500, 5},
    {1, 11411, 'H', 27500, 5}, {1, 11766, 'H', 27500, 2}, {1, 12111, 'V', 27500, 3}, {1, 12597, 'V', 27500, 3},
    {2, 11229, 'V', 22000, 2}, {2, 11494, 'H', 22000, 2}, {2, 11597, 'V', 22000, 5}, {2, 11836, 'H', 27500, 3},
    {2, 12188, 'H', 27500, 3}, {2, 12603, 'H', 22000, 4},
    {3, 10722, 'H', 27500, 3}, {3, 10842, 'V', 27500, 3}, {3, 11140, 'H', 30000, 0}, {3, 11473, 'V', 27500, 3},
    {4, 11766, 'H', 27500, 3}, {4, 11881, 'H', 27500, 3}, {4, 12226, 'H', 27500, 3}, {4, 12303, 'H', 27500, 3},
    {5, 10985, 'H', 35000, 3}, {5, 11045, 'H', 44000, 3}, {5, 11473, 'V', 22000, 3}, {5, 12515, 'V', 7200, 1},
    {6, 3675, 'H', 33483, 2}, {6, 3725, 'V', 29270, 0}, {6, 3975, 'H', 7500, 1}, {6, 4035, 'V', 3330, 3},
}};

constexpr std::array<ChannelRow, 58> kChannels = {{
    {1, false, "Rai 1", 3401, 160, 161, false},     {1, false, "Rai 2", 3402, 512, 650, false},
    {1, false, "Rai 3", 3403, 513, 660, false},     {2, false, "Euronews", 8601, 2221, 2231, false},
    {2, false, "France 24", 8602, 2222, 2232, false}, {3, false, "Arte", 8101, 401, 402, false},
    {4, false, "RTR Planeta", 5301, 1101, 1102, false}, {4, false, "Россия 24", 5302, 1201, 1202, false},
    {5, false, "TV5Monde Europe", 6301, 301, 302, false}, {6, false, "BBC World News", 7001, 5011, 5012, false},
    {7, false, "Sky Sport 24", 11001, 1023, 1024, true}, {8, false, "Eurosport 1", 9801, 3301, 3302, true},
    {8, false, "Discovery", 9802, 3401, 3402, true},
    {9, false, "Das Erste", 28106, 101, 102, false}, {9, false, "ZDF", 28006, 110, 120, false},
    {10, false, "3sat", 28007, 210, 220, false},    {10, false, "KiKA", 28008, 310, 320, false},
    {11, false, "ProSieben", 17501, 511, 512, false}, {11, false, "SAT.1", 17500, 255, 256, false},
    {12, false, "RTL", 12003, 163, 104, false},      {13, false, "n-tv", 12090, 169, 73, false},
    {14, false, "Sky Cinema", 10001, 2047, 2048, true},
    {15, false, "Первый канал", 1001, 1011, 1012, false}, {15, false, "Россия 1", 1002, 1021, 1022, false},
    {16, false, "НТВ", 1003, 1031, 1032, false},     {16, false, "Пятый канал", 1004, 1041, 1042, false},
    {17, false, "Культура", 1005, 1051, 1052, false}, {17, false, "Матч ТВ", 1006, 1061, 1062, true},
    {18, false, "Карусель", 1007, 1071, 1072, false},
    {19, false, "Триколор Инфо", 2001, 2011, 2012, false}, {19, false, "Кино ТВ", 2002, 2021, 2022, true},
    {20, false, "Дом Кино", 2003, 2031, 2032, true},  {21, false, "Звезда", 2004, 2041, 2042, false},
    {22, false, "ТНТ", 2005, 2051, 2052, false},
    {23, false, "ABS Promo", 3001, 3011, 3012, false}, {24, false, "Индия ТВ", 3002, 3021, 3022, false},
    {25, false, "Setanta Sports", 3003, 3031, 3032, true},
    {27, false, "Мир", 4001, 4011, 4012, false},     {27, false, "ОТР", 4002, 4021, 4022, false},
    {28, false, "Башкортостан 24", 4003, 4031, 4032, false}, {29, false, "Татарстан 24", 4004, 4041, 4042, false},
    {1, true, "Rai Radio 1", 3481, 0, 171, false},  {1, true, "Rai Radio 2", 3482, 0, 172, false},
    {4, true, "Радио России", 5381, 0, 1191, false}, {4, true, "Маяк", 5382, 0, 1192, false},
    {9, true, "Bayern 3", 28403, 0, 3301, false},   {9, true, "SWR3", 28431, 0, 3311, false},
    {10, true, "Deutschlandfunk", 28012, 0, 810, false},
    {15, true, "Вести FM", 1101, 0, 1111, false},    {15, true, "Радио Звезда", 1102, 0, 1121, false},
    {16, true, "Европа Плюс", 1103, 0, 1131, false}, {17, true, "Русское Радио", 1104, 0, 1141, false},
    {19, true, "Ретро FM", 2101, 0, 2111, false},    {23, true, "Radio Swiss Pop", 3101, 0, 3111, false},
    {27, true, "Радио Шансон", 4101, 0, 4111, false}, {28, true, "Юмор FM", 4102, 0, 4121, false},
    {29, true, "Радио Культура", 4103, 0, 4131, false}, {30, true, "Серебряный Дождь", 4104, 0, 4141, false},
}};

} // namespace

ChannelDatabase demoDatabase()
{
    DatabaseBuilder builder;
    for (const auto &sat : kSatellites)
        builder.addSatellite(sat);
    for (const auto &tp : kTransponders)
        builder.addTransponder(tp.satellite, tp.frequency, tp.polarisation, tp.symbolRate, tp.fec);
    for (const auto &ch : kChannels) {
        // The PMT sits just below the first elementary stream; the PCR rides on it.
        const int firstPid = ch.videoPid ? ch.videoPid : ch.audioPid;
        const ChannelParams params{ch.name, ch.serviceId, firstPid - 1, ch.videoPid, ch.audioPid, firstPid, ch.scrambled};
        if (ch.radio)
            builder.addRadio(ch.transponder, params);
        else
            builder.addTv(ch.transponder, params);
    }

    builder.setTvGroup(1, "Новости", {8, 4, 5, 10, 21, 30});
    builder.setTvGroup(2, "Кино", {14, 22, 31, 32});
    builder.setTvGroup(3, "Sport", {11, 28, 37, 12});
    builder.setTvGroup(4, "Россия", {23, 24, 25, 26, 27, 29, 33, 34});
    for (int group = 5; group <= 12; ++group)
        builder.setTvGroup(group, "Группа " + std::to_string(group), {});
    builder.setRadioGroup(1, "Музыка", {10, 11, 12, 13, 14, 15});
    builder.setRadioGroup(2, "Talk", {3, 4, 8, 9});
    for (int group = 3; group <= 12; ++group)
        builder.setRadioGroup(group, "Группа " + std::to_string(group), {});

    // The user's order puts the Russian channels first, as a user would.
    std::vector<std::uint16_t> tvOrder;
    for (int n = 23; n <= 41; ++n)
        tvOrder.push_back(std::uint16_t(n));
    for (int n = 1; n <= 22; ++n)
        tvOrder.push_back(std::uint16_t(n));
    builder.setTvOrder(std::move(tvOrder));
    return builder.build();
}

} // namespace k510::samples
