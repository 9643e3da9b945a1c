// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelStrings.h"

#include "model/TextCodec.h"

namespace k510::ui {

QString fromWindows1251(std::string_view windows1251)
{
    return QString::fromStdString(windows1251ToUtf8(windows1251));
}

QByteArray toWindows1251(const QString &text)
{
    return QByteArray::fromStdString(utf8ToWindows1251(text.toStdString()));
}

QStringList fromUtf8Lines(const std::vector<std::string> &lines)
{
    QStringList shown;
    shown.reserve(qsizetype(lines.size()));
    for (const std::string &line : lines)
        shown << QString::fromStdString(line);
    return shown;
}

} // namespace k510::ui
