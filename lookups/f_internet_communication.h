#pragma once
// The internet types editor: the lookup list window configured for table `internettype`.
#include "lookups/LookupEditor.h"

namespace pellori {

class Tf_internet : public LookupEditor {
    Q_OBJECT
public:
    Tf_internet(Session& session, QWidget* owner);
    static const Config& configuration();
};

} // namespace pellori
