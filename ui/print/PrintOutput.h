// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintDocument.h"

#include <QByteArray>
#include <QDate>

class QPrinter;

namespace k510::ui {

// The document as the bytes of a PDF file: A4 with 15 mm margins, the fonts
// used embedded. Empty when Qt could not make it.
[[nodiscard]] QByteArray pdfBytes(const PrintDocument &document, QDate printedOn = QDate::currentDate());

// Prints the document on the printer (or on the preview's), its pages as the
// printer's page size and orientation give them, only the pages of the range
// the user chose when there is one. False when the printer could not start.
bool printDocument(const PrintDocument &document, QPrinter &printer, QDate printedOn = QDate::currentDate());

// Margins for paper: wide enough for any printer, narrow enough for three
// columns of channels on a landscape A4 page.
void useDocumentMargins(QPrinter &printer);

} // namespace k510::ui
