#pragma once
// Turns a report into pages of placed items, one master row at a time, so a
// caller can show the first page while the rest is still being produced. The
// pages hold everything painting needs: no pixels, only millimetres, texts
// already broken into lines, fonts and alignments.
#include "printing/engine/Report.h"
#include "printing/engine/ReportFonts.h"

#include <QDateTime>
#include <QRectF>
#include <QStringList>
#include <deque>
#include <vector>

namespace pellori::report {

struct PlacedItem {
    enum class Kind { Text, Rule };
    Kind kind = Kind::Text;
    QString band, item;             // names of the band and the print item
    int placement = -1;             // index of its band in Page::bands
    QRectF rectMm;                  // on the paper, from its top left corner
    QStringList lines;              // the text as broken at the item's width
    FontStyle font;
    double lineHeightMm = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool clip = false;              // a fixed-width text that does not stretch
    QString text() const { return lines.join(QLatin1Char('\n')); }
};

struct PlacedBand {
    QString name;
    QRectF rectMm;
};

struct Page {
    int number = 0;                 // from 1
    std::vector<PlacedBand> bands;
    std::vector<PlacedItem> items;
};

class ReportLayout {
public:
    explicit ReportLayout(Report& report, QDateTime generated = QDateTime::currentDateTime());

    // Processes up to `rows` master rows (the first call also starts the first page);
    // returns false once the report is complete. Errors of the hooks and queries pass through.
    bool produce(int rows = 1);
    void produceAll();
    // Produces until `pages` pages are complete or the report is.
    void produceUntil(int pages);

    bool finished() const { return m_state == State::Done; }
    // Pages that will not change any more; all pages once finished.
    int completePages() const;
    const Page& page(int index) const { return m_pages.at(index); }
    const std::deque<Page>& pages() const { return m_pages; }
    const Report& report() const { return m_report; }

private:
    enum class State { NotStarted, Rows, Done };
    struct Measured {
        double heightMm = 0;
        std::vector<PlacedItem> items;  // positions relative to the band's top left corner
    };

    void start();
    void finish();
    void processRow();
    void processSubDetail(Band& band);
    void process(Band& band);
    Measured measure(Band& band);
    QString textOf(const PrintItem& item) const;
    // Where a band of that height goes, after any column or page break it needs;
    // `chain` is the height of the bands that must follow it in the same column.
    QPointF allocate(double heightMm, double chainMm);
    void nextColumn();
    bool acrossFirst() const;
    double columnX(int column) const;
    double widthOf(const Band& band) const;
    void place(const Band& band, Measured& m, QPointF at);
    void openPage();
    void closePage(bool last);
    double chainHeight(const Band* from) const;
    double bodyBottom() const;
    double emptyPageSpace() const;

    Report& m_report;
    QString m_generated;            // the date and time of generation, as printed
    TextMeasure m_measure;
    std::deque<Page> m_pages;
    State m_state = State::NotStarted;
    double m_y = 0;                 // where the next band goes, from the paper's top
    double m_bodyTop = 0;           // below the header of the current page
    int m_column = 0;               // the column (or the cell of the row) the next band goes to
    double m_rowHeight = 0;         // across first: the tallest cell of the row being filled
    bool m_columnHasBody = false;   // the column has a body band (across first: the page)
    double m_headerHeight = 0;
};

} // namespace pellori::report
