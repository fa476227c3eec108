#include "settings/Language.h"

#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QFileInfo>

namespace pellori {

namespace {

// Field names in validation messages stand between the Latin-1 guillemets.
#define PELLORI_FIELD(name) "\xAB" name "\xBB"

const QList<LangKey> kKeys = {
    // Main window
    {"f_Main", "system", "&System"},
    {"f_Main", "options", "&Options"},
    {"f_Main", "savewindowsize", "Save Windows &Size"},
    {"f_Main", "savewindowposition", "Save Windows &Position"},
    {"f_Main", "saveboth", "&Save Window Size and Position"},
    {"f_Main", "exit", "&Exit"},
    {"f_Main", "addnew", "&Add New"},
    {"f_Main", "company", "&Company"},
    {"f_Main", "person", "&Person"},
    {"f_Main", "show", "Sho&w"},
    {"f_Main", "details", "&Details"},
    {"f_Main", "print", "&Print"},
    {"f_Main", "addressbook", "&AddressBook"},
    {"f_Main", "doctors", "Doctors"},
    {"f_Main", "administration", "Ad&ministration"},
    {"f_Main", "communicationinternet", "Communication&Internet"},
    {"f_Main", "groups", "&Groups"},
    {"f_Main", "salutations", "&Salutations"},
    {"f_Main", "titles", "&Titles"},
    {"f_Main", "about", "&About ..."},
    {"f_Main", "all", "All"},
    {"f_Main", "fulltextsearch", "FullTextSearch:"},
    {"f_Main", "search", "Search"},
    {"f_Main", "deleteitem", "Delete item"},
    {"f_Main", "questdeleteentry",
     "The selected item you want to delete contains %RETURN%subinformation stored in different other "
     "tables.%RETURN%%RETURN%Are you really sure, you want to delete %RETURN%this entry with all the subentries?"},
    {"f_Main", "error_person_exist", "There exists at least one person which works at this firm you want to delete."},
    {"f_Main", "databaseerror", "Database Error:"},
    {"f_Main", "initializationerror",
     "Initialization Error:%RETURN%%RETURN%Either username or password of the database is wrong.%RETURN%%RETURN%"
     "Please specify the correct username and password in PELLORI.INI."},
    {"f_Main", "inifileversion",
     "Your ini-File has version %HASVERSION% and not the needed version %NEEDEDVERSION%.%RETURN%%RETURN%"
     "The application will be closed."},
    {"f_Main", "menufaq", "FAQ-Online"},

    // Shared by several windows
    {"common", "birthdaylist", "&Birthdaylist"},
    {"common", "addresstypes", "&Adresstypes"},
    {"common", "communicationtypes", "&Communicationtypes"},
    {"common", "help", "&Help"},
    {"common", "additional", "Additional"},
    {"common", "btnok", "OK"},
    {"common", "btncancel", "Cancel"},
    {"common", "fillincompanyname1", "You must fill out " PELLORI_FIELD("Company name 1") "."},
    {"common", "persons", "Persons"},
    {"common", "btnsaveandclose", "Save && Close"},
    {"common", "btncancelandclose", "Cancel && Close"},
    {"common", "communication", "Communication"},
    {"common", "prefix", "Prefix"},
    {"common", "number", "Number"},
    {"common", "assistent", "Assistent"},
    {"common", "current", "Current"},
    {"common", "type", "Type"},
    {"common", "internet", "Internet"},
    {"common", "name", "Name"},
    {"common", "belongs2group", "Belongs to Group"},
    {"common", "address", "Address"},
    {"common", "postcode", "Postcode"},
    {"common", "town", "Town"},
    {"common", "street", "Street"},
    {"common", "country", "Country"},
    {"common", "fillinprefix", "You must fill out " PELLORI_FIELD("Prefix") "."},
    {"common", "fillinnumber", "You must fill out " PELLORI_FIELD("Number") "."},
    {"common", "fillincurrent", "You have to choose a correct value for " PELLORI_FIELD("current") "."},
    {"common", "fillinname", "You must fill out " PELLORI_FIELD("Name") "."},
    {"common", "fillinpostcode", "You must fill out " PELLORI_FIELD("Postcode") "."},
    {"common", "fillintown", "You must fill out " PELLORI_FIELD("Town") "."},
    {"common", "fillinstreet", "You must fill out " PELLORI_FIELD("Street") "."},
    {"common", "close", "Close"},
    {"common", "SortID", "SortID"},

    // New-company dialog
    {"f_add_company", "addnewcompany", "Add new Company"},
    {"f_add_company", "companyname1", "Name 1"},
    {"f_add_company", "companyname2", "Name 2"},

    // New-person dialog
    {"f_add_person", "addnewperson", "Add new Person"},
    {"f_add_person", "familyname", "Family name"},
    {"f_add_person", "firstname", "First name"},
    {"f_add_person", "fillinfamilyname", "You must fill out " PELLORI_FIELD("Family name") "."},
    {"f_add_person", "fillinfirstname", "You must fill out " PELLORI_FIELD("First name") "."},

    // Company editor
    {"f_compy", "companies", "Company"},

    // Person editor
    {"f_person", "salutation", "Salutation"},
    {"f_person", "title", "Title"},
    {"f_person", "nickname", "Nickname"},
    {"f_person", "birthday", "Birthday"},
    {"f_person", "alive", "Alive"},
    {"f_person", "worksat", "Works at"},

    // Birthday list
    {"f_birth", "month01", "January"},
    {"f_birth", "month02", "February"},
    {"f_birth", "month03", "March"},
    {"f_birth", "month04", "April"},
    {"f_birth", "month05", "May"},
    {"f_birth", "month06", "June"},
    {"f_birth", "month07", "July"},
    {"f_birth", "month08", "August"},
    {"f_birth", "month09", "September"},
    {"f_birth", "month10", "October"},
    {"f_birth", "month11", "November"},
    {"f_birth", "month12", "December"},

    // Standard values dialog
    {"f_standardvalues", "menu", "Set Standard Values"},
    {"f_standardvalues", "standardaddresstypefor", "Standard addresstype for"},
    {"f_standardvalues", "standardcommunicationtypefor", "standard communicationtype for"},
    {"f_standardvalues", "standardinternettypefor", "Standard internettype for"},
    {"f_standardvalues", "grouprepresentingdoctors", "Group representing DOCTORS"},
    {"f_standardvalues", "passwordtoencode", "Password to encode(d)"},
    {"f_standardvalues", "encode", "Encode"},

    // vCard import and export: the menu items and the commands' messages,
    // then the texts of the import's summary (their templates also serve as
    // the built-in texts of exchange/, which must agree with these).
    {"vcard", "vcard_importitem", "&Import vCard..."},
    {"vcard", "vcard_exportitem", "E&xport vCard..."},
    {"vcard", "vcard_importcaption", "Import vCard"},
    {"vcard", "vcard_exportcaption", "Export vCard"},
    {"vcard", "vcard_filefilter", "vCard files (*.vcf *.vcard);;All files (*)"},
    {"vcard", "vcard_cannotread", "The file \"%FILE%\" cannot be read: %ERROR%"},
    {"vcard", "vcard_notimported",
     "The file \"%FILE%\" cannot be imported:%RETURN%%ERROR%%RETURN%%RETURN%Nothing was imported."},
    {"vcard", "vcard_postcodequestion",
     "%COUNT% addresses have a postcode that is not a whole number.%RETURN%%RETURN%"
     "Store them with the postcode in front of the town?%RETURN%Choose No to leave these addresses out."},
    {"vcard", "vcard_postcodequestion_one",
     "1 address has a postcode that is not a whole number.%RETURN%%RETURN%"
     "Store it with the postcode in front of the town?%RETURN%Choose No to leave this address out."},
    {"vcard", "vcard_progress", "Importing %COUNT% contacts..."},
    {"vcard", "vcard_cancelled", "The import was cancelled: nothing was stored."},
    {"vcard", "vcard_failed", "The import failed and was undone: nothing was stored.%RETURN%%RETURN%%ERROR%"},
    {"vcard", "vcard_summarycaption", "vCard import"},
    {"vcard", "vcard_scopequestion", "Which contacts do you want to export?"},
    {"vcard", "vcard_scopeshown", "The contacts the list shows (%COUNT%)"},
    {"vcard", "vcard_scopecurrent", "The current contact: %NAME%"},
    {"vcard", "vcard_scopeall", "All contacts (%COUNT%)"},
    {"vcard", "vcard_nothingtoexport", "There is no contact to export."},
    {"vcard", "vcard_exported", "Contacts exported: %COUNT%, to \"%FILE%\"."},
    {"vcard", "vcard_exportfailed",
     "The file \"%FILE%\" could not be written: %ERROR%%RETURN%%RETURN%Nothing was exported."},
    {"vcard", "vcard_diskfull", "No space left on the device."},
    {"vcard", "vcard_nocard", "The file holds no vCard."},
    {"vcard", "vcard_beginexpected", "Line %LINE%: \"BEGIN:VCARD\" expected, found \"%TEXT%\"."},
    {"vcard", "vcard_nestedbegin",
     "Line %LINE%: \"BEGIN:VCARD\" inside the card begun on line %OTHER%, which has no \"END:VCARD\"."},
    {"vcard", "vcard_noend", "Line %LINE%: the card begun here has no \"END:VCARD\"."},
    {"vcard", "vcard_field_familyname", "Family name"},
    {"vcard", "vcard_field_firstname", "First name"},
    {"vcard", "vcard_field_companyname1", "Company name 1"},
    {"vcard", "vcard_field_companyname2", "Company name 2"},
    {"vcard", "vcard_field_nickname", "Nickname"},
    {"vcard", "vcard_field_title", "Title"},
    {"vcard", "vcard_field_birthday", "Birthday"},
    {"vcard", "vcard_field_employer", "Works at"},
    {"vcard", "vcard_field_group", "Group"},
    {"vcard", "vcard_field_prefix", "Prefix"},
    {"vcard", "vcard_field_number", "Number"},
    {"vcard", "vcard_field_assistent", "Assistent"},
    {"vcard", "vcard_field_internet", "Internet"},
    {"vcard", "vcard_field_street", "Street"},
    {"vcard", "vcard_field_town", "Town"},
    {"vcard", "vcard_field_postcode", "Postcode"},
    {"vcard", "vcard_field_country", "Country"},
    {"vcard", "vcard_field_region", "Region"},
    {"vcard", "vcard_field_pobox", "Post office box"},
    {"vcard", "vcard_field_namesuffix", "Name suffix"},
    {"vcard", "vcard_field_jobtitle", "Job title"},
    {"vcard", "vcard_field_organization", "Organization"},
    {"vcard", "vcard_field_additional", "Additional"},
    {"vcard", "vcard_field_name", "Name"},
    {"vcard", "vcard_field_address", "Address"},
    {"vcard", "vcard_field_fullname", "Full name"},
    {"vcard", "vcard_postcodeintown",
     "Postcode \"%VALUE%\" is not a whole number: stored in front of the town, as \"%STORED%\"."},
    {"vcard", "vcard_postcodeskipped",
     "Postcode \"%VALUE%\" is not a whole number: the address \"%STORED%\" was not stored."},
    {"vcard", "vcard_postcodemissing", "Address \"%VALUE%\" has no postcode: stored with postcode 0."},
    {"vcard", "vcard_replaced",
     "%FIELD% \"%VALUE%\": characters outside ISO-8859-1 (%DETAIL%), stored as \"%STORED%\"."},
    {"vcard", "vcard_cut", "%FIELD% \"%VALUE%\" is longer than %LENGTH% characters: cut to \"%STORED%\"."},
    {"vcard", "vcard_typetaken",
     "%FIELD% \"%VALUE%\": the contact already has one of type \"%DETAIL%\", stored as type \"%STORED%\"."},
    {"vcard", "vcard_nofreetype",
     "%FIELD% \"%VALUE%\": the contact already has one of type \"%DETAIL%\" and of every other type of its kind, "
     "not stored."},
    {"vcard", "vcard_notype", "%FIELD% \"%VALUE%\": the database has no type for it, not stored."},
    {"vcard", "vcard_nocolumn", "%FIELD% \"%VALUE%\" has no place in Pellori, not stored."},
    {"vcard", "vcard_propertiesnotstored", "Not stored: %VALUE%."},
    {"vcard", "vcard_noname", "The card has no name: not imported."},
    {"vcard", "vcard_birthdaywithoutyear", "Birthday \"%VALUE%\" has no year: stored in the year 1604."},
    {"vcard", "vcard_notadate", "%FIELD% \"%VALUE%\" is not a date, not stored."},
    {"vcard", "vcard_noprefix", "Number \"%VALUE%\" has no prefix to tell apart: stored without one."},
    {"vcard", "vcard_linenotread", "Line %LINE%: \"%VALUE%\" has no \":\" between name and value, not stored."},
    {"vcard", "vcard_commentline", "Line %LINE%: comment \"%VALUE%\", not stored."},
    {"vcard", "vcard_unknowncharset",
     "Line %LINE%: character set \"%VALUE%\" is unknown: read as %DETAIL%, which may be wrong."},
    {"vcard", "vcard_unknownversion", "vCard version \"%VALUE%\" is unknown: the card was read as far as it could be."},
    {"vcard", "vcard_nestedcard", "Line %LINE%: a card begins inside this card; it was read as a card of its own."},
    {"vcard", "vcard_namekept", "%FIELD% \"%VALUE%\" differs from the book's \"%STORED%\", which stays."},
    {"vcard", "vcard_namedbyemail", "The card has no name: filed under its e-mail address \"%VALUE%\"."},
    {"vcard", "vcard_groupcard",
     "A group, not a contact: contacts of this file added to the group \"%VALUE%\": %LENGTH%."},
    {"vcard", "vcard_membernotfound", "Member \"%VALUE%\" is no contact of this file: not added to the group."},
    {"vcard", "vcard_placecard", "The card describes a place, not a person or company: not imported."},
    {"vcard", "vcard_morecomponents", "%FIELD% has more parts than a vCard defines: \"%VALUE%\" not stored."},
    {"vcard", "vcard_addressfromlabel",
     "Address \"%VALUE%\" is only given as a label: stored with the street \"%STORED%\" and the town \"%DETAIL%\"."},
    {"vcard", "vcard_labelnotype",
     "%FIELD% \"%VALUE%\": the label \"%DETAIL%\" names no type of this book, stored as type \"%STORED%\"."},
    {"vcard", "vcard_postcodeleadingzero", "Postcode \"%VALUE%\" begins with 0: stored as the number %STORED%."},
    {"vcard", "vcard_added", "Contacts added: %ADDED%, from %CARDS% cards in \"%FILE%\"."},
    {"vcard", "vcard_added_onecard", "Contacts added: %ADDED%, from 1 card in \"%FILE%\"."},
    {"vcard", "vcard_defaultsalutation",
     "Persons given the salutation \"%NAME%\", the first of the book's, as their cards name none: %COUNT%."},
    {"vcard", "vcard_allstored", "Every card was stored as it was."},
    {"vcard", "vcard_matched", "Contacts added: %ADDED%, updated: %UPDATED%, unchanged: %UNCHANGED%, "
                               "skipped: %SKIPPED%, from %CARDS% cards in \"%FILE%\"."},
    {"vcard", "vcard_outcome_added", "added"},
    {"vcard", "vcard_outcome_updated", "updated: %ADDED%"},
    {"vcard", "vcard_outcome_unchanged", "unchanged"},
    {"vcard", "vcard_outcome_skipped", "skipped: a contact of the book already"},
    {"vcard", "vcard_companiescreated", "Companies created, as persons of the file work there: %NAMES%."},
    {"vcard", "vcard_groupscreated", "Groups created: %NAMES%."},
    {"vcard", "vcard_titlescreated", "Titles created: %NAMES%."},
    {"vcard", "vcard_card", "Line %LINE%: %NAME%"},
    {"vcard", "vcard_cardunnamed", "Line %LINE%"},
    // CSV and LDIF import and export: the menu items, the commands' and
    // windows' texts, the mapping window's choices and the summary's words
    // for rows and entries (their built-in texts are those of exchange/csv
    // and exchange/ldif, which must agree with these).
    {"csv", "csv_importitem", "Import CS&V..."},
    {"csv", "csv_exportitem", "Export C&SV..."},
    {"csv", "csv_importcaption", "Import CSV"},
    {"csv", "csv_exportcaption", "Export CSV"},
    {"csv", "csv_filefilter", "CSV files (*.csv *.txt *.tab);;All files (*)"},
    {"csv", "csv_mappingcaption", "Import CSV: what the columns of \"%FILE%\" are"},
    {"csv", "csv_file", "File: %FILE%"},
    {"csv", "csv_preset", "Written by:"},
    {"csv", "csv_encoding", "Encoding:"},
    {"csv", "csv_separator", "Separator:"},
    {"csv", "csv_header", "The first row names the columns"},
    {"csv", "csv_dates", "Dates:"},
    {"csv", "csv_columns", "Above each column what it is for Pellori; below, the first rows of the file as read:"},
    {"csv", "csv_import", "Import"},
    {"csv", "csv_summarycaption", "CSV import"},
    {"csv", "csv_added", "Contacts added: %ADDED%, from %CARDS% rows in \"%FILE%\"."},
    {"csv", "csv_added_onerow", "Contacts added: %ADDED%, from 1 row in \"%FILE%\"."},
    {"csv", "csv_noname", "The row has no name: not imported."},
    {"csv", "csv_namedbyemail", "The row has no name: filed under its e-mail address \"%VALUE%\"."},
    {"csv", "csv_defaultsalutation",
     "Persons given the salutation \"%NAME%\", the first of the book's, as their rows name none: %COUNT%."},
    {"csv", "csv_allstored", "Every row was stored as it was."},
    {"csv", "csv_matched",
     "Contacts added: %ADDED%, updated: %UPDATED%, unchanged: %UNCHANGED%, skipped: %SKIPPED%; rows read from "
     "\"%FILE%\": %CARDS%."},
    {"csv", "csv_matchesquestion",
     "%COUNT% of the %CARDS% rows are contacts of the address book already, by their name and an e-mail address, "
     "number or birthday in common."},
    {"csv", "csv_matchesaddnew", "&Add every row as a new contact"},
    {"csv", "csv_matchesskip", "&Skip them: import only the other rows"},
    {"csv", "csv_shape", "Shape of the file"},
    {"csv", "csv_shape_outlook", "Outlook (English): Windows-1252"},
    {"csv", "csv_shape_google", "Google Contacts: UTF-8, every detail with its type"},
    {"csv", "csv_exported", "Contacts exported: %COUNT%, to \"%FILE%\"."},
    {"csv", "csv_leftout", "The file's shape has no place for these, which were not written:%RETURN%%ITEMS%"},
    {"csv", "csv_deceased", "deceased"},
    {"csv", "csv_field_ignore", "(not imported)"},
    {"csv", "csv_field_redundant", "(repeats another column)"},
    {"csv", "csv_field_other", "(no place in Pellori: listed in the summary)"},
    {"csv", "csv_field_fullname", "Full name"},
    {"csv", "csv_field_familyname", "Family name"},
    {"csv", "csv_field_firstname", "First name"},
    {"csv", "csv_field_middlename", "Middle name"},
    {"csv", "csv_field_prefix", "Salutation and title"},
    {"csv", "csv_field_namesuffix", "Name suffix"},
    {"csv", "csv_field_nickname", "Nickname"},
    {"csv", "csv_field_company", "Company"},
    {"csv", "csv_field_department", "Department (company name 2)"},
    {"csv", "csv_field_jobtitle", "Job title"},
    {"csv", "csv_field_birthday", "Birthday"},
    {"csv", "csv_field_birthyear", "Birthday: year"},
    {"csv", "csv_field_birthmonth", "Birthday: month"},
    {"csv", "csv_field_birthdayofmonth", "Birthday: day"},
    {"csv", "csv_field_notes", "Notes (Additional)"},
    {"csv", "csv_field_groups", "Groups"},
    {"csv", "csv_field_email", "E-mail"},
    {"csv", "csv_field_phone", "Telephone"},
    {"csv", "csv_field_web", "Web page"},
    {"csv", "csv_field_label", "label"},
    {"csv", "csv_field_assistant", "Assistant's name"},
    {"csv", "csv_field_street", "street"},
    {"csv", "csv_field_street2", "street 2"},
    {"csv", "csv_field_street3", "street 3"},
    {"csv", "csv_field_town", "town"},
    {"csv", "csv_field_postcode", "postcode"},
    {"csv", "csv_field_region", "region"},
    {"csv", "csv_field_country", "country"},
    {"csv", "csv_field_pobox", "post office box"},
    {"csv", "csv_field_formatted", "whole address"},
    {"csv", "csv_kind_cell", "mobile"},
    {"csv", "csv_kind_fax", "fax"},
    {"csv", "csv_kind_pager", "pager"},
    {"csv", "csv_kind_car", "car"},
    {"csv", "csv_kind_isdn", "ISDN"},
    {"csv", "csv_kind_textphone", "text telephone"},
    {"csv", "csv_kind_work", "work"},
    {"csv", "csv_kind_home", "home"},
    {"csv", "csv_kind_pref", "preferred"},
    {"csv", "csv_field_address", "Address"},
    {"csv", "csv_caption_kinds", "%NAME% (%KINDS%)"},
    {"csv", "csv_caption_numbered", "%NAME% %NUMBER%"},
    {"csv", "csv_caption_part", "%NAME%: %PART%"},
    {"csv", "csv_empty", "The file holds no rows."},
    {"csv", "csv_unbalancedquote", "Line %LINE%: the quotation mark that opens a field here is never closed."},
    {"csv", "csv_rowlength",
     "Line %LINE%: the row has %FOUND% fields, the first row %EXPECTED%: the file is no table with this "
     "separator."},
    {"csv", "csv_binary",
     "Line %LINE%: the file holds characters no text file holds: it is no CSV file, or of another "
     "encoding."},
    {"csv", "csv_nopreset", "none: the columns guessed"},
    {"csv", "csv_dates_dmy", "day.month.year"},
    {"csv", "csv_dates_mdy", "month/day/year"},
    {"csv", "csv_dates_ymd", "year-month-day"},
    {"csv", "csv_separator_comma", "Comma"},
    {"csv", "csv_separator_semicolon", "Semicolon"},
    {"csv", "csv_separator_tab", "Tab"},
    {"ldif", "ldif_importitem", "Import &LDIF..."},
    {"ldif", "ldif_exportitem", "Export LDI&F..."},
    {"ldif", "ldif_importcaption", "Import LDIF"},
    {"ldif", "ldif_exportcaption", "Export LDIF"},
    {"ldif", "ldif_filefilter", "LDIF files (*.ldif *.ldi);;All files (*)"},
    {"ldif", "ldif_summarycaption", "LDIF import"},
    {"ldif", "ldif_added", "Contacts added: %ADDED%, from %CARDS% entries in \"%FILE%\"."},
    {"ldif", "ldif_added_oneentry", "Contacts added: %ADDED%, from 1 entry in \"%FILE%\"."},
    {"ldif", "ldif_noname", "The entry has no name: not imported."},
    {"ldif", "ldif_namedbyemail", "The entry has no name: filed under its e-mail address \"%VALUE%\"."},
    {"ldif", "ldif_defaultsalutation",
     "Persons given the salutation \"%NAME%\", the first of the book's, as their entries name none: "
     "%COUNT%."},
    {"ldif", "ldif_allstored", "Every entry was stored as it was."},
    {"ldif", "ldif_matched",
     "Contacts added: %ADDED%, updated: %UPDATED%, unchanged: %UNCHANGED%, skipped: %SKIPPED%; entries read from "
     "\"%FILE%\": %CARDS%."},
    {"ldif", "ldif_matchesquestion",
     "%COUNT% of the %CARDS% entries are contacts of the address book already, by their name and an e-mail address, "
     "number or birthday in common."},
    {"ldif", "ldif_matchesaddnew", "&Add every entry as a new contact"},
    {"ldif", "ldif_matchesskip", "&Skip them: import only the other entries"},
    {"ldif", "ldif_empty", "The file holds no LDIF entry."},
    {"ldif", "ldif_notattribute", "Line %LINE%: \"%TEXT%\" is neither an attribute nor the continuation of one."},
    {"ldif", "ldif_badbase64", "Line %LINE%: the value after \"::\" is no base64: \"%TEXT%\"."},
    {"ldif", "ldif_binary", "Line %LINE%: the file holds characters no text file holds: it is no LDIF file."},
    // Bringing a book up to date at start.
    {"upgrade", "upgrade_serverneeds",
     "The address book on the server lacks what these functions of Pellori need, so they are "
     "unavailable:%RETURN%%FEATURES%%RETURN%%RETURN%Please ask the administrator to run "
     "scripts/upgrade-server-db.sh for this book."},
    {"upgrade", "upgrade_failed",
     "The address book could not be brought up to date, so these functions are unavailable:%RETURN%"
     "%FEATURES%%RETURN%%RETURN%Your contacts are untouched.%RETURN%%RETURN%%ERROR%"},
    {"upgrade", "upgrade_feature_history", "who changed a contact, and when"},
    {"upgrade", "upgrade_feature_trash", "the trash, and undoing a delete"},
    {"upgrade", "upgrade_feature_identity",
     "contacts that keep their identity across exports, so that importing them again updates them"},
    {"upgrade", "upgrade_feature_writtenpostcode", "postcodes as they are written (01069, SW1A 1AA)"},
    {"upgrade", "upgrade_feature_search",
     "searching every detail as you type, the list's extra columns, and a quick list in a large book"},
    // Labels, envelopes and the phone list.
    {"postal", "postal_menu", "&Labels && Lists"},
    {"postal", "postal_labels_item", "&Labels..."},
    {"postal", "postal_envelopes_item", "&Envelopes..."},
    {"postal", "postal_phonelist_item", "&Phone list..."},
    {"postal", "postal_labels_title", "Labels"},
    {"postal", "postal_envelopes_title", "Envelopes"},
    {"postal", "postal_phonelist_title", "Phone list"},
    {"postal", "postal_contacts", "Contacts"},
    {"postal", "postal_shown", "&The contacts the list shows (%COUNT%)"},
    {"postal", "postal_letters", "&Names beginning with"},
    {"postal", "postal_allletters", "A-Z (all)"},
    {"postal", "postal_group", "Members of the &group"},
    {"postal", "postal_sheet", "Label sheet"},
    {"postal", "postal_preset", "%COLUMNS% x %ROWS% labels of %WIDTH% x %HEIGHT% mm"},
    {"postal", "postal_custom", "Labels of your own size"},
    {"postal", "postal_labelwidth", "Label width (mm)"},
    {"postal", "postal_labelheight", "Label height (mm)"},
    {"postal", "postal_columns", "Columns"},
    {"postal", "postal_rows", "Rows"},
    {"postal", "postal_left", "Left margin (mm)"},
    {"postal", "postal_top", "Top margin (mm)"},
    {"postal", "postal_gapx", "Gap across (mm)"},
    {"postal", "postal_gapy", "Gap down (mm)"},
    {"postal", "postal_start", "&Start at label"},
    {"postal", "postal_startwhere", "(row %ROW%, column %COLUMN%)"},
    {"postal", "postal_envelope", "Envelope"},
    {"postal", "postal_sender", "Sender's &line"},
    {"postal", "postal_country", "Your &country (not printed on addresses in it)"},
    {"postal", "postal_labeltoosmall", "A label must be at least 25 mm wide and 10 mm high."},
    {"postal", "postal_sheetdoesnotfit",
     "The labels with their margins and gaps do not fit on an A4 sheet of 210 x 297 mm."},
    {"postal", "postal_nocontacts", "There are no contacts to print."},
    {"postal", "postal_noaddress", "None of the chosen contacts has an address: there is nothing to print."},
    {"postal", "postal_leftout", "Left out, as they have no address: %COUNT% (%NAMES%)."},
    {"postal", "postal_notsaved", "Your choice could not be saved for next time:%RETURN%%ERROR%"},
    // Upcoming birthdays and the calendar file.
    {"birthdays", "birthdays_upcomingitem", "&Upcoming birthdays..."},
    {"birthdays", "birthdays_exportitem", "Export birthdays (i&Calendar)..."},
    {"birthdays", "birthdays_caption", "Upcoming birthdays"},
    {"birthdays", "birthdays_heading", "Birthdays of the next %DAYS% days"},
    {"birthdays", "birthdays_none", "No birthdays in the next %DAYS% days."},
    {"birthdays", "birthdays_day", "Day"},
    {"birthdays", "birthdays_name", "Name"},
    {"birthdays", "birthdays_age", "Turns"},
    {"birthdays", "birthdays_today", "Today"},
    {"birthdays", "birthdays_tomorrow", "Tomorrow"},
    {"birthdays", "birthdays_leapday", "born on 29 February"},
    {"birthdays", "birthdays_atstart", "&Show this window at start when a birthday is today or tomorrow"},
    {"birthdays", "birthdays_exportcaption", "Export birthdays"},
    {"birthdays", "birthdays_filefilter", "iCalendar files (*.ics);;All files (*)"},
    {"birthdays", "birthdays_nothing", "No living person has a birthday stored: there is nothing to export."},
    {"birthdays", "birthdays_exported", "Birthdays exported: %COUNT%, to \"%FILE%\"."},
    {"birthdays", "birthdays_exportfailed", "The file \"%FILE%\" could not be written: %ERROR%"},
    {"birthdays", "birthdays_summary", "Birthday: %NAME%"},
    {"birthdays", "birthdays_born", "Born %DATE%"},
    {"birthdays", "birthdays_notsaved", "The setting could not be saved:%RETURN%%ERROR%"},
    // The trash: menu items, the window, and what restoring says.
    {"trash", "trash_menuitem", "&Trash..."},
    {"trash", "trash_undoitem", "&Undo delete"},
    {"trash", "trash_caption", "Trash"},
    {"trash", "trash_colname", "Name"},
    {"trash", "trash_coldeleted", "Deleted"},
    {"trash", "trash_coluser", "Deleted by"},
    {"trash", "trash_restore", "&Restore"},
    {"trash", "trash_purge", "&Delete for good"},
    {"trash", "trash_empty", "&Empty trash"},
    {"trash", "trash_unavailable",
     "This address book has no trash yet.%RETURN%Please ask the administrator to run scripts/upgrade-server-db.sh "
     "for it."},
    {"trash", "trash_nothingtoundo", "There is no delete to undo."},
    {"trash", "trash_purgequestion", "Delete \"%NAME%\" for good?%RETURN%It cannot be restored afterwards."},
    {"trash", "trash_emptyquestionone",
     "Delete the contact in the trash for good?%RETURN%It cannot be restored afterwards."},
    {"trash", "trash_emptyquestion",
     "Delete the %COUNT% contacts in the trash for good?%RETURN%They cannot be restored afterwards."},
    {"trash", "trash_gone",
     "\"%NAME%\" is no longer in the trash: it was restored or deleted for good meanwhile, perhaps by another "
     "user."},
    {"trash", "trash_gonenoname",
     "The contact deleted last is no longer in the trash: it was restored or deleted for good meanwhile, perhaps "
     "by another user."},
    {"trash", "trash_busy", "Another user is restoring or deleting \"%NAME%\" just now. Nothing was changed here."},
    {"trash", "trash_emptybusy",
     "Another user is restoring or deleting a contact of the trash just now. Nothing was deleted; please try "
     "again."},
    {"trash", "trash_alreadythere", "\"%NAME%\" is in the address book already, so it stays in the trash."},
    {"trash", "trash_restorefailed", "\"%NAME%\" could not be restored and stays in the trash.%RETURN%%RETURN%%ERROR%"},
    {"trash", "trash_restorednotes", "\"%NAME%\" is back, but not quite as it was:%RETURN%%NOTES%"},
    {"trash", "trash_note_type", "%ROW%: its type no longer exists; it has the standard type now."},
    {"trash", "trash_note_rowdropped", "%ROW%: its type no longer exists, nor does the standard type; not restored."},
    {"trash", "trash_note_group", "A group it belonged to no longer exists; that membership was not restored."},
    {"trash", "trash_note_employer",
     "The company it worked at is no longer in the address book; it was restored without an employer."},
    {"trash", "trash_note_title", "Its title no longer exists; it was restored without a title."},
    {"trash", "trash_note_salutation", "Its salutation no longer exists; it has the first of the list now."},
    {"trash", "trash_note_tablegone", "Rows of \"%ROW%\", which this address book does not have, were not restored."},
    // Backups: menu items, the progress window, and what the commands say.
    {"backup", "backup_nowitem", "&Back up now..."},
    {"backup", "backup_restoreitem", "&Restore from backup..."},
    {"backup", "backup_progress", "Backing up the address book..."},
    {"backup", "backup_restoring", "Reading the backup..."},
    {"backup", "backup_done", "The address book was backed up into \"%FILE%\"."},
    {"backup", "backup_foldernotwritable",
     "No backup was made: the backup folder \"%FOLDER%\" cannot be written (%ERROR%).%RETURN%%RETURN%"
     "Choose another one with the key \"folder\" in the section [Backup] of Pellori.ini."},
    {"backup", "backup_failed",
     "No backup was made in \"%FOLDER%\". The address book is untouched.%RETURN%%RETURN%%ERROR%"},
    {"backup", "backup_atexit", "Pellori ends all the same; it tries again at the next end."},
    {"backup", "backup_serverbook",
     "This address book lies on a server: backups are made there by the administrator (see the README, "
     "\"Backups of a shared book\")."},
    {"backup", "backup_restorecaption", "Restore from backup"},
    {"backup", "backup_filefilter", "Pellori backups (*.fbk);;All files (*)"},
    {"backup", "backup_notrestorable",
     "\"%FILE%\" cannot be restored: it is not a complete Pellori backup, or it cannot be read. The address book "
     "is untouched.%RETURN%%RETURN%%ERROR%"},
    {"backup", "backup_replacequestion",
     "The backup \"%FILE%\" of %DATE% holds %COUNT% contacts.%RETURN%%RETURN%Replace the address book with it? "
     "The present book is kept as \"%KEPT%\"."},
    {"backup", "backup_notreplaced", "The address book was not replaced and is untouched.%RETURN%%RETURN%%ERROR%"},
    {"backup", "backup_restored", "The address book now holds the %COUNT% contacts of \"%FILE%\"."},
    // An address book shared on a server.
    {"shared", "shared_concurrentchange",
     "Another user is changing this contact just now, or has just changed it. Nothing was changed here; "
     "please try again."},
    {"shared", "shared_contactgone", "This contact no longer exists: another user has deleted it."},
    // The contact editors' close box.
    {"shared", "shared_savechanges", "Save changes to this contact?"},
    {"shared", "shared_readonly",
     "Your user may read this address book but not change it, so nothing was changed.%RETURN%%RETURN%"
     "Ask the administrator of the book if you need to change it."},
    {"shared", "shared_noreadaccess",
     "The server does not let your user read this address book.%RETURN%%RETURN%"
     "Pellori.ini must name the role that the administrator of the book gave you, as role=... in section "
     "[Database]."},
    {"shared", "shared_inireadable",
     "Other users of this computer can read or change %FILE%.%RETURN%%RETURN%"
     "It holds your password for the address book on the server, encoded but not encrypted: whoever can read "
     "the file can read the password. Make the file yours alone, for example with the command%RETURN%%RETURN%"
     "chmod 600 \"%FILE%\""},
    // Who changed a contact last, on a shared book.
    {"shared", "shared_lastchanged", "Last changed by %NAME% on %DATE%"},
    {"shared", "shared_deletedby", "Deleted by %NAME% on %DATE%"},
    // Finding and merging duplicates.
    {"cleanup", "cleanup_finditem", "Find &duplicates..."},
    {"cleanup", "cleanup_caption", "Likely duplicates"},
    {"cleanup", "cleanup_colreasons", "Why"},
    {"cleanup", "cleanup_colcontacts", "Contacts"},
    {"cleanup", "cleanup_reason_samename", "same name"},
    {"cleanup", "cleanup_reason_sameemail", "same e-mail"},
    {"cleanup", "cleanup_reason_samenumber", "same number"},
    {"cleanup", "cleanup_reason_similarname", "similar name and same town"},
    {"cleanup", "cleanup_mergeitem", "&Merge..."},
    {"cleanup", "cleanup_none", "No likely duplicates were found."},
    {"cleanup", "cleanup_mergecaption", "Merge contacts"},
    {"cleanup", "cleanup_keep", "&Keep this one"},
    {"cleanup", "cleanup_include", "Merge it"},
    {"cleanup", "cleanup_united",
     "The numbers, internet entries, addresses and groups of all are united: an entry the kept contact has "
     "already is kept once. Choose per field which value to keep."},
    {"cleanup", "cleanup_groups", "Groups"},
    {"cleanup", "cleanup_changed", "Last changed"},
    {"cleanup", "cleanup_novalue", "(none)"},
    {"cleanup", "cleanup_mergebutton", "&Merge"},
    {"cleanup", "cleanup_merged",
     "%COUNT% contacts were merged into \"%NAME%\".%RETURN%%RETURN%The others are in the trash: System > Trash... "
     "brings them back, which undoes the merge."},
    {"cleanup", "cleanup_merged_one",
     "\"%OTHER%\" was merged into \"%NAME%\".%RETURN%%RETURN%It is in the trash: System > Trash... brings it "
     "back, which undoes the merge."},
    {"cleanup", "cleanup_toofew", "Choose at least two contacts to merge."},
    {"cleanup", "cleanup_companyintoperson",
     "A company cannot be merged into a person: \"%NAME%\" is a company. Nothing was changed."},
    {"cleanup", "cleanup_personintocompany",
     "A person cannot be merged into a company: \"%NAME%\" is a person. Nothing was changed."},
    {"cleanup", "cleanup_nofreetype",
     "%DETAIL% cannot be moved: the kept contact has every type of its kind already, and a contact has one "
     "entry of each type.%RETURN%%RETURN%Add a type under Administration, or change the entry first. Nothing "
     "was changed."},
    {"cleanup", "cleanup_busy",
     "Another user is changing one of these contacts just now, or has just changed it. Nothing was merged; "
     "please find the duplicates again."},
    {"cleanup", "cleanup_failed", "The merge failed and was undone: nothing was changed.%RETURN%%RETURN%%ERROR%"},
    {"cleanup", "cleanup_notrash",
     "This address book has no trash yet, so the merge could not be undone.%RETURN%%RETURN%Merge all the same?"},
    // An import's cards that are contacts of the book already.
    {"cleanup", "cleanup_matchescaption", "Contacts known already"},
    {"cleanup", "cleanup_matchesquestion",
     "%COUNT% of the %CARDS% cards are contacts of the address book already: %UID% by their identifier, %NAME% by "
     "their name and an e-mail address, number or birthday in common."},
    {"cleanup", "cleanup_matchesupdate",
     "&Update them: fill in what a contact lacks and add the details it lacks; nothing is removed"},
    {"cleanup", "cleanup_matchesaddnew", "&Add every card as a new contact"},
    {"cleanup", "cleanup_matchesskip", "&Skip them: import only the other cards"},
    // The contact list's search scopes, optional columns and why a contact was found.
    {"search", "search_scope_name", "Name"},
    {"search", "search_scope_everywhere", "Everywhere"},
    {"search", "search_column_town", "Town"},
    {"search", "search_column_phone", "Telephone"},
    {"search", "search_column_email", "E-mail"},
    {"search", "search_column_company", "Company"},
    {"search", "search_column_match", "Found in"},
    {"search", "search_match_nickname", "Nickname"},
    {"search", "search_match_company", "Works at"},
    {"search", "search_match_group", "Group"},
    {"search", "search_match_notes", "Additional"},
    {"search", "search_notsaved", "Your choice could not be saved for next time:%RETURN%%ERROR%"},
    // The contact list.
    {"list", "list_allagain",
     "The search in force does not find the new contact, so the list shows all contacts again."},
    // What a screen reader calls the contact list.
    {"list", "list_contacts", "Contacts"},
    {"list", "list_groups", "Group"},
    {"list", "list_scope", "Search in"},
    // The record buttons under a grid: their hints, which screen readers read as their names.
    {"nav", "nav_first", "First record"},
    {"nav", "nav_prior", "Prior record"},
    {"nav", "nav_next", "Next record"},
    {"nav", "nav_last", "Last record"},
    {"nav", "nav_insert", "Insert record"},
    {"nav", "nav_delete", "Delete record"},
    {"nav", "nav_edit", "Edit record"},
    {"nav", "nav_post", "Post edit"},
    {"nav", "nav_cancel", "Cancel edit"},
    {"nav", "nav_refresh", "Refresh data"},
};

// The sections of the catalogue's first edition; a file made for it holds every key of
// them. Keys added later in sections of their own keep their built-in text where a
// file lacks them.
bool inFirstEdition(const LangKey& entry)
{
    static const QStringList sections = {"f_Main", "common", "f_add_company", "f_add_person",
                                         "f_compy", "f_person", "f_birth", "f_standardvalues"};
    return sections.contains(QLatin1String(entry.section));
}

#undef PELLORI_FIELD

const LangKey* findKey(const QString& key)
{
    for (const LangKey& entry : kKeys) {
        if (key == QLatin1String(entry.key))
            return &entry;
    }
    return nullptr;
}

} // namespace

const QList<LangKey>& TLang::keys()
{
    return kKeys;
}

void TLang::LoadLanguageFile(const QString& directory)
{
    Loaded = false;
    m_texts.clear();

    QString path = directory;
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('/');
    path += QStringLiteral("Pellori.lang");

    // Any entry of that name counts, even a dangling link; reading it then fails the version test.
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;

    // One pass over the file for the version and the table's keys, each from its own section.
    static const QList<IniKey> wanted = [] {
        QList<IniKey> keys{{QStringLiteral("Pellori"), QStringLiteral("Version")}};
        for (const LangKey& entry : kKeys)
            keys.append({QLatin1String(entry.section), QLatin1String(entry.key)});
        return keys;
    }();
    const IniSnapshot file = IniSnapshot::load(path, wanted, FileText::Latin1OrUtf8WithBom);
    if (!IsRequiredIniVersion(file.readString(QStringLiteral("Pellori"), QStringLiteral("Version"))))
        return;
    for (const LangKey& entry : kKeys) {
        const QString section = QLatin1String(entry.section), key = QLatin1String(entry.key);
        if (inFirstEdition(entry) || file.has(section, key))
            m_texts.insert(key, file.readString(section, key));
    }
    Loaded = true;
}

QString TLang::value(const QString& key) const
{
    return m_texts.value(key);
}

QString TLang::text(const QString& key) const
{
    const LangKey* entry = findKey(key);
    return text(key, entry ? QString::fromLatin1(entry->builtIn) : QString());
}

QString TLang::text(const QString& key, const QString& builtIn) const
{
    if (!Loaded)
        return builtIn;
    // A loaded file's text wins, even an empty one; a later key the file lacks keeps its own.
    const auto found = m_texts.constFind(key);
    if (found != m_texts.cend())
        return *found;
    const LangKey* entry = findKey(key);
    return entry && !inFirstEdition(*entry) ? builtIn : QString();
}

QString ReplaceReturn(QString text)
{
    return text.replace(QStringLiteral("%RETURN%"), QStringLiteral("\r\n"));
}

QString IniVersionMessage(const TLang& lang, const QString& foundVersion)
{
    QString message = ReplaceReturn(lang.text(QStringLiteral("inifileversion")));
    message.replace(QStringLiteral("%HASVERSION%"), foundVersion);
    message.replace(QStringLiteral("%NEEDEDVERSION%"), QLatin1String(kRequiredIniVersion));
    return message;
}

} // namespace pellori
