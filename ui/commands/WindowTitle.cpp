// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTitle.h"

#include "Version.h"

#include <QDir>
#include <QFileInfo>

namespace k510::ui {

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString editorTitle(const QString &loadedPath)
{
    const QString title = QStringLiteral("Редактор Каналов Tessora K-510/560/565 v") + QLatin1String(kDisplayVersion);
    return loadedPath.isEmpty() ? title : title + QStringLiteral(" | ") + shownPath(loadedPath);
}

} // namespace k510::ui
