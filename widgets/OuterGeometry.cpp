#include "widgets/OuterGeometry.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
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
    // Wherever it was saved or built in, the window opens on the work area.
    const QSize minimum = m_fixed ? QSize() : m_window->minimumSize().grownBy(m_appliedWith);
    const QRect outer = keptInside(m_wanted, workAreaOf(m_window), minimum);
    const QRect inner = innerRect(outer, m_appliedWith);
    if (m_fixed)
        m_window->setFixedSize(inner.size());
    else
        m_window->resize(inner.size());
    m_window->move(outer.topLeft());   // move() places the frame's top left corner
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

QRect keptInside(const QRect& outer, const QRect& workArea, const QSize& minimum)
{
    const QSize size = outer.size().boundedTo(workArea.size()).expandedTo(minimum);
    // A window larger than the work area keeps its top left corner, and so its title bar, on it.
    const int left = qMax(workArea.left(), qMin(outer.left(), workArea.left() + workArea.width() - size.width()));
    const int top = qMax(workArea.top(), qMin(outer.top(), workArea.top() + workArea.height() - size.height()));
    return QRect(QPoint(left, top), size);
}

QRect workAreaOf(const QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins expectedFrame(const QWidget* window)
{
    const QMargins own = OuterGeometry::frameOf(window);
    if (!own.isNull() || !window->isWindow())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && !(other->windowFlags() & Qt::FramelessWindowHint)
            && (other->windowType() == Qt::Window || other->windowType() == Qt::Dialog)) {
            const QMargins frame = OuterGeometry::frameOf(other);
            if (!frame.isNull())
                return frame;
        }
    }
    return {};
}

QWidget* scrollingWhenCramped(QWidget* client, const QSize& size)
{
    auto* area = new QScrollArea;
    area->setObjectName(client->objectName() + QStringLiteral("_scroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    client->setFixedSize(size);
    area->setWidget(client);
    // The control the keyboard reaches comes into view, whichever key moved the focus there.
    QObject::connect(qApp, &QApplication::focusChanged, area, [area, client](QWidget*, QWidget* now) {
        if (now && client->isAncestorOf(now))
            area->ensureWidgetVisible(now, 16, 16);
    });
    return area;
}

void fixSizeOnWorkArea(QWidget* window, const QSize& size)
{
    const QRect work = workAreaOf(window);
    const QSize room = work.isEmpty() ? size : work.size().shrunkBy(expectedFrame(window));
    if (size.width() <= room.width() && size.height() <= room.height()) {
        window->setFixedSize(size);
        return;
    }
    window->setMinimumSize(QSize(qMin(size.width(), 200), qMin(size.height(), 150)));
    window->setMaximumSize(size);
    window->resize(size.boundedTo(room));
}

namespace {

void keepOnWorkArea(QWidget* window)
{
    if (!window->isVisible() || (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QMargins frame = expectedFrame(window);
    const QRect outer(window->pos(), window->size().grownBy(frame));
    const bool resizable = window->minimumSize() != window->maximumSize();
    const QRect kept =
        keptInside(outer, workAreaOf(window), resizable ? window->minimumSize().grownBy(frame) : outer.size());
    if (kept == outer)
        return;
    if (kept.size() != outer.size())
        window->resize(kept.size().shrunkBy(frame));
    window->move(kept.topLeft());
}

class WorkAreaKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (!w->isWindow() || (w->windowType() != Qt::Window && w->windowType() != Qt::Dialog)
                || w->findChild<OuterGeometry*>(QString(), Qt::FindDirectChildrenOnly))
                return false;
            // Once when shown, after the toolkit's own placement, which follows the Show; and
            // again when the window manager's frame turns out other than expected.
            const char* const untilFramed = "pellori_keptUntilFramed";
            if (type == QEvent::Show)
                w->setProperty(untilFramed, true);
            else if (!w->property(untilFramed).toBool() || OuterGeometry::frameOf(w).isNull())
                return false;
            else
                w->setProperty(untilFramed, false);
            QTimer::singleShot(0, w, [w] { keepOnWorkArea(w); });
        }
        return false;
    }
};

} // namespace

void keepWindowsOnWorkArea()
{
    static WorkAreaKeeper* keeper = nullptr;
    if (keeper)
        return;
    keeper = new WorkAreaKeeper(qApp);
    qApp->installEventFilter(keeper);
}

void centreOnWorkArea(QWidget* window)
{
    const QRect work = workAreaOf(window);
    if (work.isEmpty())
        return;
    QRect outer(QPoint(), window->size().grownBy(expectedFrame(window)));
    outer.moveCenter(work.center());
    window->move(keptInside(outer, work, outer.size()).topLeft());
}

} // namespace pellori
