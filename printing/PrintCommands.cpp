#include "printing/PrintCommands.h"

#include "data/ContactQueries.h"
#include "printing/ReportTexts.h"
#include "printing/f_birth.h"
#include "printing/f_print_address_book.h"
#include "services/Session.h"
#include "settings/Language.h"
#include "settings/Settings.h"

#include <QDate>
#include <memory>

namespace pellori {

namespace {

using K = AddressBookKind;

// Letters in Latin-1: \xC4 is A umlaut, \xD6 O umlaut, \xDC U umlaut.
constexpr AddressBook kBooks[] = {
    {"A1", K::Doctors, "Addressbook (Doctors)", "", "", "N5"},
    {"AddressbookAZ1", K::All, "Addressbook (A-Z)", " (A-Z)", "", "N6"},
    {"AddressbookA1", K::Letters, "Addressbook (A.., B...)", " (A..., B...)", "A\xC4" "B"},
    {"AddressbookB1", K::Letters, "Addressbook (C..., D...)", " (C..., D...)", "CD"},
    {"AddressbookC1", K::Letters, "Addressbook (E...,F...)", " (E..., F...)", "EF"},
    {"AddressbookD1", K::Letters, "Addressbook (G..., H...)", " (G..., H...)", "GH"},
    {"AddressbookE1", K::Letters, "Addressbook (I..., J..., K...)", " (I..., J..., K...)", "IJK"},
    {"AddressbookF1", K::Letters, "Addressbook (L..., M...)", " (L..., M...)", "LM"},
    {"AddresbookG1", K::Letters, "Addressbook (N..., O...)", " (N..., O...)", "NO\xD6"},
    {"AddressbookH1", K::Letters, "Addressbook (P..., Q...)", " (P..., Q...)", "PQ"},
    {"AddressbookI1", K::Letters, "Addressbook (R..., S...)", " (R..., S...)", "RS"},
    {"AddressbookJ1", K::Letters, "Addressbook (T..., U...)", " (T..., U...)", "TU\xDC"},
    {"AddressbookK1", K::Letters, "Addressbook (V..., W...)", " (V..., W...)", "VW"},
    {"AddressbookL1", K::Letters, "Addressbook (X..., Y..., Z...)", " (X..., Y..., Z...)", "XYZ"},
};

// Creates the window (with the further arguments), sets its title, previews
// it; the window goes when the preview closes or a step fails.
template <typename Window, typename... Args>
void runReport(const QString& title, Session& session, QWidget* owner, const Args&... args)
{
    auto window = std::make_unique<Window>(session, owner, args...);
    window->setTitle(title);
    window->preview();
}

} // namespace

std::span<const AddressBook> addressBooks() { return kBooks; }

QString addressBookCaption(const AddressBook& book, const TLang& lang)
{
    if (!lang.Loaded)
        return QLatin1String(book.caption);
    const QString word = lang.value(QStringLiteral("addressbook"));
    if (book.kind == K::Doctors)
        return word + QStringLiteral(" (") + lang.value(QStringLiteral("doctors")) + QLatin1Char(')');
    return word + QLatin1String(book.catalogueSuffix);
}

void printAddressBook(const AddressBook& book, Session& session, QWidget* owner)
{
    switch (book.kind) {
    case K::Doctors: printDoctors(session, owner); break;
    case K::All: printAllContacts(session, owner); break;
    case K::Letters: PrintAddressBookForLetters(QString::fromLatin1(book.letters), session, owner); break;
    }
}

void printAllContacts(Session& session, QWidget* owner)
{
    runReport<Tf_print_ad_book>(reports::addressBookTitle(session.lang()), session, owner);
}

void PrintAddressBookForLetters(const QString& letters, Session& session, QWidget* owner)
{
    runReport<Tf_print_ad_book>(reports::letterRangeTitle(session.lang(), letters), session, owner,
                                queries::addressBookLetters(letters));
}

void printDoctors(Session& session, QWidget* owner)
{
    // Checked before anything opens: only a number may enter the statement.
    const int group = StrToInt(session.standardValues().doctors);
    runReport<Tf_print_ad_book>(reports::doctorsTitle(session.lang()), session, owner, queries::addressBookGroup(group));
}

void printBirthdayList(Session& session, QWidget* owner)
{
    runReport<Tf_birthday>(reports::birthdayListTitle(session.lang(), QDate::currentDate()), session, owner);
}

} // namespace pellori
