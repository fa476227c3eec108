#pragma once
// The quick-add dialog for a new company: two name lines and additional text.
// It sets its caption from the catalogue itself, so it is translated also when
// the person editor opens it.
#include "editors/QuickAddDialog.h"

namespace pellori {

class Tf_add_new_company : public QuickAddDialog {
    Q_OBJECT
public:
    Tf_add_new_company(Session& session, QWidget* owner);
    static const Config& configuration();
};

} // namespace pellori
