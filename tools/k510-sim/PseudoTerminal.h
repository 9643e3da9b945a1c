// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>

// The master side of a Linux pseudo-terminal in raw mode. The slave device
// is what the editor opens as its serial port. The simulator keeps a slave
// descriptor of its own open, so the line stays up (and raw) between the
// editor's transfers.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // Creates the pair; on failure `error` says why.
    [[nodiscard]] bool open(QString *error);
    [[nodiscard]] const QString &slavePath() const { return m_slavePath; }

    // Reads up to `count` bytes, waiting at most `timeoutMs` in total
    // (a negative time-out waits for ever). Returns the number read.
    [[nodiscard]] std::size_t read(void *data, std::size_t count, int timeoutMs);
    // Writes all bytes (blocking while the editor does not read).
    [[nodiscard]] bool write(const void *data, std::size_t count);

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
