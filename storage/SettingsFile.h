// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace k510::storage {

// Positions in the port and speed lists, as the file keeps them.
struct SettingsPositions {
    int port = 0;
    int speed = 0;
};

// "k510.ini": section "Comm", integer keys "Port" and "Speed" holding list
// positions. It lives in the settings folder (SettingsFolder.h). Storing
// rewrites only the two values, in place: every other byte of the file stays
// as it was (other sections and keys, comments, text in any character set,
// line ends), and the new file replaces the old one only once it is
// complete. A file that is no regular file (a FIFO, a device, a folder, also
// behind a link) or is absurdly large is neither read nor written.
class SettingsFile {
public:
    SettingsFile();
    explicit SettingsFile(QString path);

    // Missing keys, and values that are not integers, read as 0; so does a
    // file that cannot be read, whose reason then goes to `problem`.
    [[nodiscard]] SettingsPositions load(QString *problem = nullptr) const;
    // Returns whether the file now holds the positions; when not, `problem`
    // says why. A file that exists but cannot be read is not overwritten.
    bool store(SettingsPositions positions, QString *problem = nullptr) const;
    // As store, but "Port" stays as it is: the port in use is none of the
    // numbered ones the file can name.
    bool storeSpeed(int speedPosition, QString *problem = nullptr) const;

    [[nodiscard]] const QString &path() const { return m_path; }

private:
    bool storeValues(std::optional<int> port, int speed, QString *problem) const;

    QString m_path;
};

} // namespace k510::storage
