#pragma once
// One detail list of a contact on its tab: a grid edited in place over the
// list's own data set and transaction, a navigator under it, the lookup list
// of its type or group names, and a context menu that opens that lookup
// list's editor. New rows are filled before the user sees them and checked
// before they are saved. Releasing the list commits its transaction.
#include "editors/detail/DetailListConfig.h"

#include <QWidget>
#include <functional>
#include <memory>

class QAction;

namespace pellori {

class DataGrid;
class DataSource;
class DbTransaction;
class EditableDataSet;
class QueryDataSet;
class Session;

class DetailList : public QWidget {
    Q_OBJECT
public:
    // ownerKey gives the editor's contact key at the moment a new row starts.
    DetailList(const DetailListConfig& config, Session& session, std::function<QVariant()> ownerKey,
               QWidget* parent = nullptr);
    ~DetailList() override;

    // The contact key as the select's parameter; the list and its lookup list open.
    void open(const QVariant& contactKey);

    EditableDataSet& dataSet() const { return *m_dataSet; }

    // A row being typed (the open cell's text included) has changes not yet saved.
    bool hasRowBeingEdited();
    // Saves that row now; an untouched new row is dropped. Throws when it is refused.
    void saveRowBeingEdited();
    // For a user who may only read the book, before the list opens: its rows
    // cannot be edited, and the lookup list's editor is not offered.
    void setReadOnly();

private:
    void fillNewRow();
    void checkRow();
    // The postcode as every reader shows it, in place of what was read.
    void showPostcode(QList<QVariant>& values) const;
    // The number from the postcode as written, before the row is saved.
    void takePostcode();
    void openLookupEditor();

    const DetailListConfig& m_config;
    bool m_writtenPostcode = false;   // the book has the written postcode's column
    Session& m_session;
    std::function<QVariant()> m_ownerKey;
    // The transaction is declared first, so that it goes last and commits.
    std::unique_ptr<DbTransaction> m_transaction;
    std::unique_ptr<QueryDataSet> m_lookup;
    std::unique_ptr<EditableDataSet> m_dataSet;
    DataSource* m_source = nullptr;
    DataGrid* m_grid = nullptr;
    QAction* m_newItem = nullptr;
};

} // namespace pellori
