#pragma once
// A test book brought up to date, with the stored list and words filled.
#include "TestConnection.h"
#include "TestDb.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "data/upgrades/Upgrades.h"

#include <QList>
#include <QVariant>

namespace pellori::test {

// Runs the script (Latin-1, isql) on the book, then every upgrade step and fill.
inline void upgradeWith(const TestDb& db, const QString& script)
{
    if (!script.isEmpty())
        db.isql(script);
    Connection c;
    attachTo(c, db.path());
    upgrades::applyMissing(c);
}

// Every row of a select, its first `columns` columns (all: -1) as text.
inline QList<QStringList> rowsOf(DbTransaction& tr, const QString& sql, int columns = -1)
{
    QueryDataSet q(tr);
    q.setSelectSql(sql);
    q.open();
    q.fetchAll();
    QList<QStringList> rows;
    for (int r = 0; r < q.rowCount(); ++r) {
        QStringList row;
        for (int f = 0; f < (columns < 0 ? q.fieldCount() : columns); ++f)
            row << q.text(r, f);
        rows << row;
    }
    return rows;
}

} // namespace pellori::test
