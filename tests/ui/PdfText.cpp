// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>

QStringList pdfLines(const QString &path, int page)
{
    QStringList arguments{QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), arguments << path << QStringLiteral("-"));
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {QStringLiteral("pdftotext failed: ") + QString::fromUtf8(pdftotext.readAllStandardError())};
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\n'));
}

int pdfPageCount(const QString &path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished(60000);
    const auto match = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
                           .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

bool isRow(const QString &line)
{
    static const QRegularExpression row(QStringLiteral("^\\d+ "));
    return row.match(line).hasMatch();
}

bool fontsEmbedded(const QString &path)
{
    QProcess pdffonts;
    pdffonts.start(QStringLiteral("pdffonts"), {path});
    pdffonts.waitForFinished(60000);
    // "name type encoding emb sub uni object ID" under two heading lines.
    const QStringList lines = QString::fromUtf8(pdffonts.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.size() > 2 && std::all_of(lines.begin() + 2, lines.end(), [](const QString &line) {
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        return fields.size() >= 8 && fields[fields.size() - 5] == QStringLiteral("yes");
    });
}
