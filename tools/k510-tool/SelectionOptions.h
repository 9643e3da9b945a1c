// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "ToolCommand.h"
#include "model/ChannelKind.h"

// The options of the commands that change a selection of channels (lock,
// unlock, mark, favourites, rename) and of find. On a refusal each says why
// on stderr, sets *exitCode and answers nothing.

// The numbers one --tv or --radio list names, as the model takes them.
struct KindNumbers {
    k510::ChannelKind kind;
    std::vector<int> numbers;
};

// Every number of an option's lists (given once or more), as delete's LIST.
[[nodiscard]] std::optional<std::vector<int>> channelNumbers(const CommandLine &line, const char *option,
                                                             int *exitCode);

// The --tv and --radio lists given, TV first; `command` needs at least one.
[[nodiscard]] std::optional<std::vector<KindNumbers>> selectedChannels(const CommandLine &line, const QString &command,
                                                                       int *exitCode);

// The one number an option takes, from 1.
[[nodiscard]] std::optional<int> numberOption(const CommandLine &line, const char *option, int *exitCode);

// A name, or a part of one, typed in UTF-8 as the Windows-1251 bytes the
// receiver shows as typed.
[[nodiscard]] std::optional<std::string> nameOption(const QString &option, const QString &typed, int *exitCode);

// "tv" or "radio", as the tool's messages name a kind.
[[nodiscard]] QString kindName(k510::ChannelKind kind);
