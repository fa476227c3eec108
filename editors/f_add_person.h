#pragma once
// The quick-add dialog for a new person: family and first name.
#include "editors/QuickAddDialog.h"

namespace pellori {

class Tf_add_new_person : public QuickAddDialog {
    Q_OBJECT
public:
    Tf_add_new_person(Session& session, QWidget* owner);
    static const Config& configuration();
};

} // namespace pellori
