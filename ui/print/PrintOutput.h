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

// The page the PDF file has, at the resolution it is laid out in, as the
// printer's first page set-up: the preview then shows the pages the PDF holds
// until the user chooses another paper.
void useDocumentPage(QPrinter &printer);

} // namespace k510::ui
