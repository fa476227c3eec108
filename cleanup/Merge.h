#pragma once
// Merging contacts that are one into the one the user keeps: per field the
// value the user chose (the fuller one preselected), every detail and group
// membership of the others moved over (an exact repeat kept once), the
// persons who work at a merged company moved to the kept one, the others
// copied into the trash and deleted. planMerge() is pure; storeMerge() runs
// the plan in the caller's transaction, which commits or rolls back the whole.
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>
#include <optional>

namespace pellori {
class ContactArchive;
class DbTransaction;
}

namespace pellori::cleanup {

enum class DetailTable { Number, Internet, Address, Group };

// One row of a contact's details, as the merge window shows it.
struct MergeDetail {
    DetailTable table = DetailTable::Number;
    int row = 0;         // C_ID, I_ID, A_ID; the group's key for a membership
    int type = 0;        // C_CTID, I_ITID, A_ATID; the group's key for a membership
    QString typeName;
    QString text;        // "0351 4862910", "anna@example.org", "Hauptstr. 1, 01069 Dresden", "Friends"
    QString same;        // what a repeat is known by: digits, the address without case, folded words
};

// What repeats of a detail are known by: a number's digits, an internet
// address without case, an address's folded street and town with its postcode.
QString numberSame(const QString& prefix, const QString& number);
QString internetSame(const QString& address);
QString addressSame(const QString& street, qint64 postcode, const QString& town);

// The fields a merge chooses among, in the window's order.
enum class MergeField { Salutation, Title, Name1, Name2, Nickname, Birthday, Alive, Employer, Additional };
QList<MergeField> mergeFields(char kind);

struct MergeContact {
    int key = 0;
    char kind = 'P';
    QString name;        // as the contact list shows it
    QString name1, name2, additional, nickname;
    int salutation = 0, title = 0, employer = 0;
    QString salutationName, titleName, employerName;
    QDate birthday;
    QString alive = QStringLiteral("@");
    QList<MergeDetail> details;
    QStringList employees;   // the persons who work at a company, by name
    QDateTime changed;       // the last change, where the book keeps it
};

struct ShownValue {
    QVariant value;      // as the column takes it (null for none)
    QString text;        // as the window shows it; empty for none
    int fullness = 0;    // more is fuller: the length of a text's folded words, 1 for a value over none
};
// `firstSalutation`: the salutation every new person gets, which tells nothing.
ShownValue fieldValue(const MergeContact& contact, MergeField field, int firstSalutation);

// The contact whose value of the field is fullest; among equals the preferred one, else the first.
int fullestOf(const QList<MergeContact>& contacts, MergeField field, int firstSalutation, int preferred);
// The contact to keep, preselected: the one with the most values and details; among equals the lowest key.
int fullestContact(const QList<MergeContact>& contacts, int firstSalutation);

struct MergeChoice {
    int kept = 0;
    QList<int> merged;                  // merged into the kept one, then deleted
    QHash<MergeField, int> from;        // whose value each field keeps; missing: the kept one's
};

// A type of numbers or internet entries, in the list's sort order, with its class
// ("voice", "cell", "fax", "email", "web" ...; empty when unknown).
struct TypeEntry {
    int id = 0;
    QString name;
    QString kindClass;
};
struct MergeTypes {
    QList<TypeEntry> numbers, internet;
};
// The next type of the same class after `type` in the list's order that the contact does not use.
std::optional<int> freeType(const QList<TypeEntry>& list, int type, const QSet<int>& used);

enum class Refusal { None, TooFew, CompanyIntoPerson, PersonIntoCompany, NoFreeType };

struct DetailMove {
    DetailTable table;
    int row = 0;
    int type = 0;        // the type it gets (its own, or the next free one of its class)
    int from = 0;        // the contact it comes from
};

struct MergePlan {
    Refusal refusal = Refusal::None;
    QString refusedDetail;   // NoFreeType: the entry that finds no type, and whose it is
    int kept = 0;
    QList<int> merged;
    QHash<MergeField, QVariant> values;   // every field of the kept contact's kind
    QList<DetailMove> moves;              // rows moved to the kept contact (memberships: added)
    QList<MergeDetail> repeats;           // rows dropped, as the kept contact has them already
};

MergePlan planMerge(const QList<MergeContact>& contacts, const MergeChoice& choice, const MergeTypes& types,
                    int firstSalutation);

// The contacts as the merge window shows them, with their details and employees.
QList<MergeContact> readMergeContacts(DbTransaction& tr, const QList<int>& keys);
MergeTypes readMergeTypes(DbTransaction& tr);
int firstSalutation(DbTransaction& tr);

// Runs the plan (which must not be refused). Locks the contacts' rows first: a
// contact another user is changing just now fails at once with the database's
// lock conflict and nothing written. Each merged contact goes whole into the
// archive before a row of it moves. Nothing is committed here.
void storeMerge(DbTransaction& tr, const MergePlan& plan, ContactArchive& archive);

} // namespace pellori::cleanup
