// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceFile.h"

#include <string_view>

#include "ImageLayout.h"
#include "ImageReader.h"
#include "ReferenceCsv.h"

namespace k510 {

ReferenceFileResult readReferenceFile(std::span<const std::uint8_t> file, ChannelKind kind)
{
    ReferenceFileResult result;
    const std::string_view bytes(reinterpret_cast<const char *>(file.data()), file.size());
    // A list may have an image's size, and an image may be cut short: what
    // the file starts with decides, then its size, then whether it is text
    // at all (an image is full of zero bytes, a list never has one).
    const bool list = startsAsChannelList(bytes)
                      || (file.size() != layout::kImageSize && bytes.find('\0') == std::string_view::npos);
    if (!list) {
        result.image = true;
        ReadResult read = readImage(file);
        result.warnings = std::move(read.warnings);
        if (read.ok())
            result.reference = referenceOf(*read.database);
        else
            result.error = std::move(read.error);
        return result;
    }
    ReferenceCsvResult csv = readReferenceCsv(bytes, kind);
    result.reference = std::move(csv.reference);
    result.error = std::move(csv.error);
    result.otherKind = csv.otherKind;
    return result;
}

} // namespace k510
