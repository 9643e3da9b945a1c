// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds fuzzer input to the image reader, writer and checker.
//
// Inputs of any length are read as they are (almost all are refused for their
// size), and also laid into a full-size image: the first half from offset 0
// (counts and records of region A), the second from 0x40000 (order lists,
// favourites, group names), so the fuzzer steers the parts that matter.
// An accepted image must write, and its canonical form must be a fixed point.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/ImageCheck.h"
#include "model/ImageLayout.h"
#include "model/ImageReader.h"
#include "model/ImageWriter.h"

namespace {

void exercise(std::span<const std::uint8_t> image)
{
    (void)k510::checkImage(image);
    const k510::ReadResult read = k510::readImage(image);
    if (!read.ok())
        return;
    const k510::WriteResult written = k510::writeImage(*read.database);
    if (!written.ok())
        return;   // a longitude that cannot be mirrored into range
    const k510::ReadResult again = k510::readImage(written.image);
    if (!again.ok())
        std::abort();
    const k510::WriteResult rewritten = k510::writeImage(*again.database);
    if (!rewritten.ok() || rewritten.image != written.image)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    exercise({data, size});

    using namespace k510::layout;
    std::vector<std::uint8_t> image(kImageSize, kFill);
    const std::size_t head = std::min(size / 2, kRegionBStart);
    const std::size_t tail = std::min(size - size / 2, kImageSize - kRegionBStart);
    std::memcpy(image.data(), data, head);
    std::memcpy(image.data() + kRegionBStart, data + size / 2, tail);
    exercise(image);
    return 0;
}
