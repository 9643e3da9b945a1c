// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The fixed item lists of the satellite dialog and the rules that tie its
// boxes together: which presets an LNB type offers, which port boxes a switch
// type needs. Positions match the dialog's lists and SatelliteForm.

[[nodiscard]] QStringList lnbTypeItems();    // "Single", "OCS", "Universal"
[[nodiscard]] QStringList switchTypeItems(); // "Нет" ... "USALS", index = switch type code
[[nodiscard]] QStringList diseqc10Items();   // "Нет", "A".."D"
[[nodiscard]] QStringList diseqc11Items();   // "Нет", "1".."16"

// Positions in the LNB type and switch type lists.
namespace LnbChoice {
enum : int { Single, Ocs, Universal };
}
namespace SwitchChoice {
enum : int { None, Diseqc10, Diseqc11, Motor, Usals };
}

// What an LNB type offers in the two oscillator boxes. A single-oscillator
// LNB has no low frequency: its box is locked at "0".
struct LnbPresets {
    bool lowEditable = true;
    QStringList low;
    QStringList high;
};
// An unknown type offers nothing and locks nothing.
[[nodiscard]] LnbPresets lnbPresets(int lnbType);

// The boxes a switch type needs enabled; an unknown type (or none) needs none.
struct SwitchPorts {
    bool diseqc10 = false;
    bool diseqc11 = false;
    bool usals = false; // the longitude and east/west
};
[[nodiscard]] SwitchPorts switchPorts(int switchType);
