#pragma once

#include <QString>

#include "TransferCallbacks.h"

namespace k510::link {

// Fetches the receiver's image on `portName` at `speedText` baud. The
// receiver's transfer header sets the block count; each block's own header
// sets its length (at most 2048 bytes: a longer block is a size failure).
// Numbers, addresses and CRCs of the blocks are not examined: data are
// appended in arrival order. After the last block `delivery` gets the whole
// image, and only once it has returned are the closing tokens written. The
// first failure goes to `failure`; nothing is delivered then. Nothing escapes.
void ReceiveImage(const QString &portName, const QString &speedText, const ProgressCallback &progress,
                  const DeliveryCallback &delivery, const FailureCallback &failure);

} // namespace k510::link
