#include "printing/engine/ReportLayout.h"

namespace pellori::report {

namespace {
// Measures are sums of decimal millimetres: a band that fits exactly must not
// fall to the next page by a rounding error.
constexpr double kFitMm = 1e-6;
} // namespace

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
    const Band* detail = m_report.detail();
    for (int i = 0; i < m_report.page.skipCells; ++i)
        allocate(detail ? detail->heightMm : 0, 0);
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
        place(band, m, allocate(m.heightMm, chainHeight(band.keepWith)));
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
    const double bandWidth = widthOf(band);
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
        } else if (item.elide && width > 0) {
            for (const QString& line : paragraphs(text))
                p.lines << m_measure.elide(item.font, line, width);
            p.clip = true;
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

bool ReportLayout::acrossFirst() const
{
    return m_report.page.columns > 1 && m_report.page.columnOrder == ColumnOrder::AcrossThenDown;
}

double ReportLayout::columnX(int column) const
{
    const PageSetup& s = m_report.page;
    return s.leftMm + column * (s.columnWidthMm() + s.columnGapMm);
}

double ReportLayout::widthOf(const Band& band) const
{
    const bool pageBand = band.kind == BandKind::PageHeader || band.kind == BandKind::PageFooter;
    return pageBand ? m_report.page.bandWidthMm() : m_report.page.columnWidthMm();
}

QPointF ReportLayout::allocate(double heightMm, double chainMm)
{
    if (acrossFirst()) {
        // A row of cells starts a new page when it does not fit; its cells follow it.
        if (m_column == 0 && m_columnHasBody && heightMm > bodyBottom() - m_y + kFitMm) {
            closePage(false);
            openPage();
        }
        const QPointF at(columnX(m_column), m_y);
        m_rowHeight = qMax(m_rowHeight, heightMm);
        m_columnHasBody = true;
        if (++m_column == m_report.page.columns) {
            m_column = 0;
            m_y += m_rowHeight;
            m_rowHeight = 0;
        }
        return at;
    }
    const double left = bodyBottom() - m_y;
    const double need = heightMm + chainMm;
    const bool overflows = heightMm > left + kFitMm;
    const bool chainShort = need > left + kFitMm && need <= emptyPageSpace() + kFitMm;
    if (m_columnHasBody && (overflows || chainShort))
        nextColumn();
    const QPointF at(columnX(m_column), m_y);
    m_y += heightMm;
    m_columnHasBody = true;
    return at;
}

void ReportLayout::nextColumn()
{
    if (m_column + 1 < m_report.page.columns) {
        ++m_column;
        m_y = m_bodyTop;
        m_columnHasBody = false;
        return;
    }
    closePage(false);
    openPage();
}

void ReportLayout::place(const Band& band, Measured& m, QPointF at)
{
    Page& page = m_pages.back();
    page.bands.push_back({band.name, QRectF(at, QSizeF(widthOf(band), m.heightMm))});
    for (PlacedItem& item : m.items) {
        item.rectMm.translate(at);
        item.placement = int(page.bands.size()) - 1;
        page.items.push_back(std::move(item));
    }
}

void ReportLayout::openPage()
{
    Page page;
    page.number = int(m_pages.size()) + 1;
    m_pages.push_back(std::move(page));
    m_y = m_report.page.topMm;
    m_column = 0;
    m_rowHeight = 0;
    m_columnHasBody = false;
    Band* header = m_report.pageHeader();
    if (header && (m_pages.size() > 1 || m_report.page.headerOnFirstPage)) {
        bool print = true;
        if (header->beforePrint)
            header->beforePrint(*header, print);
        if (print) {
            Measured m = measure(*header);
            m_headerHeight = m.heightMm;
            place(*header, m, {m_report.page.leftMm, m_y});
            m_y += m.heightMm;
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
    place(*footer, m, {m_report.page.leftMm, m_y});
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
