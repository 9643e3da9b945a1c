// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/samples/DatabaseBuilder.h"

#include <string>
#include <vector>

// A database in the making: one satellite "Sat" with one transponder (11000
// H), carrying these TV and radio channels in record order, in the identity
// orders; the caller adds other orders and groups.
inline k510::samples::DatabaseBuilder oneTransponderBuilder(const std::vector<std::string> &tv,
                                                            const std::vector<std::string> &radio = {})
{
    k510::samples::DatabaseBuilder b;
    const int tp = b.addTransponder(b.addSatellite({.name = "Sat"}), 11000, 'H', 27500, 3);
    for (const std::string &name : tv)
        b.addTv(tp, {.name = name});
    for (const std::string &name : radio)
        b.addRadio(tp, {.name = name});
    return b;
}

// Names with a prefix and a number: "T1", "T2", ... up to count.
inline std::vector<std::string> numberedNames(const std::string &prefix, int count)
{
    std::vector<std::string> names;
    for (int n = 1; n <= count; ++n)
        names.push_back(prefix + std::to_string(n));
    return names;
}

// A small database for the editing tests:
//  satellite 1 "Astra": Universal LNB, DiSEqC 1.1 on 1.0 port C and 1.1 port
//    12; transponders 1 (11494 H) and 2 (12603 V);
//  satellite 2 "Hotbird": Single LNB, USALS 13,0 E; transponder 3 (11766 H);
//  satellite 3 "Пусто": no transponders.
// TV channels 1 "Das Erste" (tp 1), 2 "Rai 1" (tp 3), 3 "ZDF" (tp 2); radio
// 1 "Bayern 3" (tp 1), 2 "Radio 1" (tp 3). tvOrder 3, 1, 2; radioOrder 2, 1;
// TV group 1 holds 2, 3 and radio group 1 holds 1, 2.
inline k510::ChannelDatabase editingDatabase()
{
    using namespace k510;
    samples::DatabaseBuilder b;
    const int astra = b.addSatellite({.name = "Astra", .lnbLowMhz = 9750, .lnbHighMhz = 10600,
                                      .switchType = SwitchType::Diseqc11, .diseqc10Port = 3, .diseqc11Port = 12});
    const int hotbird = b.addSatellite(
        {.name = "Hotbird", .lnbLowMhz = 0, .lnbHighMhz = 10750, .switchType = SwitchType::Usals, .longitudeTenths = 130});
    b.addSatellite({.name = "Пусто", .lnbLowMhz = 5150, .lnbHighMhz = 5750});
    const int tp1 = b.addTransponder(astra, 11494, 'H', 22000, 5);
    const int tp2 = b.addTransponder(astra, 12603, 'V', 22000, 3);
    const int tp3 = b.addTransponder(hotbird, 11766, 'H', 27500, 3);
    b.addTv(tp1, {.name = "Das Erste", .serviceId = 28106, .pmtPid = 100, .videoPid = 101, .audioPid = 102, .pcrPid = 101});
    b.addTv(tp3, {.name = "Rai 1", .serviceId = 3401, .pmtPid = 200, .videoPid = 201, .audioPid = 202, .pcrPid = 201});
    b.addTv(tp2, {.name = "ZDF", .serviceId = 28006, .pmtPid = 300, .videoPid = 301, .audioPid = 302, .pcrPid = 301});
    b.addRadio(tp1, {.name = "Bayern 3", .serviceId = 28402, .pmtPid = 400, .audioPid = 402});
    b.addRadio(tp3, {.name = "Radio 1", .serviceId = 3410, .pmtPid = 500, .audioPid = 502});
    b.setTvOrder({3, 1, 2});
    b.setRadioOrder({2, 1});
    b.setTvGroup(1, "Новости", {2, 3});
    b.setRadioGroup(1, "Музыка", {1, 2});
    return b.build();
}
