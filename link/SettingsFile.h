#pragma once

#include <QString>

#include "PortSettings.h"

namespace k510::link {

// "k510.ini": section "Comm", integer keys "Port" and "Speed" holding list
// positions. It lives in the platform's per-user configuration folder
// (on Linux $XDG_CONFIG_HOME, by default ~/.config). Other keys and sections
// are left as they are.
class SettingsFile {
public:
    SettingsFile();
    explicit SettingsFile(QString path);

    // Missing keys, and values that are not integers, read as 0.
    [[nodiscard]] SettingsPositions load() const;
    void store(SettingsPositions positions) const;

    [[nodiscard]] const QString &path() const { return m_path; }

private:
    QString m_path;
};

} // namespace k510::link
