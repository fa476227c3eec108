#pragma once
// The salutations editor: the lookup list window configured for table `salutation`.
#include "lookups/LookupEditor.h"

namespace pellori {

class Tf_salutation : public LookupEditor {
    Q_OBJECT
public:
    Tf_salutation(Session& session, QWidget* owner);
    static const Config& configuration();
};

} // namespace pellori
