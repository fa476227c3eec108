#pragma once
// The main window's contact list: the statement for what the user asked
// (everyone, a name, any detail, a group, or a text within a group; optional
// columns; sorted by a column), chosen so that the first screen comes at once
// in a book of a million contacts.
//
// A book with the search step (data/upgrades) answers from pellori_contact,
// whose index in German order yields the list without sorting it, and from
// pellori_word. A book without it (a server book the administrator has not
// upgraded yet) gets the original statements over p_view_company_and_person,
// and offers neither the search everywhere nor the optional columns: asked
// for them anyway, it gives the name search and leaves the columns out.
//
// Either way the statement yields O_ID, O_NAME and O_TYPE, the fields the list
// declares, and the rows and order the original statements give; the stored
// list breaks ties between equal names by O_ID, where the original leaves
// their order open.
#include <QList>
#include <QString>
#include <optional>

namespace pellori {

class DbTransaction;

namespace search {

enum class Scope {
    Name,        // the name search: a fragment of the display name, as the list has always searched
    Everywhere,  // the start of a word of any detail (see SearchText.h)
};

enum class Column {
    Name,     // O_NAME, always shown
    Town,     // O_TOWN: the town of the first address, current ones first
    Phone,    // O_PHONE: the first number ("prefix / number"), current ones first
    Email,    // O_EMAIL: the first internet entry with an "@", current ones first
    Company,  // O_COMPANY: the name of the company a person works at
};

// The field a column shows, and the one that says why a contact was found
// (Everywhere only): "Telefon 0351 / 4862910", "01067 Dresden"; empty for a name.
QString columnField(Column c);
// The column a field shows; none for the match and the hidden fields.
std::optional<Column> fieldColumn(const QString& field);
// The optional columns, in the order they are offered.
inline constexpr Column kOptionalColumns[] = {Column::Town, Column::Phone, Column::Email, Column::Company};
inline constexpr const char* kMatchField = "O_MATCH";

// The words put before a found detail that has no type name of its own.
struct MatchLabels {
    QString nickname = QStringLiteral("Nickname");
    QString company = QStringLiteral("Works at");
    QString group = QStringLiteral("Group");
    QString notes = QStringLiteral("Additional");
};

struct ListRequest {
    Scope scope = Scope::Name;
    QString text;                // as typed; empty: no condition
    std::optional<int> group;    // members of this group only
    QList<Column> columns;       // shown besides the name, in this order
    Column sortBy = Column::Name;
    bool descending = false;
    MatchLabels labels;
};

// Where one way of finding the rows gives way to another.
struct PlanLimits {
    // A word or group with at most this many rows drives the search.
    int drive = 5000;
    // A name fragment found at least `screen` times among the first `probe`
    // names in order is searched along the name index.
    int probe = 4000;
    int screen = 60;
};

// Plans the statements of one book. Asks the book once whether it has the
// stored list; each statement may count a few rows first (a word, a group, the
// first names) to choose how the engine finds them.
class ContactListQuery {
public:
    explicit ContactListQuery(DbTransaction& transaction, PlanLimits limits = {});

    // The stored list is there: the search everywhere, the optional columns and
    // sorting by them are offered.
    bool stored() const { return m_stored; }

    // How the rows are found, for the benches and tests.
    enum class Plan {
        Original,   // the original statement over the procedure
        NameOrder,  // the name index walked in order, each contact tested
        Driven,     // the few contacts of a rare word or small group, then sorted
        Scan,       // every contact tested, the matches sorted
        Nothing,    // the text holds nothing to look for
    };
    QString statement(const ListRequest& request);
    // The plan of the last statement.
    Plan plan() const { return m_plan; }

private:
    QString original(const ListRequest& r);
    int count(const QString& sql);
    DbTransaction& m_tr;
    PlanLimits m_limits;
    bool m_stored = false;
    Plan m_plan = Plan::Original;
};

} // namespace search
} // namespace pellori
