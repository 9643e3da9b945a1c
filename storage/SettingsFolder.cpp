// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFolder.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <memory>

#include <shlobj.h>
#endif

namespace k510::storage {

#ifdef Q_OS_WIN

namespace {

// Qt names the roaming folder only with the organisation and program names
// appended, which differ between the editor and k510-tool; the shell names
// it as it is.
QString roamingAppData()
{
    PWSTR path = nullptr;
    const HRESULT found = SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DONT_VERIFY, nullptr, &path);
    const std::unique_ptr<wchar_t, decltype(&CoTaskMemFree)> owned(path, &CoTaskMemFree);
    if (FAILED(found) || !path)
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir::fromNativeSeparators(QString::fromWCharArray(path));
}

} // namespace

QString settingsFolder()
{
    return roamingAppData() + QStringLiteral("/k510");
}

#else

QString settingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

#endif

} // namespace k510::storage
