#pragma once
// What the contact editors and the quick-add dialogs have in common: their
// window and font, the decorative picture.
#include "resources/Pictures.h"

#include <QFont>

class QDialog;
class QLabel;
class QWidget;

namespace pellori {

namespace editor {

// The window font, 11 pixels high; the data fields use its bold form.
QFont windowFont();
QFont fieldFont();
// The fixed window's name, caption, frame (title and close box only) and font.
void setUpWindow(QDialog* window, const QString& objectName, const QString& caption);

// A caption label above its control.
QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top);
// The decorative picture at its place, in proportion.
QLabel* picture(QWidget* parent, Picture which, const QRect& place);

} // namespace editor
} // namespace pellori
