#pragma once
// Which contacts an export writes: those the contact list shows now, the
// current one, or every contact. Its opener shows it modally.
#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace pellori {

enum class ExportScope { Shown, Current, All };

class Tf_vcardexport : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString caption, question, shown, current, all, ok, cancel;
    };
    // A choice that would export nothing is offered disabled.
    Tf_vcardexport(QWidget* owner, const Texts& texts, bool canShown, bool canCurrent);

    ExportScope scope() const;

    QLabel* label_question = nullptr;
    QRadioButton* rb_shown = nullptr;
    QRadioButton* rb_current = nullptr;
    QRadioButton* rb_all = nullptr;
    QPushButton* btn_ok = nullptr;
    QPushButton* btn_cancel = nullptr;
};

} // namespace pellori
