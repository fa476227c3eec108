#pragma once
// Shows a context menu. Opened from the keyboard (the Menu key, Shift+F10) its
// first item is highlighted, so that Enter chooses it as a mouse click would.
#include <QPoint>

class QMenu;

namespace pellori {

void showContextMenu(QMenu* menu, const QPoint& globalPos);

} // namespace pellori
