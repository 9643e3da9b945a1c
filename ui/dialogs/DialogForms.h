// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The values the editing dialogs show and hand back, as the user sees them:
// texts stay texts and choices are list positions. Converting and checking
// them is the commands' business, after the dialog has closed with OK.

// A field of an editing dialog that can hold a text or a choice the command
// refuses; the dialog focuses it so the user can mend it.
enum class FormField {
    Name,
    LnbLow,
    LnbHigh,
    Longitude,
    Polarisation,
    Frequency,
    Rate,
    Fec,
    Transponder,
    ServiceId,
    PmtPid,
    VideoPid,
    AudioPid,
    PcrPid,
};

// What TsatEditDlg shows and hands back.
struct SatelliteForm {
    QString name;             // leSatName
    QString lnbLow, lnbHigh;  // texts of leLnbLow / leLnbHigh
    int lnbType = 0;          // rgLnbType: 0 "Single", 1 "OCS", 2 "Universal"
    bool tone22k = false, power12v = false, lnbp = false;
    int switchType = -1;      // cbSwitchType index 0..4, -1 nothing chosen
    int diseqc10 = 0;         // cbDS10 index 0..4
    int diseqc11 = 0;         // cbDS11 index 0..16
    bool west = false;        // rgEW on "W"
    QString longitude;        // leUSALS: degree digits, ",", tenths digit ("19,2"; "," when empty)

    bool operator==(const SatelliteForm &) const = default;
};

// What TtpEditDlg shows and hands back.
struct TransponderForm {
    int polarisation = -1; // -1 none, 0 "H", 1 "V"
    QString frequency, rate;
    int fec = 0;           // cbFec index, -1 none

    bool operator==(const TransponderForm &) const = default;
};

// What TsvcAddDlg and TsvcEditDlg show and hand back.
struct ChannelForm {
    QString name, serviceId, pmtPid, videoPid, audioPid, pcrPid;
    bool freeToAir = false; // boxFTA, add dialog only
    int transponder = -1;   // cbSelTp index, add dialog only
    bool hasVideoPid = true; // false in the radio add dialog, which has no leVPid

    bool operator==(const ChannelForm &) const = default;
};
