#pragma once
// A table as the data sets write it: its name, its key and where a new row's
// key comes from, and its columns in the order the statements name them.
// The insert, modify, delete and refresh statements of every editable data
// set are built from these descriptions (data/tables/Tables.h).
#include <QString>
#include <utility>
#include <vector>

namespace pellori {

class EditableDataSet;

namespace tables {

struct Table {
    const char* name;
    // The key column; none: a row is singled out by all its columns as read.
    const char* key = nullptr;
    // New keys: drawn from this generator by the data set before the insert, or
    // given by the database and read back by the insert, or (neither) set by the caller.
    const char* generator = nullptr;
    bool keyFromDatabase = false;
    std::vector<const char*> columns = {};   // written, in the statements' order; the key among them when written
    // The name under which the editors read the row's RDB$RECORD_VERSION.
    const char* version = nullptr;
};

// How one data set writes its table.
struct Writes {
    std::vector<const char*> columns = {};   // these, in this order; none: the table's
    std::vector<const char*> modified = {};  // the columns a modify sets; none: the written ones
    // Columns whose value the insert writes itself (an SQL literal) instead of a parameter.
    std::vector<std::pair<const char*, const char*>> values = {};
    // Modify and delete find the row only as it was read (its record version):
    // another user's change since is refused, never overwritten.
    bool rowCheck = false;
    bool returningKey = false;   // the insert returns the key the database gave
};

// Parameters are the columns' names; modify and delete single the row out by
// :OLD_ values, the refresh by the current ones.
QString insertSql(const Table& table, const Writes& writes = {});
QString modifySql(const Table& table, const Writes& writes = {});
QString deleteSql(const Table& table, const Writes& writes = {});
// The whole row, with its record version where the table names one.
QString refreshSql(const Table& table);

// The four statements, the key's origin and the row check, for a data set over the table.
void describe(EditableDataSet& dataSet, const Table& table, const Writes& writes = {});

} // namespace tables
} // namespace pellori
