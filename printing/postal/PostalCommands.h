#pragma once
// The commands of the Print menu's labels, envelopes and phone list. Each asks
// which contacts (and the sheet or envelope), remembers the choice in
// Pellori.ini, and shows the pages in the print preview, from which the user
// prints or exports a PDF. `shownIds` are the keys of the contacts the list
// shows now, in its order. Database errors leave the command for the caller's
// command guard to report.
#include <QList>
#include <span>

class QWidget;

namespace pellori {

class Session;

void printLabels(Session& session, QWidget* owner, const QList<int>& shownIds);
void printEnvelopes(Session& session, QWidget* owner, const QList<int>& shownIds);
void printPhoneList(Session& session, QWidget* owner, const QList<int>& shownIds);

// The three as menu rows, in menu order: the item's name, its caption's catalogue key.
struct PostalCommand {
    const char* objectName;
    const char* captionKey;
    void (*run)(Session& session, QWidget* owner, const QList<int>& shownIds);
};
std::span<const PostalCommand> postalCommands();
// The submenu's title key.
inline constexpr const char* kPostalMenuKey = "postal_menu";

} // namespace pellori
