#pragma once
// The groups editor: the lookup list window configured for table `groupt`.
#include "lookups/LookupEditor.h"

namespace pellori {

class Tf_groups : public LookupEditor {
    Q_OBJECT
public:
    Tf_groups(Session& session, QWidget* owner);
    static const Config& configuration();
};

} // namespace pellori
