#pragma once
// The main window's contact list and group list, apart from the controls that
// show them: the list's statement in force (the start-up's, or that of the
// last search, which every later re-read runs again), the optional columns it
// shows, and where the list stands after a command.
#include "data/DataSet.h"
#include "search/ContactListQuery.h"
#include "services/Commands.h"

#include <memory>

namespace pellori {

class TLang;

class ContactList {
public:
    explicit ContactList(DbTransaction& main);
    ~ContactList();

    EditableDataSet& contacts() { return *dbdataset_object; }
    QueryDataSet& groups() { return *ibquery_listgroups; }

    // Reads every group; the first read attaches to the database and starts the main transaction.
    void readGroups();
    // Replaces the statement in force and opens the list on its first row.
    void search(const QString& statement);
    // Searches as the request asks (search/ContactListQuery) and shows the
    // optional columns it names, and in the search everywhere why each contact
    // was found, where the book offers them.
    void show(const search::ListRequest& request);
    // What the list shows now, as last asked through show().
    const search::ListRequest& request() const { return m_request; }
    // Whether the book offers the search everywhere, the columns and sorting by them.
    bool offersSearchTools();
    // The titles of the optional columns and the words before a found detail, from the catalogue.
    void setTexts(const TLang& lang);

    // Where the list stood before a command.
    struct Place {
        DataSet::Bookmark row = -1;
        QVariant contact;
    };
    Place place() const;
    // Reads the list again as `afterwards` says; `named` is the contact the
    // command made or names (0: none). False when the contact it made is not
    // among the rows of the statement in force.
    bool reread(Afterwards afterwards, int named, const Place& before);

    // The keys of the contacts the list shows, every row fetched, and of the current one (0: none).
    QList<int> shownKeys();
    int currentKey() const;

private:
    DbTransaction& m_main;
    search::ListRequest m_request;
    std::unique_ptr<EditableDataSet> dbdataset_object;
    std::unique_ptr<QueryDataSet> ibquery_listgroups;
};

} // namespace pellori
