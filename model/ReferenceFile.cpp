// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceFile.h"

#include <string_view>

#include "ImageLayout.h"
#include "ImageReader.h"
#include "ReferenceCsv.h"

namespace k510 {

ReferenceFileResult readReferenceFile(std::span<const std::uint8_t> file, bool radioCsv)
{
    ReferenceFileResult result;
    if (file.size() == layout::kImageSize) {
        result.image = true;
        ReadResult read = readImage(file);
        result.warnings = std::move(read.warnings);
        if (read.ok())
            result.reference = referenceOf(*read.database);
        else
            result.error = std::move(read.error);
        return result;
    }
    ReferenceCsvResult csv
        = readReferenceCsv(std::string_view(reinterpret_cast<const char *>(file.data()), file.size()), radioCsv);
    result.reference = std::move(csv.reference);
    result.error = std::move(csv.error);
    return result;
}

} // namespace k510
