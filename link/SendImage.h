// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "TransferCallbacks.h"

namespace k510::link {

// Loads `image` into the receiver on `portName` at `speedText` baud: the
// opening token, the transfer header, then every 256-byte block with its
// header, each answered by the receiver. Its length sets the block count
// (image size / 256), so the editor always sends 294912 bytes in 1152 blocks
// and tests may send a few blocks. Progress is reported after every block;
// the first failure goes to `failure` and ends the send. Nothing escapes.
void SendImage(const QString &portName, const QString &speedText, const QByteArray &image,
               const ProgressCallback &progress, const FailureCallback &failure);

} // namespace k510::link
