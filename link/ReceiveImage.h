// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "TransferCallbacks.h"

namespace k510::link {

// Whether each received block is checked as it arrives.
enum class BlockChecks {
    Verify,   // header CRC, data CRC and the block number 0, 1, 2, ...
    Skip,     // take whatever arrives, in arrival order
};

// Fetches the receiver's image on `portName` at `speedText` baud. The
// receiver's transfer header sets the block count (its own CRC is not
// verified); each block's own header sets its length (at most 2048 bytes: a
// longer block is a size failure). With BlockChecks::Verify a block whose
// header or data fail their CRC, or that is not the next block, ends the
// transfer at once with a text naming it; addresses are covered by the
// header CRC only. After the last block `delivery` gets the whole image, and
// only once it has returned are the closing tokens written. The first
// failure goes to `failure`; nothing is delivered then. Nothing escapes.
void ReceiveImage(const QString &portName, const QString &speedText, const ProgressCallback &progress,
                  const DeliveryCallback &delivery, const FailureCallback &failure,
                  BlockChecks checks = BlockChecks::Verify);

} // namespace k510::link
