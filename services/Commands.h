#pragma once
// A window's commands as one table: each row is a menu or a menu item, with
// its name, built-in caption, catalogue key, shortcut, the menu it sits in,
// its handler and what the window's list does afterwards. The menu bar, the
// context menus, the shortcuts and the captions from the catalogue are built
// from the rows; every item runs through one function of the window, which
// applies "afterwards". A new command is one row and one handler (and its
// catalogue key).
#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <type_traits>
#include <vector>

class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QWidget;

namespace pellori {

class TLang;

// What a window's list does after a command.
enum class Afterwards {
    Nothing,
    Reread,            // read again, on the row it stood on
    RereadAndLocate,   // read again, on the contact the command names, else back on the one that was current
    RereadToLast,      // read again, on the contact the command made, else on the last row
};

// A command's handler: a callable taking nothing, or taking `int& named`,
// which it sets to the key of what it made or names (0: nothing).
class CommandHandler {
public:
    CommandHandler() = default;
    template <typename F>
        requires std::is_invocable_v<F&> || std::is_invocable_v<F&, int&>
    CommandHandler(F f)
    {
        if constexpr (std::is_invocable_v<F&, int&>)
            m_run = std::move(f);
        else
            m_run = [f = std::move(f)](int&) mutable { f(); };
    }
    void operator()(int& named) const { m_run(named); }
    explicit operator bool() const { return bool(m_run); }

private:
    std::function<void(int&)> m_run;
};

struct Command {
    const char* objectName;
    const char* text = nullptr;             // built-in caption; none: the catalogue's built-in text of the key
    const char* key = nullptr;              // catalogue key of the caption; none: the built-in caption stays
    const char* in = nullptr;               // the menu it sits in (a menu row's or a context menu's name); none: the menu bar
    bool isMenu = false;                    // a menu that later rows sit in
    bool separatorBefore = false;
    const char* separatorName = nullptr;    // that separator's objectName, where it has one
    QKeySequence shortcut = {};
    const char* shortcutWidget = nullptr;   // the shortcut works only while this widget (by name) has the focus
    std::function<QString(const TLang&)> caption = {};   // a composed caption, instead of the key's text
    CommandHandler run = {};
    Afterwards afterwards = Afterwards::Nothing;
    // "Afterwards" also when the command failed: a window it showed may have changed the book first.
    bool alsoAfterFailure = false;
    // Whether a user who may only read the book (a reader of a shared book) may run it:
    // false for every command that changes the book. A menu row holds for its items.
    bool forReaders = true;
    // Offered only while this holds (asked again after every command); none: always.
    std::function<bool()> available = {};
};

// The menus and items built from a table, kept with their rows.
class CommandMenus {
public:
    // Builds every row into the menu bar or the context menu it sits in, in
    // table order; each item runs `run` with its row, through the command guard.
    CommandMenus(std::vector<Command> rows, QMenuBar* bar, const QList<QMenu*>& contextMenus, QWidget* window,
                 std::function<void(const Command&)> run);

    // Every caption from the catalogue.
    void replaceCaptions(const TLang& lang) const;
    // Enables the rows a user may run now: with `mayChange` false only those
    // for readers, and of those only the ones whose `available` holds.
    void updateEnabled(bool mayChange) const;
    QAction* action(const char* objectName) const;
    QMenu* menu(const char* objectName) const;
    // A line edit claims Ctrl+C, Ctrl+D, Ctrl+E and more for itself (copy,
    // delete, end of line). In `edit` the menu bar's commands on such keys come
    // first while they are enabled; only with text selected, Ctrl+C copies it.
    void takeKeysFrom(QLineEdit* edit) const;

private:
    std::vector<Command> m_rows;
    std::vector<QAction*> m_actions;   // per row: the item, or the menu's own action
    QList<QAction*> m_barShortcuts;
};

} // namespace pellori
