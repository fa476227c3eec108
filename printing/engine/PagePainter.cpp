#include "printing/engine/PagePainter.h"

#include "printing/engine/ReportFonts.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <optional>

namespace pellori::report {

namespace {
constexpr double kMmPerInch = 25.4;
constexpr double kRuleWidthMm = 0.25;
} // namespace

void paintPage(QPainter& painter, const Page& page)
{
    // Painted in layout pixels, scaled to the device: the glyphs keep the advances
    // they were measured with, whatever the device's resolution and hinting.
    const QPaintDevice* device = painter.device();
    const double unit = kLayoutDpi / kMmPerInch;
    const auto px = [unit](const QRectF& mm) {
        return QRectF(mm.x() * unit, mm.y() * unit, mm.width() * unit, mm.height() * unit);
    };

    painter.save();
    painter.scale(device->logicalDpiX() / kLayoutDpi, device->logicalDpiY() / kLayoutDpi);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    std::optional<FontStyle> current;   // a page has few styles: set one only when it changes
    for (const PlacedItem& item : page.items) {
        const QRectF r = px(item.rectMm);
        if (item.kind == PlacedItem::Kind::Rule) {
            painter.setPen(QPen(Qt::black, kRuleWidthMm * unit));
            painter.drawLine(r.topLeft(), r.topRight());
            continue;
        }
        painter.setPen(Qt::black);
        if (current != item.font) {
            painter.setFont(reportFont(item.font));
            current = item.font;
        }
        if (item.clip)
            painter.setClipRect(r);
        const Qt::Alignment horizontal = item.alignment & Qt::AlignHorizontal_Mask;
        const int flags = int(horizontal) | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
        const double lineHeight = item.lineHeightMm * unit;
        for (int i = 0; i < item.lines.size(); ++i)
            painter.drawText(QRectF(r.x(), r.y() + i * lineHeight, r.width(), lineHeight), flags, item.lines.at(i));
        if (item.clip)
            painter.setClipping(false);
    }
    painter.restore();
}

QImage renderPage(const Page& page, const PageSetup& setup, int dpi)
{
    const double scale = dpi / kMmPerInch;
    QImage image(qMax(1, qRound(setup.pageWidthMm() * scale)), qMax(1, qRound(setup.pageHeightMm() * scale)),
                 QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / kMmPerInch * 1000);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page);
    return image;
}

void setUpPrinter(QPrinter& printer, const Report& report)
{
    const PageSetup& s = report.page;
    printer.setPageSize(QPageSize(QSizeF(s.paperWidthMm, s.paperHeightMm), QPageSize::Millimeter, QString(),
                                  QPageSize::FuzzyMatch));
    printer.setPageOrientation(s.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setDocName(report.title);
    printer.setCopyCount(s.copies);
}

bool printPages(QPrinter& printer, const ReportLayout& layout, int from, int to)
{
    const int last = int(layout.pages().size());
    from = qBound(1, from, last);
    to = qBound(from, to, last);
    const int copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
    const bool collate = printer.collateCopies();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    bool firstSheet = true;
    const auto sheet = [&](int number) {
        if (!firstSheet)
            printer.newPage();
        firstSheet = false;
        paintPage(painter, layout.page(number - 1));
    };
    if (collate) {
        for (int c = 0; c < copies; ++c)
            for (int n = from; n <= to; ++n)
                sheet(n);
    } else {
        for (int n = from; n <= to; ++n)
            for (int c = 0; c < copies; ++c)
                sheet(n);
    }
    return painter.end();
}

} // namespace pellori::report
