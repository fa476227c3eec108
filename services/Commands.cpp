#include "services/Commands.h"

#include "services/CommandGuard.h"
#include "settings/Language.h"

#include <QAction>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace pellori {
namespace {

class KeysFromLineEdit : public QObject {
public:
    KeysFromLineEdit(QLineEdit* edit, QList<QAction*> commands) : QObject(edit), m_edit(edit), m_commands(commands) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) && m_edit->hasSelectedText())
            return false;
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* a : std::as_const(m_commands))
            if (a->isEnabled() && a->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* m_edit;
    QList<QAction*> m_commands;
};

} // namespace

CommandMenus::CommandMenus(std::vector<Command> rows, QMenuBar* bar, const QList<QMenu*>& contextMenus,
                           QWidget* window, std::function<void(const Command&)> run)
    : m_rows(std::move(rows))
{
    QHash<QString, QMenu*> menus;
    for (QMenu* menu : contextMenus)
        menus.insert(menu->objectName(), menu);
    QSet<QMenu*> inBar;   // the menu bar's menus and their submenus
    for (const Command& row : m_rows) {
        const QString name = QLatin1String(row.objectName);
        const QString text = row.text ? QString::fromLatin1(row.text) : TLang().text(QLatin1String(row.key));
        QMenu* parent = row.in ? menus.value(QLatin1String(row.in)) : nullptr;
        Q_ASSERT_X(!row.in || parent, row.objectName, "sits in a menu that no earlier row makes");
        if (row.separatorBefore && parent) {
            QAction* separator = parent->addSeparator();
            if (row.separatorName)
                separator->setObjectName(QLatin1String(row.separatorName));
        }
        if (row.isMenu) {
            QMenu* menu = parent ? parent->addMenu(text) : bar->addMenu(text);
            menu->setObjectName(name);
            menus.insert(name, menu);
            if (!parent || inBar.contains(parent))
                inBar.insert(menu);
            m_actions.push_back(menu->menuAction());
            continue;
        }
        // An item without a menu stands in the menu bar itself.
        QAction* action = parent ? parent->addAction(text) : bar->addAction(text);
        action->setObjectName(name);
        action->setShortcut(row.shortcut);
        if (row.shortcutWidget) {
            action->setShortcutContext(Qt::WidgetShortcut);
            window->findChild<QWidget*>(QLatin1String(row.shortcutWidget))->addAction(action);
        }
        if ((!parent || inBar.contains(parent)) && !row.shortcut.isEmpty() && !row.shortcutWidget)
            m_barShortcuts << action;
        onTriggered(action, window, [run, command = &row] { run(*command); });
        m_actions.push_back(action);
    }
}

void CommandMenus::replaceCaptions(const TLang& lang) const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const Command& row = m_rows[i];
        if (row.caption)
            m_actions[i]->setText(row.caption(lang));
        else if (row.key)
            m_actions[i]->setText(row.text ? lang.text(QLatin1String(row.key), QString::fromLatin1(row.text))
                                           : lang.text(QLatin1String(row.key)));
    }
}

void CommandMenus::updateEnabled(bool mayChange) const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const Command& row = m_rows[i];
        m_actions[i]->setEnabled((mayChange || row.forReaders) && (!row.available || row.available()));
    }
}

void CommandMenus::takeKeysFrom(QLineEdit* edit) const
{
    edit->installEventFilter(new KeysFromLineEdit(edit, m_barShortcuts));
}

QAction* CommandMenus::action(const char* objectName) const
{
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (qstrcmp(m_rows[i].objectName, objectName) == 0)
            return m_actions[i];
    return nullptr;
}

QMenu* CommandMenus::menu(const char* objectName) const
{
    QAction* action = this->action(objectName);
    return action ? action->menu() : nullptr;
}

} // namespace pellori
