#pragma once

#include <QApplication>

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

} // namespace windowbench
