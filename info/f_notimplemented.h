#pragma once
// The notice every Help item shows while there is no help for that window yet.
// Not modal; closing hides it, its owner destroys it.
#include <QDialog>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace pellori {

class Session;

class Tf_not_implemented : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 215;
    // Wide enough for the caption in the title bar beside its buttons.
    int outerWidth() const;

    explicit Tf_not_implemented(QWidget* owner);

private:
    QLabel* label_sorry = nullptr;
    QPushButton* btn_close = nullptr;
};

// Creates a new notice owned by the window of the Help item and shows it.
void showNotImplemented(QWidget* owner);

// The "?" menu (named menuName): the main window's FAQ item, a separator, and
// Help (named m_help), which shows the notice owned by the window.
struct HelpMenu {
    QMenu* menu;
    QAction* help;
};
HelpMenu addHelpMenu(QMenuBar* bar, Session& session, QWidget* window, const QString& title, const QString& helpText,
                     const char* menuName);

} // namespace pellori
