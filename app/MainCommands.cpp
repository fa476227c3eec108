// The main window's commands: its menu bar and the contact list's context
// menu, row by row in menu order. A new command is one row here, one handler
// in f_main and its catalogue key (settings/Language). A command that changes
// the book says so (.forReaders = false): a reader of a shared book cannot run it.
#include "app/f_main.h"

#include "cleanup/CleanupCommands.h"
#include "exchange/csv/CsvCommands.h"
#include "exchange/ldif/LdifCommands.h"
#include "lookups/LookupEditors.h"
#include "options/f_standardvalues.h"
#include "printing/PrintCommands.h"
#include "printing/birthdays/BirthdayCommands.h"
#include "printing/postal/PostalCommands.h"
#include "safety/BackupCommands.h"
#include "safety/TrashCommands.h"

namespace pellori {

std::vector<Command> Tf_mainForm::commandTable()
{
    const QKeySequence ctrl_C(Qt::CTRL | Qt::Key_C), ctrl_P(Qt::CTRL | Qt::Key_P), ctrl_D(Qt::CTRL | Qt::Key_D);
    const auto lookup = [this](LookupList list) { return [this, list] { openLookup(list); }; };
    std::vector<Command> rows{
        {.objectName = "System1", .text = "&System", .key = "system", .isMenu = true},
        {.objectName = "m_options", .text = "&Options", .key = "options", .in = "System1", .isMenu = true},
        {.objectName = "m_size", .text = "Save Windows &Size", .key = "savewindowsize", .in = "m_options",
         .run = [this] { m_sizeClick(); }},
        {.objectName = "m_position", .text = "Save Windows &Position", .key = "savewindowposition",
         .in = "m_options", .run = [this] { m_positionClick(); }},
        {.objectName = "m_size_position", .text = "&Save Window Size and Position", .key = "saveboth",
         .in = "m_options", .run = [this] { m_size_positionClick(); }},
        {.objectName = "m_standardvalues", .text = "Set Standard Values", .key = "menu", .in = "m_options",
         .separatorBefore = true, .run = [this] { openStandardValues(*this, this); }},
        {.objectName = "m_importvcard", .text = "&Import vCard...", .key = "vcard_importitem", .in = "System1",
         .separatorBefore = true, .run = [this](int& first) { m_importvcardClick(first); },
         .afterwards = Afterwards::RereadAndLocate, .forReaders = false},
        {.objectName = "m_importcsv", .key = "csv_importitem", .in = "System1",
         .run = [this](int& first) { importFromFile(importCsv, first); }, .afterwards = Afterwards::RereadAndLocate,
         .forReaders = false},
        {.objectName = "m_importldif", .key = "ldif_importitem", .in = "System1",
         .run = [this](int& first) { importFromFile(importLdif, first); }, .afterwards = Afterwards::RereadAndLocate,
         .forReaders = false},
        {.objectName = "m_exportvcard", .text = "E&xport vCard...", .key = "vcard_exportitem", .in = "System1",
         .run = [this] { m_exportvcardClick(); }},
        {.objectName = "m_exportcsv", .key = "csv_exportitem", .in = "System1",
         .run = [this] { exportCsv(*this, this, m_list.shownKeys(), m_list.currentKey()); }},
        {.objectName = "m_exportldif", .key = "ldif_exportitem", .in = "System1",
         .run = [this] { exportLdif(*this, this, m_list.shownKeys(), m_list.currentKey()); }},
        {.objectName = "m_exportbirthdays", .key = kExportBirthdaysKey, .in = "System1",
         .run = [this] { exportBirthdayCalendar(*this, this); }},
        // A reader sees the trash, without its buttons.
        {.objectName = "m_trash", .key = "trash_menuitem", .in = "System1", .separatorBefore = true,
         .run = [this](int& restored) { restored = openTrash(*this, this, m_undo.get()); },
         .afterwards = Afterwards::RereadAndLocate, .alsoAfterFailure = true},
        {.objectName = "m_backupnow", .key = "backup_nowitem", .in = "System1", .run = [this] { backUpNow(*this, this); }},
        {.objectName = "m_restorebackup", .key = "backup_restoreitem", .in = "System1",
         .run = [this] { m_restorebackupClick(); }, .afterwards = Afterwards::Reread, .alsoAfterFailure = true,
         .forReaders = false},
        // On the contact kept by the last merge; a merged-away contact is in the trash.
        {.objectName = "m_findduplicates", .key = "cleanup_finditem", .in = "System1", .separatorBefore = true,
         .run = [this](int& kept) { kept = cleanup::findDuplicates(*this, this); },
         .afterwards = Afterwards::RereadAndLocate, .alsoAfterFailure = true},
        {.objectName = "m_exit", .text = "&Exit", .key = "exit", .in = "System1", .separatorBefore = true,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_E), .run = [this] { close(); }},

        {.objectName = "m_add", .text = "&Add New", .key = "addnew", .isMenu = true, .forReaders = false},
        {.objectName = "m_company", .text = "&Company", .key = "company", .in = "m_add", .shortcut = ctrl_C,
         .run = [this](int& made) { AddNewCompany(made); }, .afterwards = Afterwards::RereadToLast,
         .alsoAfterFailure = true, .forReaders = false},
        {.objectName = "m_person", .text = "&Person", .key = "person", .in = "m_add", .shortcut = ctrl_P,
         .run = [this](int& made) { AddNewPerson(made); }, .afterwards = Afterwards::RereadToLast,
         .alsoAfterFailure = true, .forReaders = false},

        {.objectName = "m_show", .text = "Sho&w", .key = "show", .isMenu = true},
        // The list keeps showing what it read before the editor opened.
        {.objectName = "m_details", .text = "&Details", .key = "details", .in = "m_show", .shortcut = ctrl_D,
         .run = [this] { ShowDetails(); }},

        {.objectName = "m_print", .text = "&Print", .key = "print", .isMenu = true},
        {.objectName = "m_print_addressbook", .text = "&AddressBook", .key = "addressbook", .in = "m_print",
         .isMenu = true},
    };
    // The fourteen address books, from the one table that also prints them.
    const char* separator = nullptr;
    for (const AddressBook& book : addressBooks()) {
        rows.push_back({.objectName = book.objectName, .text = book.caption, .in = "m_print_addressbook",
                        .separatorBefore = separator != nullptr, .separatorName = separator,
                        .caption = [&book](const TLang& l) { return addressBookCaption(book, l); },
                        .run = [this, &book] { printAddressBook(book, *this, this); }});
        separator = book.separatorAfter;
    }
    rows.insert(rows.end(), {
        {.objectName = "menu_birthdaylist", .text = "&Birthdaylist", .key = "birthdaylist", .in = "m_print",
         .run = [this] { printBirthdayList(*this, this); }},
        {.objectName = "m_print_postal", .key = kPostalMenuKey, .in = "m_print", .isMenu = true},
    });
    // Labels, envelopes and the phone list, of the contacts the list shows.
    for (const PostalCommand& postal : postalCommands())
        rows.push_back({.objectName = postal.objectName, .key = postal.captionKey, .in = "m_print_postal",
                        .run = [this, run = postal.run] { run(*this, this, m_list.shownKeys()); }});
    rows.insert(rows.end(), {
        {.objectName = "m_upcomingbirthdays", .key = kUpcomingBirthdaysKey, .in = "m_print",
         .run = [this] { showUpcomingBirthdays(*this, this); }},

        {.objectName = "m_admin", .text = "Ad&ministration", .key = "administration", .isMenu = true,
         .forReaders = false},
        {.objectName = "m_address", .text = "&Adresstypes", .key = "addresstypes", .in = "m_admin",
         .run = lookup(LookupList::AddressTypes), .forReaders = false},
        {.objectName = "m_internet", .text = "Communication&Internet", .key = "communicationinternet",
         .in = "m_admin", .run = lookup(LookupList::InternetTypes), .forReaders = false},
        {.objectName = "m_communication", .text = "&Communicationtypes", .key = "communicationtypes",
         .in = "m_admin", .run = lookup(LookupList::CommunicationTypes), .forReaders = false},
        {.objectName = "m_groups", .text = "&Groups", .key = "groups", .in = "m_admin",
         .run = lookup(LookupList::Groups), .forReaders = false},
        {.objectName = "m_salutation", .text = "&Salutations", .key = "salutations", .in = "m_admin",
         .run = lookup(LookupList::Salutations), .forReaders = false},
        {.objectName = "m_title", .text = "&Titles", .key = "titles", .in = "m_admin",
         .run = lookup(LookupList::Titles), .forReaders = false},

        // Beside the menus; Ctrl+Z in the contact list. Brings back this session's deletes, newest first.
        {.objectName = "m_undodelete", .key = "trash_undoitem", .shortcut = QKeySequence(Qt::CTRL | Qt::Key_Z),
         .shortcutWidget = "RxDBGrid1", .run = [this](int& back) { back = m_undo->undo(this); },
         .afterwards = Afterwards::RereadAndLocate, .forReaders = false,
         .available = [this] { return m_undo->canUndo(); }},

        // Its title is the same in every language.
        {.objectName = "m_info", .text = "&?", .isMenu = true},
        // The item of the shared FAQ action, which other windows put into their own "?" menus.
        {.objectName = "m_faqonline", .text = "FAQ-Online", .key = "menufaq", .in = "m_info",
         .run = [this] { BrowseURL1->trigger(); }},
        {.objectName = "Help1", .text = "&Help", .key = "help", .in = "m_info", .separatorBefore = true,
         .run = [this] { Help1Click(); }},
        {.objectName = "Version1", .text = "&About ...", .key = "about", .in = "m_info", .separatorBefore = true,
         .run = [this] { Version1Click(); }},

        // The contact list's context menu.
        {.objectName = "miShowDetails", .text = "Show Details", .key = "details", .in = "PopupMenu1",
         .shortcut = ctrl_D, .run = [this] { ShowDetails(); }, .afterwards = Afterwards::RereadAndLocate},
        {.objectName = "m_add_new", .text = "&Add new", .key = "addnew", .in = "PopupMenu1", .isMenu = true,
         .separatorBefore = true, .forReaders = false},
        {.objectName = "m_add_new_company", .text = "&Company", .key = "company", .in = "m_add_new",
         .shortcut = ctrl_C, .run = [this](int& made) { AddNewCompany(made); },
         .afterwards = Afterwards::RereadToLast, .alsoAfterFailure = true, .forReaders = false},
        {.objectName = "m_add_new_person", .text = "&Person", .key = "person", .in = "m_add_new",
         .shortcut = ctrl_P, .run = [this](int& made) { AddNewPerson(made); },
         .afterwards = Afterwards::RereadToLast, .alsoAfterFailure = true, .forReaders = false},
        // Ctrl+Del in the list, the grids' delete key, deletes the contact as this item does.
        {.objectName = "popup_deleteitem", .text = "Delete item", .key = "deleteitem", .in = "PopupMenu1",
         .separatorBefore = true, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_Delete), .shortcutWidget = "RxDBGrid1",
         .run = [this] { popup_deleteitemClick(); }, .afterwards = Afterwards::RereadToLast, .forReaders = false},
    });
    return rows;
}

} // namespace pellori
