#pragma once
// A prepared statement with :name parameters. The text is rewritten to
// positional markers once, at prepare; each position remembers its name
// (several positions may share one). Values are QVariant: invalid or null for
// NULL, int, qlonglong, QDate, QDateTime, double, QString.
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

struct ColumnInfo {
    QString name;       // alias as the statement returns it, upper case for unquoted names
    int sqlType = 0;    // SQL_* without the null bit
    int length = 0;     // in characters for text
    int scale = 0;
    bool isText = false;
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

    void prepare(DbTransaction& tr);                 // once; later calls do nothing
    const QList<ColumnInfo>& columns() const { return m_columns; }
    bool returnsRows() const { return !m_columns.isEmpty(); }
    bool isSelect() const { return m_isSelect; }

    // Runs a statement; for one with output (insert ... returning, a procedure)
    // the single returned row is passed back, otherwise an empty list.
    QList<QVariant> execute(DbTransaction& tr, const ParamSource& params);

    // Cursor over a select.
    void openCursor(DbTransaction& tr, const ParamSource& params);
    bool fetch(QList<QVariant>& row);                 // false at the end (the cursor is then closed)
    void closeCursor();
    bool cursorOpen() const { return m_cursor != nullptr; }

private:
    QByteArray bindInput(DbTransaction& tr, const ParamSource& params);
    QList<QVariant> decodeRow(DbTransaction& tr, const unsigned char* buffer);

    Connection& m_connection;
    QString m_sql;
    ParsedSql m_parsed;
    Firebird::IStatement* m_stmt = nullptr;
    Firebird::IMessageMetadata* m_in = nullptr;
    Firebird::IMessageMetadata* m_out = nullptr;
    Firebird::IResultSet* m_cursor = nullptr;
    DbTransaction* m_cursorTr = nullptr;
    QList<ColumnInfo> m_columns;
    QByteArray m_outBuffer;
    bool m_isSelect = false;
};

// Next value of the named generator, in the given transaction.
qlonglong generatorValue(DbTransaction& tr, const QString& generator, int increment = 1);

} // namespace pellori
