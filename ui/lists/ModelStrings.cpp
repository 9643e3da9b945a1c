// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelStrings.h"

#include "model/TextCodec.h"

namespace k510::ui {

QString fromWindows1251(std::string_view windows1251)
{
    // Byte by byte: every list cell is made this way when it is shown or sorted.
    QString text(qsizetype(windows1251.size()), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(windows1251CodePoint(std::uint8_t(windows1251[std::size_t(i)]))));
    return text;
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
