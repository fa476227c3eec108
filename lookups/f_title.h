#pragma once
// The titles editor: the lookup list window configured for table `title`.
#include "lookups/LookupEditor.h"

namespace pellori {

class Tf_titles : public LookupEditor {
    Q_OBJECT
public:
    Tf_titles(Session& session, QWidget* owner);
    static const Config& configuration();
};

} // namespace pellori
