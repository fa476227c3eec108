#include "lookups/LookupEditors.h"

#include "lookups/f_addresstype.h"
#include "lookups/f_communication.h"
#include "lookups/f_group.h"
#include "lookups/f_internet_communication.h"
#include "lookups/f_salutations.h"
#include "lookups/f_title.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/Language.h"

#include <memory>

namespace pellori {

std::unique_ptr<LookupEditor> createLookupEditor(LookupList which, Session& session, QWidget* owner)
{
    switch (which) {
    case LookupList::AddressTypes: return std::make_unique<Tf_adresstypes>(session, owner);
    case LookupList::CommunicationTypes: return std::make_unique<Tf_type_communication>(session, owner);
    case LookupList::InternetTypes: return std::make_unique<Tf_internet>(session, owner);
    case LookupList::Groups: return std::make_unique<Tf_groups>(session, owner);
    case LookupList::Salutations: return std::make_unique<Tf_salutation>(session, owner);
    case LookupList::Titles: return std::make_unique<Tf_titles>(session, owner);
    }
    return nullptr;
}

void openLookupEditor(LookupList which, Session& session, QWidget* owner, bool fromAdministrationMenu)
{
    // Owned here, not by the owner's children: destroyed (and so committed) as soon
    // as the modal display returns, also when it ends in an error.
    const std::unique_ptr<LookupEditor> editor = createLookupEditor(which, session, owner);
    if (fromAdministrationMenu)
        editor->applyCatalogueCaption(session.lang());
    execModal(editor.get());
}

} // namespace pellori
