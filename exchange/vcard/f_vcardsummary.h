#pragma once
// The window an import ends with: how many contacts were added and, card by
// card, what could not be stored as it was. Its opener shows it modally and
// destroys it right after; the texts are built before it is made.
#include <QDialog>
#include <QStringList>

class QLabel;
class QTextEdit;
class QPushButton;

namespace pellori {

class Tf_vcardsummary : public QDialog {
    Q_OBJECT
public:
    struct Section {
        QString heading;     // the card
        QStringList lines;   // what it tells, set in below the heading
    };
    struct Texts {
        QString caption;
        QString headline;
        QStringList overview;   // lines between the headline and the sections
        QList<Section> sections;
        QString close;
    };
    Tf_vcardsummary(QWidget* owner, const Texts& texts);

    QLabel* label_added = nullptr;
    QTextEdit* memo_report = nullptr;
    QPushButton* btn_close = nullptr;
};

} // namespace pellori
