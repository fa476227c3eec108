#pragma once
// A prepared statement with :name parameters. The text is rewritten to
// positional markers once, at prepare; each position remembers its name
// (several positions may share one). Values are QVariant: invalid or null for
// NULL, int, qlonglong, QDate, QDateTime, double, QString.
//
// The statement belongs to its connection: closing the connection gives the
// prepared handle back, and the next use prepares it again.
#include "data/FieldValue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

namespace Firebird {
class IStatement;
class IResultSet;
class IMessageMetadata;
}

namespace pellori {

class DbTransaction;
class Connection;
class ThrowingStatus;

// One column of a result, or one parameter, with its place in the message buffer.
struct ColumnInfo {
    QString name;       // alias as the statement returns it, upper case for unquoted names
    int sqlType = 0;    // SQL_* without the null bit
    int length = 0;     // in characters for text
    int byteLength = 0; // in the message buffer
    int scale = 0;
    int subType = 0;
    bool isText = false;
    unsigned offset = 0, nullOffset = 0;
};

// Splits ":name" markers out of SQL text (outside quotes and comments).
struct ParsedSql {
    QString text;            // with '?' in place of every :name
    QStringList paramNames;  // one per '?', as written
};
ParsedSql parseParams(const QString& sql);

class Statement {
public:
    using ParamSource = std::function<QVariant(const QString& name)>;

    Statement(Connection& connection, QString sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    const QString& sql() const { return m_sql; }
    const QStringList& paramNames() const { return m_parsed.paramNames; }

    // Once per attachment; later calls do nothing. A failed prepare leaves nothing behind.
    void prepare(DbTransaction& tr);
    const QList<ColumnInfo>& columns() const { return m_columns; }

    // Runs a statement; for one with output (insert ... returning, a procedure)
    // the single returned row is passed back, otherwise an empty list.
    QList<QVariant> execute(DbTransaction& tr, const ParamSource& params);
    // Rows the last execute inserted, changed or deleted (asked of the database).
    quint64 affectedRows();

    // Cursor over a select. fetch() moves to the next row (false at the end, the
    // cursor is then closed); the row is then read column by column below.
    void openCursor(DbTransaction& tr, const ParamSource& params);
    bool fetch();
    bool fetch(QList<QVariant>& row);                 // the same, every column decoded
    void closeCursor();
    DbTransaction* cursorTransaction() const { return m_cursorTr; }

    // The current row of the cursor, read without any copy of the whole row.
    bool isNullAt(int column) const;
    qint64 integerAt(int column) const;          // SMALLINT, INTEGER, BIGINT (unscaled)
    QByteArrayView textAt(int column) const;     // CHAR (blanks cut) and VARCHAR, as stored
    int julianDayAt(int column) const;           // DATE
    QByteArray blobAt(int column);               // the whole blob, read in the cursor's transaction
    QVariant valueAt(int column);                // any column, decoded

    // For the connection.
    void unprepare();
    void connectionDestroyed();

private:
    QByteArray bindInput(DbTransaction& tr, const ParamSource& params);
    Connection& connection() const;
    const unsigned char* row() const { return reinterpret_cast<const unsigned char*>(m_outBuffer.constData()); }
    QVariant decodeAt(int column, DbTransaction& tr);
    QByteArray readBlob(int column, DbTransaction& tr);

    Connection* m_connection;
    QString m_sql;
    ParsedSql m_parsed;
    std::unique_ptr<ThrowingStatus> m_status;   // one for every call of this statement
    Firebird::IStatement* m_stmt = nullptr;
    Firebird::IMessageMetadata* m_in = nullptr;
    Firebird::IMessageMetadata* m_out = nullptr;
    Firebird::IResultSet* m_cursor = nullptr;
    DbTransaction* m_cursorTr = nullptr;
    QList<ColumnInfo> m_columns;
    QList<ColumnInfo> m_params;
    unsigned m_inLength = 0;
    QByteArray m_outBuffer;
};

// Runs a statement as written, with no :name parameters looked for (a PSQL
// body refers to its variables as ":name"); for DDL.
void executeDirect(DbTransaction& tr, const QString& sql);

// Next value of the named generator, in the given transaction.
qlonglong generatorValue(DbTransaction& tr, const QString& generator, int increment = 1);

// Runs a select without parameters and hands over every row, each column decoded.
void forEachRow(DbTransaction& tr, const QString& sql, const std::function<void(const QList<QVariant>& row)>& take);

} // namespace pellori
