#pragma once
// The statements that choose which contacts a list or a printed book shows:
// the contact list as first opened, its two searches, and (beside them) the
// address books and the birthday list. Kept out of the windows so that each
// can be read and tested on its own.
#include <QList>
#include <QString>

namespace pellori::queries {

// Lines of a statement are joined with "\n".
QString initialContacts();
// The name search: the Latin-1 letters upper-cased, the text quoted as an SQL
// literal. Both searches order as the first list does, in German order.
QString textSearch(const QString& searchText);
// The group search; the value is a key taken from the group list.
QString groupSearch(const QString& groupValue);
// The group list those keys come from, in German order.
QString groupSearchChoices();

// The printed address books: every living contact (the default), those whose
// name begins with one of two or three letters (upper-cased names; letters as
// Latin-1 characters), and the living members of one group.
QString addressBookAll();
QString addressBookLetters(const QString& letters);
QString addressBookGroup(int groupId);
// Each book's details for one contact: own rows and those of the company
// named by :o_cid, current ones first; the company's names; its employees.
QString addressBookCommunication();
QString addressBookInternet();
QString addressBookAddress(bool writtenPostcode);   // the book has A_POSTCODE_TEXT
QString addressBookCompany();
QString addressBookEmployees();

// The birthday list: the months in which birthdays fall, the persons of one month.
QString birthdayMonths();
QString birthdayPersons();

// The living members of one group, by name in the German collation (keys only).
QString livingGroupMembers(int groupId);
// Labels and envelopes: one living contact (:o_id) with the address it is
// written to: its current address, else its first; for a person without one,
// the current (else first) address of the company it works at, whose names
// then come as E_NAME1 and E_NAME2. No row for a contact that is not living.
QString postalContact(bool writtenPostcode);
// The phone list: one living contact's type and names (:o_id), and its current
// numbers in the order of their types.
QString livingContact();
QString currentNumbers();
// The groups to choose from, by name.
QString groupChoices();

// Birthdays of living persons as the birthday list's row source gives them:
// all, or those falling in the months :m1 and :m2.
QString livingBirthdays();
QString livingBirthdaysInMonths();

// The statements that delete a contact with all its rows, in their order; each
// takes the contact's key as :o_id.
struct DeleteStatement {
    const char* name;
    const char* sql;
};
QList<DeleteStatement> contactDeleteStatements();

// Every Latin-1 small letter that has a Latin-1 capital becomes that capital,
// as the database's upper() does on a Latin-1 column; all else stays as typed.
QString upperLatin1Letters(QString text);
// Encloses in single quotes and doubles every single quote inside.
QString sqlLiteral(QString text);

} // namespace pellori::queries
