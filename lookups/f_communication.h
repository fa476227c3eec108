#pragma once
// The communication types editor: the lookup list window configured for table `communicationtype`.
#include "lookups/LookupEditor.h"

namespace pellori {

class Tf_type_communication : public LookupEditor {
    Q_OBJECT
public:
    Tf_type_communication(Session& session, QWidget* owner);
    static const Config& configuration();
};

} // namespace pellori
