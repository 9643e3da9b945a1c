// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentPages.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace k510::ui {

namespace {

constexpr double kTextPoints = 8;
constexpr double kTitlePoints = 12;
constexpr int kMostFlowColumns = 3;
constexpr QColor kRuleColour{0x80, 0x80, 0x80};

double textHeight(const QFontMetricsF &metrics, double width, const QString &text)
{
    return metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
}

QString continuedHeading(const QString &heading)
{
    return QStringLiteral("%1 (продолжение)").arg(heading);
}

} // namespace

DocumentPages::DocumentPages(const PrintDocument &document, QPagedPaintDevice &device, QDate printedOn)
    : m_document(document), m_device(device), m_date(printedOn.toString(QStringLiteral("dd.MM.yyyy")))
{
    // The system's own sans-serif font: it has Cyrillic, and a PDF embeds
    // the part of it that is used.
    m_textFont = QGuiApplication::font();
    m_textFont.setPointSizeF(kTextPoints);
    // Latin text unshaped: no ligatures, so the PDF's text reads "ff" where
    // "ff" was typed (a ligature glyph copies and searches as "ﬀ").
    m_textFont.setStyleStrategy(QFont::PreferNoShaping);
    m_boldFont = m_textFont;
    m_boldFont.setBold(true);
    m_titleFont = m_boldFont;
    m_titleFont.setPointSizeF(kTitlePoints);

    const QPageLayout layout = device.pageLayout();
    const QRect paintRect = layout.paintRectPixels(device.logicalDpiX());
    m_area = QRectF(0, 0, paintRect.width(), paintRect.height());

    const QFontMetricsF text(m_textFont, &device);
    const QFontMetricsF title(m_titleFont, &device);
    // Unrounded, so the lines a column holds do not depend on the device's
    // resolution beyond the font's own metrics.
    m_lineHeight = text.lineSpacing() * 1.15;
    m_cellGap = text.averageCharWidth() * 1.5;
    m_flowGap = text.averageCharWidth() * 4;

    m_headerHeight = text.lineSpacing() + title.lineSpacing();
    for (const QString &note : document.notes)
        m_headerHeight += textHeight(text, m_area.width(), note);
    m_headerHeight += m_lineHeight;   // the rule and the space under it
    m_footerHeight = text.lineSpacing() + m_lineHeight;

    measureColumns();
    layOut();
}

void DocumentPages::measureColumns()
{
    // Each column is as wide as the widest text it holds anywhere in the
    // document, so a name prints whole on every page; the page then takes as
    // many columns of rows as fit side by side.
    const QFontMetricsF text(m_textFont, &m_device);
    const QFontMetricsF bold(m_boldFont, &m_device);
    const auto columns = m_document.columns.size();
    m_cellWidths.assign(columns, 0);
    for (size_t c = 0; c < columns; ++c)
        m_cellWidths[c] = bold.horizontalAdvance(m_document.columns[c].title);
    double widestHeading = 0;
    for (const PrintSection &section : m_document.sections) {
        if (!section.heading.isEmpty())
            widestHeading = std::max(widestHeading, bold.horizontalAdvance(continuedHeading(section.heading)));
        for (const QStringList &cells : section.rows) {
            for (size_t c = 0; c < columns && c < size_t(cells.size()); ++c)
                m_cellWidths[c] = std::max(m_cellWidths[c], text.horizontalAdvance(cells[qsizetype(c)]));
        }
    }
    double needed = m_cellGap * double(std::max<size_t>(columns, 1) - 1);
    for (double cell : m_cellWidths)
        needed += cell;
    needed = std::max(needed, widestHeading);

    m_flowColumns = std::clamp(int((m_area.width() + m_flowGap) / (needed + m_flowGap)), 1, kMostFlowColumns);
    m_flowWidth = (m_area.width() - m_flowGap * (m_flowColumns - 1)) / m_flowColumns;
    // A row wider than the whole page (a narrow paper size) is drawn
    // narrower rather than cut: every text stays whole and readable as text.
    m_squeeze = std::min(1.0, m_flowWidth / needed);
}

void DocumentPages::layOut()
{
    const double body = m_area.height() - m_headerHeight - m_footerHeight;
    // One line of each column holds the column titles.
    m_linesPerColumn = std::max(3, int(body / m_lineHeight) - 1);

    m_pages.clear();
    Page page;
    FlowColumn column;
    auto closeColumn = [&] {
        page.push_back(std::move(column));
        column = {};
        if (int(page.size()) == m_flowColumns) {
            m_pages.push_back(std::move(page));
            page = {};
        }
    };
    auto spaceLeft = [&] { return m_linesPerColumn - int(column.size()); };

    for (int s = 0; s < int(m_document.sections.size()); ++s) {
        const PrintSection &section = m_document.sections[size_t(s)];
        const bool headed = !section.heading.isEmpty();
        if (headed) {
            // A heading never stands alone at the foot of a column, and a
            // blank line parts it from the section above.
            const int blank = column.empty() ? 0 : 1;
            if (spaceLeft() < blank + 2)
                closeColumn();
            else if (blank)
                column.push_back({Line::Kind::Row, -1, -1});
            column.push_back({Line::Kind::Heading, s, -1});
        }
        for (int r = 0; r < int(section.rows.size()); ++r) {
            if (spaceLeft() == 0) {
                closeColumn();
                if (headed)
                    column.push_back({Line::Kind::ContinuedHeading, s, -1});
            }
            column.push_back({Line::Kind::Row, s, r});
        }
    }
    if (!column.empty() || m_pages.empty())
        closeColumn();
    if (!page.empty())
        m_pages.push_back(std::move(page));
}

void DocumentPages::paint(QPainter &painter, int first, int last) const
{
    first = std::max(first, 1);
    last = std::min(last, pageCount());
    for (int number = first; number <= last; ++number) {
        if (number > first)
            m_device.newPage();
        paintHeader(painter);
        const Page &page = m_pages[size_t(number - 1)];
        for (size_t c = 0; c < page.size(); ++c) {
            const double left = double(c) * (m_flowWidth + m_flowGap);
            paintFlowColumn(painter, page[c], left);
            if (c > 0) {
                painter.setPen(QPen(kRuleColour, 0));
                const double x = left - m_flowGap / 2;
                painter.drawLine(QPointF(x, m_headerHeight),
                                 QPointF(x, m_headerHeight + m_lineHeight * (int(page[c].size()) + 1)));
            }
        }
        paintFooter(painter, number);
    }
}

void DocumentPages::paintHeader(QPainter &painter) const
{
    const QFontMetricsF text(m_textFont, &m_device);
    const QFontMetricsF title(m_titleFont, &m_device);
    const double width = m_area.width();
    painter.setPen(Qt::black);
    painter.setFont(m_textFont);
    const double dateWidth = text.horizontalAdvance(m_date);
    const QString file = text.elidedText(m_document.fileName, Qt::ElideMiddle, width - dateWidth - m_flowGap);
    painter.drawText(QPointF(0, text.ascent()), file);
    painter.drawText(QPointF(width - dateWidth, text.ascent()), m_date);

    double y = text.lineSpacing();
    painter.setFont(m_titleFont);
    painter.drawText(QPointF(0, y + title.ascent()), title.elidedText(m_document.title, Qt::ElideRight, width));
    y += title.lineSpacing();
    painter.setFont(m_textFont);
    for (const QString &note : m_document.notes) {
        const double height = textHeight(text, width, note);
        painter.drawText(QRectF(0, y, width, height), Qt::TextWordWrap, note);
        y += height;
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QPointF(0, y + m_lineHeight / 3), QPointF(width, y + m_lineHeight / 3));
}

void DocumentPages::paintFooter(QPainter &painter, int page) const
{
    const QFontMetricsF text(m_textFont, &m_device);
    const double top = m_area.height() - m_footerHeight;
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QPointF(0, top + m_lineHeight / 2), QPointF(m_area.width(), top + m_lineHeight / 2));
    const QString caption = QStringLiteral("Стр. %1 из %2").arg(page).arg(pageCount());
    painter.setFont(m_textFont);
    painter.drawText(QPointF((m_area.width() - text.horizontalAdvance(caption)) / 2,
                             m_area.height() - text.descent()),
                     caption);
}

void DocumentPages::paintFlowColumn(QPainter &painter, const FlowColumn &lines, double left) const
{
    const QFontMetricsF text(m_textFont, &m_device);
    double top = m_headerHeight;
    const double baselineOffset = (m_lineHeight + text.ascent() - text.descent()) / 2;

    painter.save();
    painter.translate(left, 0);
    painter.scale(m_squeeze, 1);
    const double width = m_flowWidth / m_squeeze;
    if (!m_document.columns.empty()) {
        QStringList titles;
        for (const PrintColumn &column : m_document.columns)
            titles.append(column.title);
        painter.setPen(Qt::black);
        painter.setFont(m_boldFont);
        paintRow(painter, titles, top + baselineOffset, true);
        painter.setPen(QPen(kRuleColour, 0));
        painter.drawLine(QPointF(0, top + m_lineHeight), QPointF(width, top + m_lineHeight));
    }
    top += m_lineHeight;

    painter.setPen(Qt::black);
    for (const Line &line : lines) {
        const double baseline = top + baselineOffset;
        top += m_lineHeight;
        if (line.section < 0)
            continue;
        const PrintSection &section = m_document.sections[size_t(line.section)];
        if (line.kind == Line::Kind::Row) {
            painter.setFont(m_textFont);
            paintRow(painter, section.rows[size_t(line.row)], baseline, false);
            continue;
        }
        painter.setFont(m_boldFont);
        painter.drawText(QPointF(0, baseline), line.kind == Line::Kind::Heading ? section.heading
                                                                                : continuedHeading(section.heading));
    }
    painter.restore();
}

void DocumentPages::paintRow(QPainter &painter, const QStringList &cells, double baseline, bool titles) const
{
    const QFontMetricsF metrics(titles ? m_boldFont : m_textFont, &m_device);
    double x = 0;
    for (size_t c = 0; c < m_cellWidths.size() && c < size_t(cells.size()); ++c) {
        const double cellWidth = m_cellWidths[c];
        const QString &cell = cells[qsizetype(c)];
        if (!cell.isEmpty()) {
            const double at = m_document.columns[c].alignRight ? x + cellWidth - metrics.horizontalAdvance(cell) : x;
            painter.drawText(QPointF(at, baseline), cell);
        }
        x += cellWidth + m_cellGap;
    }
}

} // namespace k510::ui
