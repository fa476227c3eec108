#pragma once
// How far a backup or a restore is: the service's current step, and a bar
// that moves table by table. It has no cancel button: the service finishes
// what it began.
#include <QElapsedTimer>
#include <QProgressDialog>

namespace pellori {

class Tf_backupprogress : public QProgressDialog {
    Q_OBJECT
public:
    // tables: how many the book has (0: the bar only shows that work goes on).
    Tf_backupprogress(QWidget* owner, const QString& label, int tables);

    // One line of the service's output.
    void line(const QString& text);

private:
    QString m_label;
    int m_done = 0;
    QElapsedTimer m_sincePump;
};

} // namespace pellori
