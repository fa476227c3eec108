#pragma once
// Shows a context menu. Opened from the keyboard (the Menu key, Shift+F10) its
// first item is highlighted, so that Enter chooses it as a mouse click would.
#include <QPoint>

class QMenu;
class QWidget;

namespace pellori {

void showContextMenu(QMenu* menu, const QPoint& globalPos);
// The widget's context menu, shown as above where it is asked for (within a
// scroll area's viewport for grids and lists).
void attachContextMenu(QWidget* widget, QMenu* menu);

} // namespace pellori
