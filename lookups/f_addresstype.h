#pragma once
// The address types editor: the lookup list window configured for table `addresstype`.
#include "lookups/LookupEditor.h"

namespace pellori {

class Tf_adresstypes : public LookupEditor {
    Q_OBJECT
public:
    Tf_adresstypes(Session& session, QWidget* owner);
    static const Config& configuration();
};

} // namespace pellori
