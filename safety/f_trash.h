#pragma once
// System > Trash...: the deleted contacts, newest first, with the date of the
// delete (and on a shared book who deleted them); Restore, Delete for good,
// Empty trash (which a user who may only read the book is not offered).
#include "safety/Trash.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QTableWidget;

namespace pellori {

class Session;
class UndoDeletes;

class Tf_trash : public QDialog {
    Q_OBJECT
public:
    Tf_trash(QWidget* owner, Session& session, Trash& trash, UndoDeletes* undo);

    // The contact restored last while the window was open, 0 when none.
    int lastRestored() const { return m_lastRestored; }

    QTableWidget* grid_trash;
    QPushButton* btn_restore;
    QPushButton* btn_purge;
    QPushButton* btn_empty;
    QPushButton* btn_close;

private:
    void reload();
    const TrashEntry* current() const;
    void btn_restoreClick();
    void btn_purgeClick();
    void btn_emptyClick();

    Session& m_session;
    Trash& m_trash;
    UndoDeletes* m_undo;
    bool m_showUser;
    bool m_mayChange;
    QList<TrashEntry> m_entries;
    int m_lastRestored = 0;
};

} // namespace pellori
