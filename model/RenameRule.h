// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ChannelDatabase.h"
#include "Refusal.h"

// Renaming many channels by one rule, as "Переименовать..." and k510-tool
// rename do: the preview shows every name before and after, and the change
// is made only when the receiver can hold every new name.

namespace k510 {

enum class LetterCase { Keep, Upper, Lower };

// Every text is Windows-1251; an empty one leaves out its step.
struct RenameRule {
    // Initialised so that designated initialisers may leave any of them out.
    std::string replaceFrom{}, replaceTo{};
    bool ignoreCase = false;   // for replaceFrom and the prefix and suffix removed
    std::string addPrefix{}, removePrefix{}, addSuffix{}, removeSuffix{};
    bool trim = false;         // blanks at both ends
    LetterCase letterCase = LetterCase::Keep;
};

// The name after the rule's steps, in this order: every occurrence of
// replaceFrom replaced (left to right, a replacement not searched again),
// removePrefix taken off where the name starts with it, removeSuffix where
// it ends with it, addPrefix and addSuffix added, blanks trimmed, case
// changed. Nothing is cut: the result may be too long to store.
[[nodiscard]] std::string renamed(std::string_view name, const RenameRule &rule);

// Why the receiver cannot hold a name.
enum class NameProblem {
    None,
    Empty,
    TooLong,      // more than kNameCapacity bytes
    CannotShow,   // a byte it shows as another character
};
[[nodiscard]] NameProblem nameProblem(std::string_view windows1251);

struct RenamedRow {
    int number = 0;   // TV channel number or radio number
    std::string before, after;
    NameProblem problem = NameProblem::None;

    bool operator==(const RenamedRow &) const = default;
};

// One row per channel named, in the order named (once each; numbers naming
// no channel are left out). A name the rule leaves as it is has no problem,
// so a name stored oddly already blocks no other.
[[nodiscard]] std::vector<RenamedRow> previewRename(const ChannelDatabase &db, ChannelKind kind,
                                                    const std::vector<int> &numbers, const RenameRule &rule);

// Gives every channel named its new name. Refused whole with NoSuchChannel,
// or with NamesUnfit naming the rows the preview marks.
Outcome<Applied> applyRename(ChannelDatabase &db, ChannelKind kind, const std::vector<int> &numbers,
                             const RenameRule &rule);

} // namespace k510
