// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The USALS longitude edit shows five places: up to three degree digits, a
// fixed comma and one tenths digit, blanks shown as spaces ("   , " when
// empty, " 19,2" for 19.2 degrees).

// Input mask for a QLineEdit: optional digits, a literal comma, space blanks.
inline constexpr char usalsInputMask[] = "000,0";

// The five-place text that shows a longitude such as "19,2", "180,0" or "5,":
// degrees right-aligned to the comma, a missing part left blank. Characters
// that are neither digits nor the comma are dropped, and degrees beyond three
// digits are cut, as the edit could not show them.
[[nodiscard]] QString usalsDisplayText(const QString &longitude);

// The longitude an edit showing this text stands for: the degree digits with
// blanks removed, a comma, the tenths digit ("19,2"; "5,"; "," when empty).
[[nodiscard]] QString usalsLongitude(const QString &displayText);
