#pragma once
// How far an import of many cards is, with a button to cancel it. Modal
// while it is shown; the import runs on the user-interface thread and lets
// the window's events through at each step.
#include <QElapsedTimer>
#include <QProgressDialog>

namespace pellori {

class Tf_vcardprogress : public QProgressDialog {
    Q_OBJECT
public:
    Tf_vcardprogress(QWidget* owner, const QString& label, const QString& cancelText, int total);

    // Shows `done` of the total (redrawn and pumped at most every few
    // milliseconds, and at the end); false once the user has cancelled.
    bool step(int done);

private:
    QElapsedTimer m_sincePump;
};

} // namespace pellori
