// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintDocument.h"

#include <QDate>
#include <QFont>
#include <QRectF>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace k510::ui {

// A document laid out on the pages of one paint device (a printer, the
// preview, a PDF file): a header with the file, the title, the notes and the
// date; the rows flowing down two or three columns side by side where they
// fit, each column headed by the column titles; "Стр. N из M" at the foot.
// Every column is as wide as its widest text in the whole document, so no
// text is ever cut.
class DocumentPages {
public:
    DocumentPages(const PrintDocument &document, QPagedPaintDevice &device, QDate printedOn);

    [[nodiscard]] int pageCount() const { return int(m_pages.size()); }
    // How many row columns stand side by side on a page.
    [[nodiscard]] int flowColumnCount() const { return m_flowColumns; }

    // Paints pages first..last (1-based, within 1..pageCount()) with the
    // painter open on the device, starting a new device page between them.
    void paint(QPainter &painter, int first, int last) const;

private:
    struct Line {
        enum class Kind { Heading, ContinuedHeading, Row } kind;
        int section;
        int row;
    };
    using FlowColumn = std::vector<Line>;
    using Page = std::vector<FlowColumn>;

    void measureColumns();
    void layOut();
    void paintHeader(QPainter &painter) const;
    void paintFooter(QPainter &painter, int page) const;
    // Both paint from the flow column's left edge, in the squeezed width.
    void paintFlowColumn(QPainter &painter, const FlowColumn &lines, double left) const;
    void paintRow(QPainter &painter, const QStringList &cells, double baseline, bool titles) const;

    const PrintDocument &m_document;
    QPagedPaintDevice &m_device;
    QString m_date;
    QRectF m_area;        // the page's printable area, from the painter's origin
    QFont m_textFont;
    QFont m_boldFont;
    QFont m_titleFont;
    double m_lineHeight = 0;
    double m_cellGap = 0;
    double m_flowGap = 0;
    double m_headerHeight = 0;
    double m_footerHeight = 0;
    std::vector<double> m_cellWidths;
    double m_flowWidth = 0;
    int m_flowColumns = 1;
    double m_squeeze = 1;   // below 1 when even one row is wider than the page
    int m_linesPerColumn = 1;
    std::vector<Page> m_pages;
};

} // namespace k510::ui
