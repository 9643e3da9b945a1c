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
    bool image = false;                  // the file had an image's size and was read as one
    std::string error;                   // why it was refused, in Russian (UTF-8)
    std::vector<std::string> warnings;   // the image reader's

    [[nodiscard]] bool ok() const { return reference.has_value(); }
};

// The file a user picks as the reference for ordering: a database image when
// it has an image's size, otherwise a CSV list the editor exported (a radio
// list when radioCsv is set, ReferenceCsv.h).
[[nodiscard]] ReferenceFileResult readReferenceFile(std::span<const std::uint8_t> file, bool radioCsv);

} // namespace k510
