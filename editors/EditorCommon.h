#pragma once
// What the contact editors and the quick-add dialogs have in common: their
// font, the "?" menu, the four detail tabs, the decorative picture.
#include "editors/detail/DetailListConfig.h"
#include "resources/Pictures.h"

#include <QFont>
#include <QList>
#include <functional>

class QLabel;
class QMenu;
class QMenuBar;
class QTabWidget;
class QWidget;

namespace pellori {

class DetailList;
class Session;
class TLang;

namespace editor {

// The window font, 11 pixels high; the data fields use its bold form.
QFont windowFont();
QFont fieldFont();

// A caption label above its control.
QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top);
// The decorative picture at its place, in proportion.
QLabel* picture(QWidget* parent, Picture which, const QRect& place);

// The "?" menu: the main window's FAQ item, a separator, and Help, which shows
// the not-implemented notice owned by the window.
QMenu* addHelpMenu(QMenuBar* bar, Session& session, QWidget* window, const QString& title, const QString& helpText);

// The four detail lists as tabs, in their order, with their captions.
QList<DetailList*> addDetailTabs(QTabWidget* tabs, Variant variant, Session& session,
                                 const std::function<QVariant()>& contactKey);

} // namespace editor
} // namespace pellori
