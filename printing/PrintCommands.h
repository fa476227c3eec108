#pragma once
// The print commands of the main window's Print menu, and the one table of
// the fourteen address books from which that menu is built. Each command
// creates its report window owned by `owner`, sets the title, shows the modal
// preview and destroys the window, also when a step fails; errors leave the
// command for the caller's command guard to report.
#include <QString>
#include <span>

class QWidget;

namespace pellori {

class Session;
class TLang;

enum class AddressBookKind { Doctors, All, Letters };

struct AddressBook {
    const char* objectName;          // the menu item's name
    AddressBookKind kind;
    const char* caption;             // built-in menu caption
    const char* catalogueSuffix;     // after the catalogue's "addressbook" (doctors: composed)
    const char* letters = "";        // Latin-1 initials of a letter range
    const char* separatorAfter = nullptr;   // the name of a separator that follows the item
};

// The address-book submenu in menu order.
std::span<const AddressBook> addressBooks();
// The menu caption: built in, or composed from the catalogue when it is loaded.
QString addressBookCaption(const AddressBook& book, const TLang& lang);

// Prints one book of the table.
void printAddressBook(const AddressBook& book, Session& session, QWidget* owner);
// Every living contact.
void printAllContacts(Session& session, QWidget* owner);
// Living contacts whose name begins with one of the two or three letters.
void PrintAddressBookForLetters(const QString& letters, Session& session, QWidget* owner);
// Living members of the doctors group. A doctors value that is not a whole
// number is refused ("'x' is not a valid integer value") before any report opens.
void printDoctors(Session& session, QWidget* owner);
void printBirthdayList(Session& session, QWidget* owner);

} // namespace pellori
