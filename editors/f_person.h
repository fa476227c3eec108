#pragma once
// The person editor: one person's salutation, title, names, nickname, birthday,
// alive flag, additional text and employer, with the four detail lists below.
// Created, loaded with a contact key, shown modally and released by the main
// window's open-person operation; releasing it commits its transactions.
#include "editors/ContactEditor.h"

#include <functional>
#include <memory>

class QTabWidget;

namespace pellori {

class DbTransaction;
class QueryDataSet;
class SqlStatement;
enum class LookupList;

class Tf_persons : public ContactEditor {
    Q_OBJECT
public:
    Tf_persons(Session& session, QWidget* owner);
    ~Tf_persons() override;

    // The entry: the key into the person record and then into the four lists, in that order.
    // False, after saying so, when the person is no longer there.
    bool setContactKey(int key);

protected:
    void postRecord() override;
    DataSource& recordSource() const override { return *datasource_person; }

private:
    void FormCreate();
    void replaceCaptions();
    void buildControls();
    void dataset_personBeforePost();
    void openListEditor(LookupList which, QueryDataSet& list);
    void rereadToLastAfter(QueryDataSet& list, const std::function<void()>& open);
    void newCompany1Click();
    void NewSalutation1Click();
    void newTitle1Click();

    // Transactions first: they go last and commit what was saved.
    std::unique_ptr<DbTransaction> transaction_personthings;
    std::unique_ptr<EditableDataSet> dataset_person;
    std::unique_ptr<SqlStatement> sql_update_additional;
    std::unique_ptr<QueryDataSet> dataset_salutation, query_title, query_worksat, IBDataSet_yn;
    DataSource* datasource_person = nullptr;
    QTabWidget* pagecontrol_person = nullptr;
};

} // namespace pellori
