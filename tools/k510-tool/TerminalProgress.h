// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A progress bar on stderr, drawn only when stderr is a terminal, so that
// logs and pipes get nothing but the outcome.
class TerminalProgress {
public:
    explicit TerminalProgress(QString caption);
    ~TerminalProgress();

    void show(int percent);
    // After a successful transfer, whose own progress stops at 99: the bar
    // full at 100%, then a line saying the transfer is done.
    void complete();
    // Ends the bar's line, once.
    void finish();

private:
    QString m_caption;
    bool m_enabled;
    bool m_drawn = false;
    int m_shown = -1;
};
