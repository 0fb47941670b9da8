#include "report/reportrenderer.h"

#include "report/reportcontent.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {
constexpr int CellTwips = 4500; // width of each cell of the two-column rows
constexpr double TitlePoints = 14;
constexpr double BodyPoints = 10;
constexpr double HeadingPoints = 11;
constexpr double GridPoints = 9;
constexpr double SmallestGridPoints = 5;
constexpr double FooterPoints = 8;

// A face with Chinese glyphs, so that both languages print with one font and the glyphs get embedded.
QFont reportFont(double points, bool bold = false) {
    static const QStringList families = [] {
        QStringList found;
        const QStringList installed = QFontDatabase::families();
        for (const char *name :
             {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC", "Microsoft YaHei", "SimSun",
              "PingFang SC", "Droid Sans Fallback", "AR PL UMing CN"}) {
            if (installed.contains(QLatin1String(name)))
                found << QString::fromLatin1(name);
        }
        return found;
    }();
    QFont font;
    if (!families.isEmpty())
        font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Lays the report out page by page. The first pass only measures (no painter) to count the pages; the
// second paints with the page count known for the footers.
class ReportPainter {
public:
    ReportPainter(QPagedPaintDevice *device, QPainter *painter) : m_device(device), m_painter(painter) {
        m_dpiX = device->logicalDpiX();
        m_dpiY = device->logicalDpiY();
        m_width = device->width();
        m_bottom = device->height() - mm(8); // room for the page number
    }

    void setPageCount(int count) { m_pageCount = count; }
    int page() const { return m_page; }
    bool ok() const { return m_ok; }

    void render(const ReportContent &content) {
        title(content.title);
        blankLine();
        for (qsizetype s = 0; s < content.sections.size(); ++s) {
            if (s > 0)
                blankLine();
            heading(content.sections[s].heading);
            blankLine();
            for (const ReportRow &row : content.sections[s].rows)
                twoColumnRow(row.caption, row.value);
        }
        pageBreak();
        title(content.channelTitle);
        channelTable(content.channelHeaders, content.channelRows);
        footer();
    }

private:
    double mm(double v) const { return v * m_dpiY / 25.4; }
    double twipsX(int twips) const { return twips * m_dpiX / 1440.0; }
    double padX() const { return mm(1.5); }
    double padY() const { return mm(1.0); }

    QFontMetricsF metrics(const QFont &font) const { return QFontMetricsF(font, m_device); }

    double textHeight(const QFont &font, double width, const QString &text) const {
        const QFontMetricsF fm = metrics(font);
        const QRectF r = fm.boundingRect(QRectF(0, 0, std::max(width, 1.0), 1e9), Qt::TextWordWrap, text);
        return std::max(r.height(), fm.height());
    }

    void newPage() {
        footer();
        if (m_painter && !m_device->newPage())
            m_ok = false;
        ++m_page;
        m_y = 0;
    }

    // Starts a new page when a block of height h does not fit below the current position.
    void room(double h) {
        if (m_y > 0 && m_y + h > m_bottom)
            newPage();
    }

    void pageBreak() {
        if (m_y > 0)
            newPage();
    }

    void footer() {
        if (!m_painter || m_pageCount < 2)
            return;
        const QFont font = reportFont(FooterPoints);
        m_painter->setFont(font);
        m_painter->setPen(Qt::black);
        const QRectF area(0, m_bottom, m_width, m_device->height() - m_bottom);
        m_painter->drawText(area, Qt::AlignHCenter | Qt::AlignBottom,
                            QStringLiteral("%1 / %2").arg(m_page).arg(m_pageCount));
    }

    void text(const QRectF &rect, const QFont &font, int flags, const QString &s) {
        if (!m_painter)
            return;
        m_painter->setFont(font);
        m_painter->setPen(Qt::black);
        m_painter->drawText(rect, flags, s);
    }

    void blankLine() {
        if (m_y > 0)
            m_y += metrics(reportFont(BodyPoints)).height();
    }

    void title(const QString &s) {
        const QFont font = reportFont(TitlePoints);
        const double h = textHeight(font, m_width, s) + mm(2);
        room(h);
        text(QRectF(0, m_y, m_width, h), font, Qt::AlignCenter | Qt::TextWordWrap, s);
        m_y += h;
    }

    double tableLeft() const { return std::max(0.0, (m_width - 2 * twipsX(CellTwips)) / 2); }

    void heading(const QString &s) {
        const QFont font = reportFont(HeadingPoints, true);
        const double h = textHeight(font, m_width, s);
        // A heading never stands alone at the foot of a page.
        room(h + 2 * metrics(reportFont(BodyPoints)).height() + mm(6));
        text(QRectF(tableLeft(), m_y, m_width - tableLeft(), h), font, Qt::AlignLeft | Qt::AlignVCenter, s);
        m_y += h;
    }

    // Draws bordered cells side by side; the row is as tall as its tallest text.
    void cells(double left, const QList<double> &widths, const QStringList &texts, const QFont &font,
               const QColor &background = QColor()) {
        double h = 0;
        for (qsizetype i = 0; i < widths.size(); ++i)
            h = std::max(h, textHeight(font, widths[i] - 2 * padX(), texts.value(i)));
        h += 2 * padY();
        room(h);
        drawCells(left, widths, texts, font, h, background);
        m_y += h;
    }

    void drawCells(double left, const QList<double> &widths, const QStringList &texts, const QFont &font,
                   double h, const QColor &background) {
        if (!m_painter)
            return;
        double x = left;
        for (qsizetype i = 0; i < widths.size(); ++i) {
            const QRectF cell(x, m_y, widths[i], h);
            if (background.isValid())
                m_painter->fillRect(cell, background);
            m_painter->setPen(QPen(Qt::black, mm(0.2)));
            m_painter->setBrush(Qt::NoBrush);
            m_painter->drawRect(cell);
            text(cell.adjusted(padX(), padY(), -padX(), -padY()), font, Qt::AlignCenter | Qt::TextWordWrap,
                 texts.value(i));
            x += widths[i];
        }
    }

    void twoColumnRow(const QString &caption, const QString &value) {
        const double w = std::min(twipsX(CellTwips), m_width / 2);
        cells(tableLeft(), {w, w}, {caption, value}, reportFont(BodyPoints));
    }

    // Column widths that hold every header and cell on one line, spread over the page width; the face
    // gets smaller until they fit.
    QList<double> gridWidths(const QStringList &headers, const QList<QStringList> &rows,
                             double &points) const {
        QList<double> widths;
        for (points = GridPoints;; points -= 0.5) {
            const QFontMetricsF header = metrics(reportFont(points, true));
            const QFontMetricsF body = metrics(reportFont(points));
            widths.clear();
            for (qsizetype c = 0; c < headers.size(); ++c) {
                double w = header.horizontalAdvance(headers[c]);
                for (const QStringList &row : rows)
                    w = std::max(w, body.horizontalAdvance(row.value(c)));
                widths << w + 2 * padX() + mm(0.5);
            }
            if (std::accumulate(widths.begin(), widths.end(), 0.0) <= m_width || points <= SmallestGridPoints)
                break;
        }
        const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
        if (total > 0)
            for (double &w : widths)
                w *= m_width / total;
        return widths;
    }

    void channelTable(const QStringList &headers, const QList<QStringList> &rows) {
        if (headers.isEmpty())
            return;
        double points = GridPoints;
        const QList<double> widths = gridWidths(headers, rows, points);
        const QFont headerFont = reportFont(points, true);
        const QFont bodyFont = reportFont(points);
        auto headerRow = [&] { cells(0, widths, headers, headerFont, QColor(224, 224, 224)); };
        auto rowHeight = [&](const QStringList &texts) {
            double h = 0;
            for (qsizetype i = 0; i < widths.size(); ++i)
                h = std::max(h, textHeight(bodyFont, widths[i] - 2 * padX(), texts.value(i)));
            return h + 2 * padY();
        };
        // The header and the first channel go onto the same page.
        room(rowHeight(headers) + (rows.isEmpty() ? 0 : rowHeight(rows.first())));
        headerRow();
        for (qsizetype r = 0; r < rows.size(); ++r) {
            if (m_y + rowHeight(rows[r]) > m_bottom) {
                newPage();
                headerRow();
            }
            // Even channels are tinted as on screen, lightly enough for any printer.
            cells(0, widths, rows[r], bodyFont, r % 2 == 1 ? QColor(236, 236, 255) : QColor());
        }
    }

    QPagedPaintDevice *m_device;
    QPainter *m_painter;
    double m_dpiX = 0;
    double m_dpiY = 0;
    double m_width = 0;
    double m_bottom = 0;
    double m_y = 0;
    int m_page = 1;
    int m_pageCount = 0;
    bool m_ok = true;
};
} // namespace

void setReportPage(QPagedPaintDevice *device) {
    device->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

bool renderReport(QPagedPaintDevice *device, const ReportContent &content) {
    if (!device)
        return false;
    ReportPainter measure(device, nullptr);
    measure.render(content);

    QPainter painter;
    if (!painter.begin(device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    ReportPainter paint(device, &painter);
    paint.setPageCount(measure.page());
    paint.render(content);
    const bool ended = painter.end();
    return paint.ok() && ended;
}
