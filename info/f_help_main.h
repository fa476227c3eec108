#pragma once
// The help window: one page of fixed text, docked to the right edge of the work
// area. Not modal; closing hides it, its owner destroys it.
#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QTextEdit;

namespace pellori {

class OuterGeometry;

// Puts a window at the right edge of the primary screen's work area with the
// given outer width and the work area's full height, frame included.
OuterGeometry* dockToWorkAreaRight(QWidget* window, int width, bool fixedSize = false);

class Tf_main_help : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 637;

    explicit Tf_main_help(QWidget* owner);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* label_help = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QTextEdit* RichEdit2 = nullptr;
    QLabel* label_details = nullptr;

    // The menu and items named m_... (their objectNames), held without that prefix.
    struct {
        QMenu* file;
        QAction *print, *close;
    } m_menu = {};
};

} // namespace pellori
