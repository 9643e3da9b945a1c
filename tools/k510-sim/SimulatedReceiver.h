// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>

#include <cstddef>

#include "PseudoTerminal.h"
#include "SimOptions.h"

// The receiver's side of the serial loader protocol: it waits for an opening
// token, then takes an image the editor sends ("ACKDB") or sends its own
// ("DBSND"), with the faults of its options. One transfer at a time; a
// transfer the editor abandons ends after a few seconds of silence and the
// receiver waits for the next opening token.
class SimulatedReceiver {
public:
    SimulatedReceiver(PseudoTerminal &line, SimOptions options);

    // Serves transfers until the process is stopped.
    [[noreturn]] void serve();

private:
    void takeImage();   // editor -> receiver
    void giveImage();   // receiver -> editor

    // Reads exactly `count` bytes of the editor's; false if they do not come.
    [[nodiscard]] bool readFromEditor(void *data, std::size_t count);
    [[nodiscard]] bool expectToken(const char *token);
    void sendToEditor(const void *data, std::size_t count);
    void answer(int block);                  // one reply, late if slow
    void waitIfSlow(int block) const;
    [[nodiscard]] bool faultAt(Fault fault, int block) const;
    // The block whose data and header go out in place of `block`.
    [[nodiscard]] int swappedBlock(int block, int blockCount) const;
    void startRecord(const QByteArray &openingToken);
    void record(const char *data, std::size_t count);

    PseudoTerminal &m_line;
    SimOptions m_options;
    QFile m_record;   // grows as the editor's bytes arrive
};
