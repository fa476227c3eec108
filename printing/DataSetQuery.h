#pragma once
// A data set as the report engine sees a query.
#include "data/DataSet.h"
#include "printing/engine/ReportQuery.h"

#include <initializer_list>
#include <memory>

namespace pellori::reports {

class DataSetQuery final : public report::ReportQuery {
public:
    explicit DataSetQuery(DataSet& dataSet) : m_dataSet(dataSet) {}
    void first() override { m_dataSet.first(); }
    void next() override { m_dataSet.next(); }
    bool atEnd() const override { return !m_dataSet.isOpen() || m_dataSet.atEnd(); }
    QVariant value(const QString& column) const override { return m_dataSet.value(column); }

private:
    DataSet& m_dataSet;
};

// A column a report reads, as a report window declares it.
struct Column {
    const char* name;
    FieldKind kind = FieldKind::Text;
};

// A read-only query of a report on the transaction, decoding only the columns given.
inline std::unique_ptr<QueryDataSet> reportQuery(DbTransaction& transaction, const QString& sql,
                                                 std::initializer_list<Column> columns)
{
    auto q = std::make_unique<QueryDataSet>(transaction);
    q->setSelectSql(sql);
    for (const Column& c : columns) {
        FieldDef f;
        f.name = QLatin1String(c.name);
        f.kind = c.kind;
        q->addField(f);
    }
    return q;
}

} // namespace pellori::reports
