#pragma once
// A table model over one data set: a column for every visible field, in field
// order; rows as far as the data set has fetched them, more on the view's request.
// Writing a cell makes that row current and sets the field, so the data set's own
// rules (conversion, posting when the row is left) stay in one place.
#include "widgets/DataSource.h"
#include <QAbstractTableModel>
#include <QPointer>

namespace pellori {

class DataSet;
struct FieldDef;

class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        LookupKeyRole = Qt::UserRole + 1,   // a lookup column's key value (read and write)
        FieldNameRole,                      // the field behind a column
    };

    explicit DataSetModel(DataSource* source, QObject* parent = nullptr);

    DataSource* dataSource() const { return m_source; }
    DataSet* dataSet() const;

    // Rows are fetched in batches of this size as the view scrolls.
    void setFetchBatch(int rows) { m_batch = rows; }

    // All user edits are refused (the view may still delete).
    void setReadOnly(bool on) { m_readOnly = on; }
    bool isReadOnly() const { return m_readOnly; }

    // True between the begin and end of a change of rows: the data set has already
    // changed while views still count the old rows, so nobody should navigate then.
    bool isChangingRows() const { return m_changing; }

    int fieldIndex(int column) const;       // -1 when out of range
    int columnOf(const QString& fieldName) const;
    const FieldDef* fieldAt(int column) const;
    // Field titles, widths or visibility changed after the model was built.
    void fieldsChanged();
    // Makes `row` the data set's current row (posting the row left). An untouched
    // new row that is left is dropped, so rows below it are counted one higher. Throws.
    void moveDataSetTo(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // The row indicator texts of the vertical header.
    static QString browseMark() { return QStringLiteral("\u25B6"); }   // ▶
    static QString editMark() { return QStringLiteral("\u270E"); }     // ✎
    static QString insertMark() { return QStringLiteral("*"); }

private:
    void rebuild();
    void onRowsInserted(int first, int last);
    void onRowsRemoved(int first, int last);
    void syncRowCount();
    void onCurrentChanged(int row);
    void onStateChanged();
    void refreshIndicator(int row);

    QPointer<DataSource> m_source;
    QList<int> m_columns;   // field index of each column
    int m_rows = 0;         // rows the views know of
    int m_current = -1;     // the row whose indicator is shown
    int m_batch = 50;
    bool m_readOnly = false;
    bool m_changing = false;
};

} // namespace pellori
