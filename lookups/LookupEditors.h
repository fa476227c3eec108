#pragma once
// Opening the lookup list editors, for the main window and the person editor.
#include <memory>

class QWidget;

namespace pellori {

class LookupEditor;
class Session;

enum class LookupList { AddressTypes, CommunicationTypes, InternetTypes, Groups, Salutations, Titles };
// Creates the editor owned by `owner`, replaces its window caption from the catalogue only when
// fromAdministrationMenu and the catalogue is loaded, shows it modally (execModal), and destroys it
// afterwards also on error — which commits its transaction.
// Creates the editor for one list, owned by `owner` (the caller destroys it).
std::unique_ptr<LookupEditor> createLookupEditor(LookupList which, Session& session, QWidget* owner);

void openLookupEditor(LookupList which, Session& session, QWidget* owner, bool fromAdministrationMenu);

} // namespace pellori
