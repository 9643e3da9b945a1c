// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ImageWriter.h"

#include <QApplication>
#include <QFile>
#include <QString>

#include <chrono>

// What the window benchmarks share: a clock, and letting the window lay out
// and paint what changed, as the event loop would, before a figure is taken.
namespace windowbench {

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline void settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

// Writes the database's image to path; false when it could not.
inline bool writeImageFile(const k510::ChannelDatabase &db, const QString &path)
{
    const k510::WriteResult written = k510::writeImage(db);
    QFile file(path);
    return written.ok() && file.open(QIODevice::WriteOnly)
           && file.write(reinterpret_cast<const char *>(written.image.data()), qint64(written.image.size()))
                  == qint64(written.image.size());
}

} // namespace windowbench
