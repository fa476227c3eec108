#pragma once
// Data sets: rows read by a select statement, with a current row, fetched from
// the cursor only as far as somebody looks. An EditableDataSet carries its own
// insert, modify, delete and refresh statements whose :name parameters take the
// row's current values and :OLD_name ones the values as last read or saved.
//
// A data set with declared fields reads only the columns of those fields. It
// registers with its transaction for its whole life, so either may go first.
#include "data/DbTransaction.h"
#include "data/FieldValue.h"
#include "data/RowStore.h"
#include "data/Statement.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

namespace pellori {

struct FieldDef {
    QString name;                  // column name; matched without regard to case
    FieldKind kind = FieldKind::Text;
    int size = 0;                  // text: maximum characters (0: take it from the statement)
    bool required = false;
    bool visible = true;
    int width = 0;                 // display width in pixels (0: the grid decides)
    QString title;                 // column title (empty: the name)
    QStringList pickList;          // fixed choices offered by an editing control
    bool readOnly = false;
    // Lookup field: display-only; shows lookupResultField of the row of lookupDataSet whose
    // lookupKeyField equals this row's keyField. Choosing a name sets keyField.
    QString keyField;
    class DataSet* lookupDataSet = nullptr;
    QString lookupKeyField;
    QString lookupResultField;
    bool isLookup() const { return lookupDataSet != nullptr; }
};

class DataSet : public QObject, public TransactionUser {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Event = std::function<void(DataSet&)>;

    DataSet(DbTransaction& transaction, QObject* parent = nullptr);
    ~DataSet() override;

    // ---- configuration (by the window, before opening) ----
    void setTransaction(DbTransaction& transaction);
    // Throws when the transaction has already gone.
    DbTransaction& transaction() const;
    bool hasTransaction() const { return m_transaction != nullptr; }
    void setSelectSql(const QString& sql);          // closes the data set
    const QString& selectSql() const { return m_selectSql; }
    // Declared fields, in display order. Without declarations every column of the select becomes a field.
    FieldDef& addField(const FieldDef& def);
    void setParam(const QString& name, const QVariant& value);   // select parameter, persists over close/open
    QVariant param(const QString& name) const;

    // ---- fields ----
    int fieldCount() const { return int(m_fields.size()); }
    const QList<FieldDef>& fields() const { return m_fields; }
    FieldDef& field(int index) { return m_fields[index]; }
    int fieldIndex(const QString& name) const;      // -1 when missing
    FieldDef& field(const QString& name);           // throws AppError when missing
    // How text is stored on this data set's connection.
    TextEncoding encoding() const { return m_encoding; }

    // ---- life ----
    void open();
    void close();                                   // discards unsaved changes
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    bool isModified() const { return m_modified; }

    // ---- navigation (leaving an edited row posts it; an unchanged new row is dropped) ----
    bool isEmpty();
    int recNo() const { return m_current; }         // -1 when there is no row
    int rowCount() const { return m_rows.size(); }  // rows fetched so far
    bool allFetched() const { return m_eof; }
    int fetchMore(int count = 50);                  // returns the number of rows added
    void fetchAll();
    void first();
    void last();                                    // fetches every row
    void next();
    void prior();
    void moveTo(int row);                           // fetches as far as needed; clamps
    bool atEnd() const;                             // past the last row after next()

    // ---- values ----
    QVariant value(const QString& name) const;      // current row (with its pending edits)
    QVariant value(int row, int fieldIndex) const;  // any fetched row; lookup fields resolved
    QVariant oldValue(const QString& name) const;   // as last read or saved
    QString text(int row, int fieldIndex) const;    // display text (dates in the short format, NULL empty)
    bool isNull(const QString& name) const;
    // Setting a value enters edit state; text is cut to the field length and an empty text becomes NULL.
    // Refused, with nothing changed: text the connection cannot store, numbers that are not whole or
    // out of the field's range ("'%s' is not a valid integer value for field '%s'"), dates that are not dates.
    void setValue(const QString& name, const QVariant& value);
    void setValue(int fieldIndex, const QVariant& value);

    // The first row, counted from the first, whose field equals the value (every row is
    // fetched); -1 when there is none. Answered from an index kept until the rows change.
    int findRow(int fieldIndex, const QVariant& value);

    // ---- editing ----
    virtual bool canInsert() const { return false; }
    virtual bool canModify() const { return false; }
    virtual bool canDelete() const { return false; }
    void insert();           // new row before the current one; then OnNewRecord
    void append();           // new row at the end; then OnNewRecord
    void edit();
    void post();
    void cancel();
    void deleteRow();        // the current row
    void refresh();          // reads the current row again through the refresh statement
    void checkBrowseMode();  // post a modified row, drop an unmodified new one
    // The required fields of the row being edited, in field order: the first without a
    // value asks for the focus on its control and throws "Field '%s' must have a value".
    void checkRequired();

    // ---- bookmarks and search ----
    using Bookmark = int;
    Bookmark bookmark() const { return m_current; }
    bool bookmarkValid(Bookmark b);
    void gotoBookmark(Bookmark b);
    bool locate(const QString& fieldName, const QVariant& value);

    // ---- events ----
    Event OnNewRecord, BeforePost, AfterPost, AfterScroll;
    // After a row was deleted in the database and removed here.
    Event AfterDelete;
    // Every row as it is read (fetched, or read again by refresh), its values in
    // field order: a list may put what it shows in place of what is stored. The
    // row is not modified by it; an edit then saves what was shown.
    std::function<void(QList<QVariant>& values)> OnReadRow;

    // ---- TransactionUser ----
    void transactionEnded() override;
    void transactionDestroyed() override;

signals:
    void opened();
    void closed();
    void stateChanged();
    void currentChanged(int row);       // the current row moved
    void rowChanged(int row);           // values of one row changed
    void rowsInserted(int first, int last);
    void rowsRemoved(int first, int last);
    void layoutReset();                 // rows were replaced wholesale

    // Asks the controls to move the focus to the field's control (a required field was empty).
    void focusFieldRequested(const QString& fieldName);

protected:
    enum class Write { Insert, Modify, Delete, Refresh };
    // An empty statement means the operation is not offered. Setting one drops what was prepared.
    void setWriteSql(Write which, const QString& sql);
    const QString& writeSql(Write which) const;
    void setKeyFieldName(const QString& field);
    QString m_generatorField, m_generatorName;
    bool m_checkRows = false;
    QStringList m_versionFields;

private:
    void ensurePrepared();
    void buildFields();
    void resetStatements();
    void setCurrent(int row, bool scroll = true);
    void enterInsert(int position);
    void rowsChangedBy();
    QVariant paramFor(const QString& name) const;
    QVariant convertIn(const FieldDef& f, const QVariant& v) const;
    QVariant lookupValue(const FieldDef& f, int row) const;
    void setLookup(int fieldIndex, const QVariant& shown);
    void runFetch(int count);
    Statement& writeStatement(Write which);
    DbTransaction& requireTransaction() const;

    DbTransaction* m_transaction;
    TextEncoding m_encoding = TextEncoding::Latin1;
    QString m_selectSql;
    QString m_insertSql, m_modifySql, m_deleteSql, m_refreshSql;
    QString m_keyField;                 // key assigned by the database on insert, read back
    QList<FieldDef> m_fields;
    bool m_fieldsDeclared = false;
    QList<int> m_columnOf;              // for each field: its column in the select, or -1
    QHash<QString, QVariant> m_params;  // upper-case name
    std::unique_ptr<Statement> m_select, m_insert, m_modify, m_delete, m_refresh;
    RowStore m_rows;
    QList<QVariant> m_buffer;           // the current row's values while it is edited or new
    mutable QHash<int, QHash<QString, int>> m_index;   // findRow: per field, value -> first row
    int m_current = -1;
    bool m_eof = true;
    bool m_afterEnd = false;
    bool m_modified = false;
    State m_state = State::Inactive;
};

// Read-only data set: one select statement with parameters.
class QueryDataSet : public DataSet {
    Q_OBJECT
public:
    using DataSet::DataSet;
};

class EditableDataSet : public DataSet {
    Q_OBJECT
public:
    using DataSet::DataSet;
    void setInsertSql(const QString& sql) { setWriteSql(Write::Insert, sql); }
    void setModifySql(const QString& sql) { setWriteSql(Write::Modify, sql); }
    void setDeleteSql(const QString& sql) { setWriteSql(Write::Delete, sql); }
    void setRefreshSql(const QString& sql) { setWriteSql(Write::Refresh, sql); }
    // The key column the database assigns on insert: the insert reads it back (insert ... returning),
    // so the new row can be changed or deleted at once.
    void setKeyField(const QString& field) { setKeyFieldName(field); }
    // Before saving a new row whose key field is NULL, take the generator's next value.
    void setGenerator(const QString& keyField, const QString& generatorName)
    {
        m_generatorField = keyField;
        m_generatorName = generatorName;
    }
    // Saves that must find the row as it was read: the modify and delete statements
    // single it out by its key and what was read of it (the version fields, read as
    // RDB$RECORD_VERSION, as :OLD_ parameters), and each must change exactly one row.
    // None means another user changed or deleted the row since: the save throws
    // DbError::rowChangedSinceRead and the row keeps its input. After a save the
    // version fields hold this transaction's number, the row's version from now on.
    void setRowCheck(const QStringList& versionFields)
    {
        m_checkRows = true;
        m_versionFields = versionFields;
    }

    // For a user who may only read the book: no row is inserted, changed or
    // deleted, and the controls over the data set offer no editing.
    void setReadOnly(bool on) { m_readOnly = on; }

    bool canInsert() const override { return !m_readOnly && !writeSql(Write::Insert).isEmpty(); }
    bool canModify() const override { return !m_readOnly && !writeSql(Write::Modify).isEmpty(); }
    bool canDelete() const override { return !m_readOnly && !writeSql(Write::Delete).isEmpty(); }

private:
    bool m_readOnly = false;
};

} // namespace pellori
