#pragma once
// The window an import ends with: how many contacts were added and, card by
// card, what could not be stored as it was. Its opener shows it modally and
// destroys it right after; the texts are built before it is made.
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace pellori {

class Tf_vcardsummary : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString caption;
        QString headline;
        QString report;   // the lines below the headline
        QString close;
    };
    Tf_vcardsummary(QWidget* owner, const Texts& texts);

    QLabel* label_added = nullptr;
    QPlainTextEdit* memo_report = nullptr;
    QPushButton* btn_close = nullptr;
};

} // namespace pellori
