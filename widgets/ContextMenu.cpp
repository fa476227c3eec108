#include "widgets/ContextMenu.h"

#include <QGuiApplication>
#include <QMenu>

namespace pellori {

void showContextMenu(QMenu* menu, const QPoint& globalPos)
{
    menu->popup(globalPos);
    // No mouse button down: the keyboard asked for it.
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    for (QAction* action : menu->actions())
        if (action->isEnabled() && !action->isSeparator() && action->isVisible()) {
            menu->setActiveAction(action);
            return;
        }
}

} // namespace pellori
