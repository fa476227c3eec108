#pragma once
// What the report engine needs of a query: move to the first and the next row,
// tell the end, read a column of the current row. The engine raises the
// after-scroll notification after every move it makes, so a report can re-run
// its detail queries for the new row.
#include <QString>
#include <QVariant>
#include <functional>

namespace pellori::report {

class ReportQuery {
public:
    virtual ~ReportQuery() = default;

    virtual void first() = 0;                // nothing happens on an empty query
    virtual void next() = 0;                 // past the last row atEnd() turns true
    virtual bool atEnd() const = 0;          // no current row: empty, or moved past the last
    virtual QVariant value(const QString& column) const = 0;   // null without a current row

    // Raised after every move, moving to the first row of an empty query included.
    std::function<void()> afterScroll;

    void moveFirst()
    {
        first();
        if (afterScroll)
            afterScroll();
    }
    void moveNext()
    {
        next();
        if (!atEnd() && afterScroll)
            afterScroll();
    }
};

} // namespace pellori::report
