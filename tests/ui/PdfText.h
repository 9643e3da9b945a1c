// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A PDF file read back as the poppler tools read it, as a user copying or
// searching its text would.

// The text of a PDF file, or of one of its pages (1-based), in the order it
// was drawn, one printed line each.
[[nodiscard]] QStringList pdfLines(const QString &path, int page = 0);
[[nodiscard]] int pdfPageCount(const QString &path);
// A printed row begins with its number; headers ("09.12.2026"), group
// headings ("1. Новости") and "Стр. 1 из 2" do not.
[[nodiscard]] bool isRow(const QString &line);
// Whether the PDF has fonts and every one is embedded in it.
[[nodiscard]] bool fontsEmbedded(const QString &path);
