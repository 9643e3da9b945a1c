// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real satellites.xml list beside the clone (K510_SATELLITES_XML), and
// the damaged lists users meet, made from it.

#include <QByteArray>
#include <QFile>

namespace realList {

// The list as it is; empty when it is not there.
inline QByteArray bytes()
{
    QFile file(QStringLiteral(K510_SATELLITES_XML));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The line (from 1) of the satellite element at that position; 0 when there is none.
inline int satelliteLine(const QByteArray &xml, int position)
{
    const qsizetype at = xml.indexOf("position=\"" + QByteArray::number(position) + "\">");
    return at < 0 ? 0 : int(xml.left(at).count('\n')) + 1;
}

// Without the satellite at that position, its transponders and all.
inline QByteArray withoutPosition(const QByteArray &xml, int position)
{
    const qsizetype at = xml.indexOf("position=\"" + QByteArray::number(position) + "\">");
    const qsizetype start = xml.lastIndexOf("<sat ", at);
    const qsizetype end = xml.indexOf("</sat>", at) + qsizetype(sizeof "</sat>");
    return at < 0 ? xml : xml.left(start) + xml.mid(end);
}

// Two whole lists one after the other: the second declaration starts the line after the first list.
inline QByteArray twoDocuments(const QByteArray &xml) { return xml + xml; }

// The first letter of the name of the satellite at that position as a byte
// of Windows-1252, which is no UTF-8 ("é" where "A" stood).
inline QByteArray withBadByte(const QByteArray &xml, int position)
{
    const qsizetype at = xml.indexOf("position=\"" + QByteArray::number(position) + "\">");
    QByteArray damaged = xml;
    damaged[xml.lastIndexOf("name=\"", at) + 6] = char(0xE9);
    return damaged;
}

} // namespace realList
