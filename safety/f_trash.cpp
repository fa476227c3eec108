#include "safety/f_trash.h"

#include "data/Connection.h"
#include "data/FieldValue.h"
#include "safety/TrashCommands.h"
#include "services/CommandGuard.h"
#include "services/Session.h"
#include "settings/Language.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pellori {

Tf_trash::Tf_trash(QWidget* owner, Session& session, Trash& trash, UndoDeletes* undo)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_session(session), m_trash(trash), m_undo(undo),
      m_showUser(trashcommands::sharedBook(session.connection().databaseName())), m_mayChange(session.canWrite())
{
    const TLang& lang = session.lang();
    setObjectName(QStringLiteral("f_trash"));
    setWindowTitle(lang.text(QStringLiteral("trash_caption")));
    resize(560, 360);

    grid_trash = new QTableWidget(this);
    grid_trash->setObjectName(QStringLiteral("grid_trash"));
    QStringList titles{lang.text(QStringLiteral("trash_colname")), lang.text(QStringLiteral("trash_coldeleted"))};
    if (m_showUser)
        titles << lang.text(QStringLiteral("trash_coluser"));
    grid_trash->setColumnCount(int(titles.size()));
    grid_trash->setHorizontalHeaderLabels(titles);
    grid_trash->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_trash->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_trash->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_trash->verticalHeader()->hide();
    grid_trash->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_trash->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    const auto button = [this](QPushButton*& b, const char* name, const QString& text) {
        b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
    };
    button(btn_restore, "btn_restore", lang.text(QStringLiteral("trash_restore")));
    button(btn_purge, "btn_purge", lang.text(QStringLiteral("trash_purge")));
    button(btn_empty, "btn_empty", lang.text(QStringLiteral("trash_empty")));
    button(btn_close, "btn_close", lang.text(QStringLiteral("close")));
    btn_restore->setDefault(true);
    onClicked(btn_restore, this, [this] { btn_restoreClick(); });
    onClicked(btn_purge, this, [this] { btn_purgeClick(); });
    onClicked(btn_empty, this, [this] { btn_emptyClick(); });
    connect(btn_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(grid_trash, &QTableWidget::cellDoubleClicked, this, [this] {
        if (btn_restore->isEnabled())
            guarded([this] { btn_restoreClick(); });
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn_restore);
    buttons->addWidget(btn_purge);
    buttons->addWidget(btn_empty);
    buttons->addStretch();
    buttons->addWidget(btn_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_trash, 1);
    layout->addLayout(buttons);

    reload();
    grid_trash->setFocus();
}

void Tf_trash::reload()
{
    const int keep = grid_trash->currentRow();
    m_entries = m_trash.entries();
    grid_trash->setRowCount(int(m_entries.size()));
    for (int r = 0; r < m_entries.size(); ++r) {
        const TrashEntry& e = m_entries[r];
        QStringList cells{e.name, value::formatDate(e.deleted.date()) + QLatin1Char(' ')
                                      + e.deleted.time().toString(QStringLiteral("HH:mm"))};
        if (m_showUser)
            cells << e.user;
        for (int c = 0; c < cells.size(); ++c)
            grid_trash->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    if (!m_entries.isEmpty())
        grid_trash->setCurrentCell(qBound(0, keep, int(m_entries.size()) - 1), 0);
    const bool any = m_mayChange && !m_entries.isEmpty();
    btn_restore->setEnabled(any);
    btn_purge->setEnabled(any);
    btn_empty->setEnabled(any);
}

const TrashEntry* Tf_trash::current() const
{
    const int r = grid_trash->currentRow();
    return r >= 0 && r < m_entries.size() ? &m_entries[r] : nullptr;
}

void Tf_trash::btn_restoreClick()
{
    const TrashEntry* e = current();
    if (!e)
        return;
    const TrashEntry entry = *e;
    if (const int key = trashcommands::restore(m_session, m_trash, this, entry)) {
        m_lastRestored = key;
        if (m_undo)
            m_undo->forget(entry.id);
    }
    reload();
}

void Tf_trash::btn_purgeClick()
{
    const TrashEntry* e = current();
    if (!e)
        return;
    const TrashEntry entry = *e;
    if (trashcommands::purge(m_session, m_trash, this, entry) && m_undo)
        m_undo->forget(entry.id);
    reload();
}

void Tf_trash::btn_emptyClick()
{
    const QList<TrashEntry> shown = m_entries;
    if (trashcommands::empty(m_session, m_trash, this, shown) && m_undo)
        for (const TrashEntry& e : shown)
            m_undo->forget(e.id);
    reload();
}

} // namespace pellori
