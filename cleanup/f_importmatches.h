#pragma once
// Before an import stores anything, when some of its cards are contacts of the
// book already: update them (the default), add every card as a new contact, or
// leave those cards out. Its opener shows it modally.
#include "cleanup/MatchRules.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace pellori::cleanup {

class Tf_importmatches : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString caption, question, update, addNew, skip, ok, cancel;
    };
    Tf_importmatches(QWidget* owner, const Texts& texts);

    MatchPolicy policy() const;

    QLabel* label_question = nullptr;
    QRadioButton* rb_update = nullptr;
    QRadioButton* rb_addnew = nullptr;
    QRadioButton* rb_skip = nullptr;
    QPushButton* btn_ok = nullptr;
    QPushButton* btn_cancel = nullptr;
};

} // namespace pellori::cleanup
