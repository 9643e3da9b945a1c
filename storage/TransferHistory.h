// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// The transfer history: a copy of the image of every complete receive and of
// every send, kept in a folder of its own so that what the receiver held, or
// was given, is never lost. Each copy is an image file named by its date,
// time and direction ("2026-12-10_14-05-09_received.k5d") with a small JSON
// file beside it that says what the list shows of it. Both are written as
// every other file is (FileAccess.h). The newest kCopyLimit copies are kept.

namespace k510::storage {

// On Linux $XDG_DATA_HOME/k510/history (~/.local/share/k510/history), on
// Windows %APPDATA%\k510\history.
[[nodiscard]] QString historyFolder();

enum class TransferKind {
    Received,
    Sent,
    SendBroken,   // a send that did not complete: the receiver may hold part of it
};

// The word a copy's name gives its kind: "received", "sent", "sent-broken".
[[nodiscard]] QString transferKindName(TransferKind kind);

// What one copy is, as the history lists it.
struct HistoryCopy {
    QString imagePath;
    QDateTime when;   // local time, to the second
    TransferKind kind = TransferKind::Received;
    // The file the window had open then; empty for none (a received
    // database, or the command line).
    QString openFile;
    // Counts of the image as a database; -1 when it does not read as one.
    int satellites = -1;
    int transponders = -1;
    int tvChannels = -1;
    int radioChannels = -1;
};

struct KeptCopy {
    bool stored = false;   // false also when it equals the newest copy of its kind
    QString imagePath;
    // Why the copy could not be kept, in Russian, naming the folder; empty
    // when all went well.
    QString problem;
};

class TransferHistory {
public:
    static constexpr int kCopyLimit = 100;

    explicit TransferHistory(QString folder = historyFolder());

    [[nodiscard]] const QString &folder() const { return m_folder; }

    // Keeps `image` unless it equals, byte for byte, the newest copy of the
    // same kind; then drops the oldest copies beyond kCopyLimit.
    KeptCopy keep(QByteArrayView image, TransferKind kind, const QString &openFile,
                  const QDateTime &when = QDateTime::currentDateTime()) const;

    // Every copy in the folder, newest first. Files that are no copy are
    // left alone; a copy whose JSON file is missing or unreadable is listed
    // with its counts unknown.
    [[nodiscard]] std::vector<HistoryCopy> copies() const;

    // The bytes of a copy; nothing when it cannot be read (gone, no regular
    // file, too large), `problem` saying why in Russian.
    [[nodiscard]] static std::optional<QByteArray> readCopy(const HistoryCopy &copy, QString *problem);

private:
    void dropBeyondLimit() const;

    QString m_folder;
};

} // namespace k510::storage
