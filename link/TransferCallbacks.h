// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace k510::link {

// All callbacks are synchronous: the transfer moves no further byte until
// one has returned. An exception escaping from progress or delivery ends the
// transfer like a failure, with the exception's text.
using ProgressCallback = std::function<void(int percent)>;
using DeliveryCallback = std::function<void(const QByteArray &image)>;
using FailureCallback = std::function<void(const QString &text)>;

} // namespace k510::link
