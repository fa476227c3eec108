#pragma once
// Opening the lookup list editors, for the main window and the person editor.
#include <memory>

class QWidget;

namespace pellori {

class LookupEditor;
class Session;

enum class LookupList { AddressTypes, CommunicationTypes, InternetTypes, Groups, Salutations, Titles };
// Creates the editor for one list, owned by `owner` (the caller destroys it).
std::unique_ptr<LookupEditor> createLookupEditor(LookupList which, Session& session, QWidget* owner);

// Creates the editor, replaces its window caption from the catalogue only when
// fromAdministrationMenu and the catalogue is loaded, shows it modally, and
// destroys it afterwards, also on error, which commits its transaction.
void openLookupEditor(LookupList which, Session& session, QWidget* owner, bool fromAdministrationMenu);

} // namespace pellori
