#pragma once
// Which contacts labels, envelopes and the phone list go to: those the
// contact list shows (in its order), those of a letter range or all living
// ones, or the living members of one group (by name, in the German collation).
// The source walks them one at a time as a report's master: each row gives
// the contact's key as O_ID, and the report reads the rest by that key.
#include "printing/engine/ReportQuery.h"

#include <QList>
#include <QString>
#include <memory>

namespace pellori {
class DbTransaction;
class QueryDataSet;
} // namespace pellori

namespace pellori::postal {

enum class ContactScope { Shown, Letters, Group };

struct ContactChoice {
    ContactScope scope = ContactScope::Shown;
    QList<int> shownIds;     // the contact list's keys as it shows them
    QString letters;         // the initials of a letter range; empty: every living contact
    int groupId = 0;
};

class ContactSource {
public:
    // Opens the statement of a letter range or group at once; its errors leave the constructor.
    ContactSource(DbTransaction& transaction, const ContactChoice& choice);
    ~ContactSource();

    report::ReportQuery& query() { return *m_query; }
    // The current contact's key; 0 without a current row.
    int currentKey() const;

private:
    std::unique_ptr<QueryDataSet> m_statement;
    std::unique_ptr<report::ReportQuery> m_query;
};

} // namespace pellori::postal
