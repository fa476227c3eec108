#include "printing/engine/ReportLayout.h"

namespace pellori::report {

ReportLayout::ReportLayout(Report& report, QDateTime generated) : m_report(report), m_generated(dateTimeText(generated))
{
    if (Band* h = m_report.pageHeader())
        m_headerHeight = h->heightMm;
}

int ReportLayout::completePages() const
{
    const int n = int(m_pages.size());
    return finished() ? n : qMax(0, n - 1);
}

bool ReportLayout::produce(int rows)
{
    if (m_state == State::NotStarted)
        start();
    for (int i = 0; i < rows && m_state == State::Rows; ++i) {
        processRow();
        m_report.master->moveNext();
        if (m_report.master->atEnd())
            finish();
    }
    return m_state != State::Done;
}

void ReportLayout::produceAll()
{
    while (produce(64)) {
    }
}

void ReportLayout::produceUntil(int pages)
{
    while (completePages() < pages && produce(1)) {
    }
}

void ReportLayout::start()
{
    openPage();
    ReportQuery* master = m_report.master;
    if (master)
        master->moveFirst();
    if (master && !master->atEnd()) {
        m_state = State::Rows;
        return;
    }
    if (m_report.page.printIfEmpty)
        processRow();
    finish();
}

void ReportLayout::finish()
{
    closePage(true);
    m_state = State::Done;
}

void ReportLayout::processRow()
{
    if (Band* d = m_report.detail())
        process(*d);
    for (Band* s : m_report.subDetails())
        processSubDetail(*s);
}

void ReportLayout::processSubDetail(Band& band)
{
    if (!band.query) {
        process(band);
        return;
    }
    band.query->moveFirst();
    if (band.query->atEnd()) {
        process(band);
        return;
    }
    for (; !band.query->atEnd(); band.query->moveNext())
        process(band);
}

void ReportLayout::process(Band& band)
{
    bool print = true;
    if (band.beforePrint)
        band.beforePrint(band, print);
    if (print) {
        Measured m = measure(band);
        const double left = bodyBottom() - m_y;
        const double need = m.heightMm + chainHeight(band.keepWith);
        const bool overflows = m.heightMm > left;
        const bool chainShort = need > left && need <= emptyPageSpace();
        if (m_pageHasBody && (overflows || chainShort)) {
            closePage(false);
            openPage();
        }
        place(band, m);
        m_pageHasBody = true;
    }
    if (band.child)
        process(*band.child);
}

QString ReportLayout::textOf(const PrintItem& item) const
{
    switch (item.kind) {
    case ItemKind::Label: return item.text;
    case ItemKind::DataText: return item.query ? displayText(item.query->value(item.column)) : QString();
    case ItemKind::PageNumber: return QString::number(m_pages.empty() ? 1 : m_pages.back().number);
    case ItemKind::DateTime: return m_generated;
    }
    return QString();
}

ReportLayout::Measured ReportLayout::measure(Band& band)
{
    Measured m;
    m.heightMm = band.heightMm;
    const double bandWidth = m_report.page.bandWidthMm();
    double grow = 0;
    if (band.topRule) {
        PlacedItem rule;
        rule.kind = PlacedItem::Kind::Rule;
        rule.band = band.name;
        rule.rectMm = QRectF(0, 0, bandWidth, 0);
        m.items.push_back(rule);
    }
    for (const PrintItem& item : band.items) {
        PlacedItem p;
        p.band = band.name;
        p.item = item.name;
        p.font = item.font;
        p.alignment = item.alignment;
        p.lineHeightMm = m_measure.lineHeightMm(item.font);
        const QString text = textOf(item);
        double width = item.widthMm;
        if (item.stretch) {
            if (width <= 0)
                width = qMax(1.0, bandWidth - item.leftMm);
            p.lines = m_measure.wrap(item.font, text, width);
            if (p.lines.isEmpty())
                p.lines << QString();
            grow = qMax(grow, (p.lines.size() - 1) * p.lineHeightMm);
        } else {
            p.lines << paragraphs(text).value(0);
            if (width <= 0)
                width = m_measure.widthMm(item.font, p.lines.first());
            else
                p.clip = true;
        }
        p.rectMm = QRectF(item.leftMm, item.topMm, width, p.lines.size() * p.lineHeightMm);
        m.items.push_back(std::move(p));
    }
    m.heightMm += grow;
    return m;
}

void ReportLayout::place(const Band& band, Measured& m)
{
    Page& page = m_pages.back();
    const QPointF origin(m_report.page.leftMm, m_y);
    page.bands.push_back({band.name, QRectF(origin, QSizeF(m_report.page.bandWidthMm(), m.heightMm))});
    for (PlacedItem& item : m.items) {
        item.rectMm.translate(origin);
        item.placement = int(page.bands.size()) - 1;
        page.items.push_back(std::move(item));
    }
    m_y += m.heightMm;
}

void ReportLayout::openPage()
{
    Page page;
    page.number = int(m_pages.size()) + 1;
    m_pages.push_back(std::move(page));
    m_y = m_report.page.topMm;
    m_pageHasBody = false;
    Band* header = m_report.pageHeader();
    if (header && (m_pages.size() > 1 || m_report.page.headerOnFirstPage)) {
        bool print = true;
        if (header->beforePrint)
            header->beforePrint(*header, print);
        if (print) {
            Measured m = measure(*header);
            m_headerHeight = m.heightMm;
            place(*header, m);
        }
    }
    m_bodyTop = m_y;
}

void ReportLayout::closePage(bool last)
{
    Band* footer = m_report.pageFooter();
    if (!footer || (last && !m_report.page.footerOnLastPage))
        return;
    bool print = true;
    if (footer->beforePrint)
        footer->beforePrint(*footer, print);
    if (!print)
        return;
    Measured m = measure(*footer);
    m_y = m_report.page.pageHeightMm() - m_report.page.bottomMm - footer->heightMm;
    place(*footer, m);
}

double ReportLayout::chainHeight(const Band* from) const
{
    double h = 0;
    // A chain that runs into itself is cut where it repeats.
    for (const Band* b = from; b; b = b->keepWith) {
        h += b->heightMm;
        if (b->keepWith == from)
            break;
    }
    return h;
}

double ReportLayout::bodyBottom() const
{
    const Band* footer = m_report.pageFooter();
    return m_report.page.pageHeightMm() - m_report.page.bottomMm - (footer ? footer->heightMm : 0);
}

double ReportLayout::emptyPageSpace() const { return bodyBottom() - m_report.page.topMm - m_headerHeight; }

} // namespace pellori::report
