// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowsOutput.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <cstdio>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

WindowsOutput::WindowsOutput()
{
    (void)_setmode(_fileno(stdout), _O_BINARY);
    (void)_setmode(_fileno(stderr), _O_BINARY);
    const UINT codePage = GetConsoleOutputCP();
    if (codePage != 0 && codePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        m_consoleCodePage = codePage;
}

WindowsOutput::~WindowsOutput()
{
    std::fflush(stdout);
    std::fflush(stderr);
    if (m_consoleCodePage != 0)
        SetConsoleOutputCP(m_consoleCodePage);
}

#else

WindowsOutput::WindowsOutput() = default;
WindowsOutput::~WindowsOutput() = default;

#endif
