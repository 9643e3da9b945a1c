// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// What a receiver with the "alter" fault gives back instead of the database
// it holds: the first TV channel of its order with another video PID, so a
// comparison finds exactly one change. An image that reads as no database
// has one byte in its middle changed instead.
[[nodiscard]] QByteArray alteredImage(const QByteArray &image);
