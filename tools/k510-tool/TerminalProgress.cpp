// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminalProgress.h"

#include <cstdio>
#include <unistd.h>

namespace {
constexpr int kBarWidth = 40;
}

TerminalProgress::TerminalProgress(QString caption)
    : m_caption(std::move(caption))
    , m_enabled(::isatty(STDERR_FILENO) == 1)
{
}

TerminalProgress::~TerminalProgress()
{
    finish();
}

void TerminalProgress::show(int percent)
{
    if (!m_enabled || percent == m_shown)
        return;
    m_shown = percent;
    const int filled = percent * kBarWidth / 100;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('.'));
    std::fprintf(stderr, "\r%s [%s] %3d%%", qPrintable(m_caption), qPrintable(bar), percent);
    std::fflush(stderr);
    m_drawn = true;
}

void TerminalProgress::complete()
{
    if (!m_enabled)
        return;
    show(100);
    finish();
    std::fputs("Готово\n", stderr);
    std::fflush(stderr);
}

void TerminalProgress::finish()
{
    if (m_drawn) {
        std::fputc('\n', stderr);
        std::fflush(stderr);
        m_drawn = false;
    }
}
