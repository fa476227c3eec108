#pragma once
// The groups of likely duplicates, strongest first, each with its reasons and
// its contacts; "Merge..." (or a double click) shows a group side by side to
// merge it.
#include "cleanup/DuplicateFinder.h"

#include <QDialog>
#include <QHash>
#include <QList>

class QPushButton;
class QTableWidget;

namespace pellori {
class Session;
}

namespace pellori::cleanup {

class Tf_duplicates : public QDialog {
    Q_OBJECT
public:
    // `names`: the list name of every contact of the groups.
    Tf_duplicates(QWidget* owner, Session& session, QList<DuplicateGroup> groups, QHash<int, QString> names);

    // The contact kept by the last merge made here, 0 when none.
    int lastKept() const { return m_lastKept; }

    QTableWidget* grid_duplicates;
    QPushButton* btn_merge;
    QPushButton* btn_close;

private:
    void fill();
    void btn_mergeClick();

    Session& m_session;
    QList<DuplicateGroup> m_groups;
    QHash<int, QString> m_names;
    int m_lastKept = 0;
};

} // namespace pellori::cleanup
