// SPDX-License-Identifier: GPL-3.0-or-later
#include "IniText.h"

#include <vector>

namespace k510::storage {

namespace {

// One line: its text is [begin, textEnd), its line end [textEnd, end).
struct Line {
    qsizetype begin = 0;
    qsizetype textEnd = 0;
    qsizetype end = 0;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<Line> splitLines(const QByteArray &content)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    while (pos < content.size()) {
        Line line{pos, pos, pos};
        while (line.textEnd < content.size() && content[line.textEnd] != '\n' && content[line.textEnd] != '\r')
            ++line.textEnd;
        line.end = line.textEnd;
        if (line.end < content.size() && content[line.end] == '\r')
            ++line.end;
        if (line.end < content.size() && content[line.end] == '\n')
            ++line.end;
        lines.push_back(line);
        pos = line.end;
    }
    return lines;
}

// [from, to) without the blanks at either end.
void trim(const QByteArray &content, qsizetype &from, qsizetype &to)
{
    while (from < to && isBlank(content[from]))
        ++from;
    while (to > from && isBlank(content[to - 1]))
        --to;
}

bool sameName(QByteArrayView a, QByteArrayView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The name of a "[section]" line, or nothing for any other line.
std::optional<QByteArrayView> sectionName(const QByteArray &content, const Line &line)
{
    qsizetype from = line.begin;
    qsizetype to = line.textEnd;
    trim(content, from, to);
    if (from == to || content[from] != '[')
        return std::nullopt;
    qsizetype close = content.indexOf(']', from);
    if (close < 0 || close > to)
        close = to;
    qsizetype nameFrom = from + 1;
    trim(content, nameFrom, close);
    return QByteArrayView(content).sliced(nameFrom, close - nameFrom);
}

// Where the "=" of a "key=value" line stands, or -1 for comments and lines
// without one.
qsizetype equalsSign(const QByteArray &content, const Line &line)
{
    qsizetype from = line.begin;
    qsizetype to = line.textEnd;
    trim(content, from, to);
    if (from == to || content[from] == ';' || content[from] == '#')
        return -1;
    const qsizetype sign = content.indexOf('=', from);
    return sign >= 0 && sign < to ? sign : -1;
}

bool isKeyLine(const QByteArray &content, const Line &line, QByteArrayView key)
{
    const qsizetype sign = equalsSign(content, line);
    if (sign < 0)
        return false;
    qsizetype from = line.begin;
    qsizetype to = sign;
    trim(content, from, to);
    return sameName(QByteArrayView(content).sliced(from, to - from), key);
}

struct Location {
    std::vector<Line> lines;
    int sectionLine = -1;       // the "[section]" line
    int lastFilledLine = -1;    // the section's last non-blank line
    int keyLine = -1;
};

Location locate(const QByteArray &content, QByteArrayView section, QByteArrayView key)
{
    Location found;
    found.lines = splitLines(content);
    bool inSection = false;
    for (int i = 0; i < int(found.lines.size()); ++i) {
        const Line &line = found.lines[std::size_t(i)];
        if (const auto name = sectionName(content, line)) {
            if (inSection)
                break;   // only the first matching section counts
            inSection = sameName(*name, section);
            if (inSection)
                found.sectionLine = found.lastFilledLine = i;
            continue;
        }
        if (!inSection)
            continue;
        qsizetype from = line.begin;
        qsizetype to = line.textEnd;
        trim(content, from, to);
        if (from < to)
            found.lastFilledLine = i;
        if (found.keyLine < 0 && isKeyLine(content, line, key))
            found.keyLine = i;
    }
    return found;
}

// The line end the file already uses; "\n" for a file that has none yet.
QByteArray lineEndOf(const QByteArray &content)
{
    for (const Line &line : splitLines(content))
        if (line.end > line.textEnd)
            return content.sliced(line.textEnd, line.end - line.textEnd);
    return QByteArrayLiteral("\n");
}

} // namespace

std::optional<QByteArray> iniValue(const QByteArray &content, QByteArrayView section, QByteArrayView key)
{
    const Location found = locate(content, section, key);
    if (found.keyLine < 0)
        return std::nullopt;
    const Line &line = found.lines[std::size_t(found.keyLine)];
    qsizetype from = equalsSign(content, line) + 1;
    qsizetype to = line.textEnd;
    trim(content, from, to);
    return content.sliced(from, to - from);
}

QByteArray withIniValue(const QByteArray &content, QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const Location found = locate(content, section, key);
    QByteArray result = content;
    const QByteArray lineEnd = lineEndOf(content);

    if (found.keyLine >= 0) {
        const Line &line = found.lines[std::size_t(found.keyLine)];
        qsizetype from = equalsSign(content, line) + 1;
        qsizetype to = line.textEnd;
        trim(content, from, to);
        return result.replace(from, to - from, value.toByteArray());
    }

    const QByteArray keyLine = key.toByteArray() + '=' + value.toByteArray() + lineEnd;
    if (found.sectionLine >= 0) {
        const Line &last = found.lines[std::size_t(found.lastFilledLine)];
        const QByteArray inserted = last.end > last.textEnd ? keyLine : lineEnd + keyLine;
        return result.insert(last.end, inserted);
    }

    if (!result.isEmpty() && !result.endsWith('\n') && !result.endsWith('\r'))
        result += lineEnd;
    return result + '[' + section.toByteArray() + ']' + lineEnd + keyLine;
}

} // namespace k510::storage
