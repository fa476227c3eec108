#pragma once
// Which contacts a CSV export writes (those the list shows, the current one,
// or all) and in which program's shape. Its opener shows it modally.
#include "exchange/csv/CsvWriter.h"

#include <QDialog>

class QRadioButton;
class QPushButton;

namespace pellori {

enum class CsvExportScope { Shown, Current, All };

class Tf_csvexport : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString caption, question, shown, current, all, shape, outlook, google, ok, cancel;
    };
    // A choice that would export nothing is offered disabled.
    Tf_csvexport(QWidget* owner, const Texts& texts, bool canShown, bool canCurrent);

    CsvExportScope scope() const;
    exchange::CsvShape shape() const;

    QRadioButton* rb_shown = nullptr;
    QRadioButton* rb_current = nullptr;
    QRadioButton* rb_all = nullptr;
    QRadioButton* rb_outlook = nullptr;
    QRadioButton* rb_google = nullptr;
    QPushButton* btn_ok = nullptr;
    QPushButton* btn_cancel = nullptr;
};

} // namespace pellori
