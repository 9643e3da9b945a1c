// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// On Windows, while it lives: stdout and stderr carry exactly the bytes the
// tool writes, as on Linux (in the C library's text mode every LF would become
// CRLF, and a CSV's CRLF would become CR CR LF); and a console shows them as
// the UTF-8 they are, its code page set back at the end. Elsewhere nothing.
class WindowsOutput {
public:
    WindowsOutput();
    ~WindowsOutput();
    WindowsOutput(const WindowsOutput &) = delete;
    WindowsOutput &operator=(const WindowsOutput &) = delete;

private:
    unsigned m_consoleCodePage = 0;   // 0: not changed
};
