#pragma once
// A banded report as configuration: the page setup, the bands in their order
// of processing with their print items and before-print hooks, bound to a
// master query. Nothing here measures or paints; ReportLayout turns a report
// into pages of placed items and PagePainter paints them.
#include "printing/engine/ReportQuery.h"

#include <QString>
#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

class QDate;
class QDateTime;

namespace pellori::report {

// How the body bands fill several columns: down one column and on into the
// next (a list), or along a row of cells and then down (a sheet of labels).
enum class ColumnOrder { DownThenAcross, AcrossThenDown };

// All measures in millimetres.
struct PageSetup {
    double paperWidthMm = 148;      // A5, portrait
    double paperHeightMm = 210;
    bool landscape = false;
    double topMm = 10, bottomMm = 10, leftMm = 20, rightMm = 20;
    int columns = 1;
    bool headerOnFirstPage = true;
    bool footerOnLastPage = true;
    bool printIfEmpty = true;       // an empty master list is processed once, with no row
    int copies = 1;
    double columnGapMm = 0;
    ColumnOrder columnOrder = ColumnOrder::DownThenAcross;
    // Body cells left empty at the start of the first page: a partly used sheet of labels.
    int skipCells = 0;

    double pageWidthMm() const { return landscape ? paperHeightMm : paperWidthMm; }
    double pageHeightMm() const { return landscape ? paperWidthMm : paperHeightMm; }
    double bandWidthMm() const { return pageWidthMm() - leftMm - rightMm; }
    // The width of a body band; page headers and footers span the whole band width.
    double columnWidthMm() const
    {
        return columns > 1 ? (bandWidthMm() - (columns - 1) * columnGapMm) / columns : bandWidthMm();
    }
};

struct FontStyle {
    QString family = QStringLiteral("Verdana");
    double pointSize = 8;
    bool bold = false;
    bool operator==(const FontStyle&) const = default;
};

enum class ItemKind {
    Label,       // text set by the report (its hooks)
    DataText,    // one column of the current row of a query
    PageNumber,  // digits only
    DateTime,    // date and time of generation
};

struct PrintItem {
    QString name{};
    ItemKind kind = ItemKind::Label;
    double leftMm = 0, topMm = 0;
    double widthMm = 0;                 // 0: as wide as its text
    FontStyle font{};
    Qt::Alignment alignment = Qt::AlignLeft;
    bool stretch = false;               // wraps at its width; the band grows with its lines
    QString text{};                     // a label's caption
    const ReportQuery* query = nullptr; // a data text's query and column
    QString column{};
    // A fixed-width text whose every line is cut to the width with an ellipsis: it
    // never reaches past its box, and its band does not grow.
    bool elide = false;
};

enum class BandKind { PageHeader, PageFooter, Detail, Child, SubDetail };

struct Band {
    QString name{};
    BandKind kind = BandKind::Detail;
    double heightMm = 0;
    bool topRule = false;               // a thin black line along the top edge
    ReportQuery* query = nullptr;       // a sub-detail's rows; without one it is processed once
    // Called before the band prints, with a flag that is true on entry. A band whose
    // flag is cleared prints nothing and takes no space; its child is still processed.
    std::function<void(Band& band, bool& print)> beforePrint{};
    std::deque<PrintItem> items{};      // stable addresses: hooks keep pointers to labels

    Band* child = nullptr;              // processed right after this band, every time
    Band* keepWith = nullptr;           // the next band of its keep-together chain

    PrintItem& add(PrintItem item)
    {
        items.push_back(std::move(item));
        return items.back();
    }
    PrintItem* item(const QString& itemName);
};

class Report {
public:
    PageSetup page;
    QString title;                      // the print job's name and the preview's caption
    ReportQuery* master = nullptr;

    // Page header, page footer, the detail band, and the sub-details in their order.
    Band& addBand(Band band);
    // A child band, processed right after its parent every time the parent is processed.
    Band& addChild(Band& parent, Band band);
    // Links each band to the next: a band of the chain is placed only where the rest
    // of the chain would fit after it, unless the chain is taller than an empty page.
    static void keepTogether(std::initializer_list<Band*> chain);

    Band* band(const QString& name);
    Band* pageHeader() const { return m_header; }
    Band* pageFooter() const { return m_footer; }
    Band* detail() const { return m_detail; }
    const std::vector<Band*>& subDetails() const { return m_subDetails; }

private:
    std::deque<Band> m_bands;
    Band* m_header = nullptr;
    Band* m_footer = nullptr;
    Band* m_detail = nullptr;
    std::vector<Band*> m_subDetails;
};

// How a data text shows a value: dates in the short date format (with the year in
// four digits), integers in plain decimal, texts and memos as stored, NULL empty.
QString displayText(const QVariant& value);
QString shortDateText(const QDate& date);
// Short date followed by the long time format.
QString dateTimeText(const QDateTime& when);

} // namespace pellori::report
