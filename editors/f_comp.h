#pragma once
// The company editor: a company's two name lines and additional text, its four
// detail lists, and the persons who work there, from which a person opens in
// the person editor. Created, loaded, shown and released by the main window's
// open-company operation; releasing it commits its transactions.
#include "editors/ContactEditor.h"

#include <memory>

class QTabWidget;

namespace pellori {

class DbTransaction;
class QueryDataSet;

class Tf_company : public ContactEditor {
    Q_OBJECT
public:
    Tf_company(Session& session, QWidget* owner);
    ~Tf_company() override;

    // The entry: the key into the company record, the four lists and the persons list, in that order.
    // False, after saying so, when the company is no longer there.
    bool setContactKey(int key);

    QueryDataSet& persons() const { return *IBQuery_persons; }

protected:
    void postRecord() override;
    DataSource& recordSource() const override { return *datasource_object; }

private:
    void FormCreate();
    void replaceCaptions();
    void buildControls();
    void dataset_objectBeforePost();
    void miShowDetailsClick();

    std::unique_ptr<DbTransaction> transaction_companydetails, IBTransaction_persons;
    std::unique_ptr<EditableDataSet> dataset_object;
    std::unique_ptr<QueryDataSet> IBQuery_persons;
    DataSource* datasource_object = nullptr;
    DataSource* datasource_persons = nullptr;
    QTabWidget* pagecontrol_company = nullptr;
};

} // namespace pellori
