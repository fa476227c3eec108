#include "widgets/OuterGeometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace pellori {

OuterGeometry::OuterGeometry(QWidget* window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

QMargins OuterGeometry::frameOf(const QWidget* window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

QMargins OuterGeometry::frame() const { return m_frameSource ? m_frameSource() : frameOf(m_window); }

QRect OuterGeometry::outerRect() const
{
    const QMargins f = frame();
    return QRect(m_window->pos(), m_window->size().grownBy(f));
}

void OuterGeometry::setOuterRect(const QRect& outer)
{
    m_wanted = outer;
    m_tracking = true;
    apply();
}

void OuterGeometry::apply()
{
    if (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return;
    m_appliedWith = frame();
    const QRect inner = innerRect(m_wanted, m_appliedWith);
    if (m_fixed)
        m_window->setFixedSize(inner.size());
    else
        m_window->resize(inner.size());
    m_window->move(m_wanted.topLeft());   // move() places the frame's top left corner
    if (!m_appliedWith.isNull())
        m_tracking = false;   // the frame is known: from now on the user places the window
}

bool OuterGeometry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && m_tracking) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            if (frame() != m_appliedWith || event->type() == QEvent::Show)
                apply();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void centreOnWorkArea(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place = window->rect();
        place.moveCenter(screen->availableGeometry().center());
        window->move(place.topLeft());
    }
}

} // namespace pellori
