#include "services/ContextMenu.h"

#include <QAbstractScrollArea>
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

void attachContextMenu(QWidget* widget, QMenu* menu)
{
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu, [widget, menu](const QPoint& pos) {
        auto* area = qobject_cast<QAbstractScrollArea*>(widget);
        showContextMenu(menu, (area ? area->viewport() : widget)->mapToGlobal(pos));
    });
}

} // namespace pellori
