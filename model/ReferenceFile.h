// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ChannelIdentity.h"

namespace k510 {

struct ReferenceFileResult {
    std::optional<ChannelReference> reference;
    bool image = false;                  // the file was read as an image
    std::string error;                   // why it was refused, in Russian (UTF-8)
    bool otherKind = false;              // refused: a list of the other kind than radioCsv asks (error empty)
    std::vector<std::string> warnings;   // the image reader's

    [[nodiscard]] bool ok() const { return reference.has_value(); }
};

// The file a user picks as the reference for ordering: a CSV list the editor
// exported (a radio list when radioCsv is set, ReferenceCsv.h) when it starts
// as one, or when it is text that is no image; otherwise a database image,
// refused with the image reader's own message when damaged or cut short.
[[nodiscard]] ReferenceFileResult readReferenceFile(std::span<const std::uint8_t> file, ChannelKind kind);

} // namespace k510
