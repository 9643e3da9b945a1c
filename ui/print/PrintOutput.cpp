// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintOutput.h"

#include "DocumentPages.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace k510::ui {

namespace {

// Fine enough for text and lines, coarse enough to keep coordinates short.
constexpr int kDotsPerInch = 600;

// A4 portrait with 15 mm margins at the side: wide enough for any printer,
// narrow enough for three columns of channels on a landscape page.
void useA4(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                                     QPageLayout::Millimeter));
}

} // namespace

QByteArray pdfBytes(const PrintDocument &document, QDate printedOn)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kDotsPerInch);
        useA4(writer);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("k510-editor"));
        const DocumentPages pages(document, writer, printedOn);
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        pages.paint(painter, 1, pages.pageCount());
        if (!painter.end())
            return {};
    }
    return buffer.data();
}

bool printDocument(const PrintDocument &document, QPrinter &printer, QDate printedOn)
{
    const DocumentPages pages(document, printer, printedOn);
    int first = 1;
    int last = pages.pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = std::min(last, printer.toPage() > 0 ? printer.toPage() : last);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    pages.paint(painter, first, last);
    return painter.end();
}

void useDocumentPage(QPrinter &printer)
{
    printer.setResolution(kDotsPerInch);
    useA4(printer);
}

} // namespace k510::ui
