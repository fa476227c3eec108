#pragma once
// The standard values dialog: the types new detail rows get, the group printed
// as the doctors' address book, and a tool that shows a password's encoded form
// for the configuration file. OK stores the choices in the configuration file
// and hands them to the session at once; every other way out changes nothing.
#include "options/StandardChoices.h"

#include <QDialog>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace pellori {

class KeyChoiceBox;
class QueryDataSet;
class Session;

class Tf_standard : public QDialog {
    Q_OBJECT
public:
    Tf_standard(Session& session, QWidget* owner);
    ~Tf_standard() override;

    // The seven boxes in the order of their configuration keys.
    const QList<KeyChoiceBox*>& choiceBoxes() const { return m_boxes; }
    StandardKeys chosenKeys() const;

    QPushButton* btn_ok = nullptr;
    QPushButton* btn_cancel = nullptr;
    QLabel* Label11 = nullptr;   // "Password to encode(d)"
    QLineEdit* edit_encode = nullptr;
    QPushButton* btn_encode = nullptr;
    QLineEdit* edit_encoded = nullptr;

    QMenuBar* menubar = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_close = nullptr;
    QMenu* m_question = nullptr;
    QAction* m_help = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLists();
    void buildControls();
    void buildMenus();
    void FormCreate();

    void btn_okClick();
    void btn_cancelClick();
    void btn_encodeClick();
    void m_closeClick();

    // The text that names a box: its heading, with the label beside it.
    QString choiceLabel(int index) const;

    Session& m_session;
    std::vector<std::unique_ptr<QueryDataSet>> m_queries;   // one per list, in list order
    QList<KeyChoiceBox*> m_boxes;
    QList<QLabel*> m_boxHeadings;   // per box: the heading of its list
    QList<QLabel*> m_boxLabels;     // per box: the label beside it; null where the heading alone names it
};

// Creates the dialog owned by `owner`, shows it modally and destroys it when
// it returns, also when showing it ends in an error.
void openStandardValues(Session& session, QWidget* owner);

} // namespace pellori
