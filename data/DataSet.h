#pragma once
// Data sets: rows read by a select statement, with a current row, fetched from
// the cursor only as far as somebody looks. An EditableDataSet carries its own
// insert, modify, delete and refresh statements whose :name parameters take the
// row's current values and :OLD_name ones the values as last read or saved.
#include "data/Statement.h"
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace pellori {

class DbTransaction;

enum class FieldKind { Integer, BigInt, Date, Text, Memo, Float };

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

class DataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Event = std::function<void(DataSet&)>;

    DataSet(DbTransaction& transaction, QObject* parent = nullptr);
    ~DataSet() override;

    // ---- configuration (by the window, before opening) ----
    void setTransaction(DbTransaction& transaction);
    DbTransaction& transaction() const { return *m_transaction; }
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
    int rowCount() const { return int(m_rows.size()); }   // rows fetched so far
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
    QString text(int row, int fieldIndex) const;    // display text (dates ISO, NULL empty)
    bool isNull(const QString& name) const;
    // Setting a value enters edit state; text is cut to the field length and an empty text becomes NULL.
    // Integer/date fields accept text and raise "'%s' is not a valid integer value for field '%s'".
    void setValue(const QString& name, const QVariant& value);
    void setValue(int fieldIndex, const QVariant& value);

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

    // ---- bookmarks and search ----
    using Bookmark = int;
    Bookmark bookmark() const { return m_current; }
    bool bookmarkValid(Bookmark b);
    void gotoBookmark(Bookmark b);
    void freeBookmark(Bookmark) {}
    bool locate(const QString& fieldName, const QVariant& value);

    // ---- events ----
    Event OnNewRecord, BeforePost, AfterPost, AfterScroll;

    // Called by the transaction when it ends.
    void transactionEnded();
    void transactionDestroyed();

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
    // Write statements; empty means the operation is not offered.
    QString m_insertSql, m_modifySql, m_deleteSql, m_refreshSql;
    QString m_keyField;                 // key assigned by the database on insert, read back
    QString m_generatorField, m_generatorName;
    bool m_refreshAfterPost = false;

private:
    struct Row {
        QList<QVariant> values;
        bool isNew = false;
    };
    void ensurePrepared();
    void buildFields();
    void bindColumns();
    void setCurrent(int row, bool scroll = true);
    void enterInsert(int position);
    QVariant paramFor(const QString& name) const;
    QVariant fieldParam(const QString& name, bool old) const;
    QVariant convertIn(const FieldDef& f, const QVariant& v) const;
    QVariant lookupValue(const FieldDef& f, const QList<QVariant>& values) const;
    void setLookup(int fieldIndex, const QVariant& shown);
    void runFetch(int count);
    Statement& writeStatement(std::unique_ptr<Statement>& slot, const QString& sql);

    DbTransaction* m_transaction;
    QString m_selectSql;
    QList<FieldDef> m_fields;
    bool m_fieldsDeclared = false;
    QList<int> m_columnOf;              // for each field: its column in the select, or -1
    QHash<QString, QVariant> m_params;  // upper-case name
    std::unique_ptr<Statement> m_select, m_insert, m_modify, m_delete, m_refresh;
    std::vector<Row> m_rows;
    QList<QVariant> m_old;              // current row's values before the edit began
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
    void setInsertSql(const QString& sql) { m_insertSql = sql; }
    void setModifySql(const QString& sql) { m_modifySql = sql; }
    void setDeleteSql(const QString& sql) { m_deleteSql = sql; }
    void setRefreshSql(const QString& sql) { m_refreshSql = sql; }
    // The key column the database assigns on insert: the insert reads it back (insert ... returning),
    // so the new row can be changed or deleted at once.
    void setKeyField(const QString& field) { m_keyField = field; }
    // Before saving a new row whose key field is NULL, take the generator's next value.
    void setGenerator(const QString& keyField, const QString& generatorName)
    {
        m_generatorField = keyField;
        m_generatorName = generatorName;
    }
    // Read the row again after every save (columns with defaults or computed in the database).
    void setRefreshAfterPost(bool on) { m_refreshAfterPost = on; }

    bool canInsert() const override { return !m_insertSql.isEmpty(); }
    bool canModify() const override { return !m_modifySql.isEmpty(); }
    bool canDelete() const override { return !m_deleteSql.isEmpty(); }
};

} // namespace pellori
