#pragma once
// A top-level window's outer rectangle, its frame included, which is what the
// configuration file stores and what the screen's edges are held against. The
// window manager frames a window only some time after it is shown, so the
// wanted outer rectangle is kept and applied again once the frame is known.
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace pellori {

class OuterGeometry : public QObject {
    Q_OBJECT
public:
    explicit OuterGeometry(QWidget* window);

    // Applies the rectangle now and again whenever the frame turns out to differ
    // from the one it was applied with, until the frame is known.
    void setOuterRect(const QRect& outer);
    QRect wanted() const { return m_wanted; }
    // The window keeps the client size it is given: its border cannot be dragged.
    void setFixedSize(bool on) { m_fixed = on; }
    // The window's outer rectangle as it stands: its position (which is the
    // frame's) and its size with the frame.
    QRect outerRect() const;
    // The window's frame as the window manager gives it.
    QMargins frame() const;
    // Stands in for the window manager's frame (tests run without one).
    void setFrameSource(std::function<QMargins()> source) { m_frameSource = std::move(source); }

    // The window's client geometry for an outer rectangle and a frame.
    static QRect innerRect(const QRect& outer, const QMargins& frame)
    {
        return outer.marginsRemoved(frame);
    }
    static QMargins frameOf(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();
    QWidget* m_window;
    QRect m_wanted;
    QMargins m_appliedWith;
    bool m_tracking = false;
    bool m_fixed = false;
    std::function<QMargins()> m_frameSource;
};

// The rectangle moved, and where it is larger than the work area made smaller
// (not below minimum), so that it lies on the work area; one that lies there
// already stays as it is. Every geometry here is in Qt's device-independent
// pixels, which is what the configuration file stores too, so the rule holds
// at any scale of the screen (QT_SCALE_FACTOR).
QRect keptInside(const QRect& outer, const QRect& workArea, const QSize& minimum = QSize());

// The work area (the screen less panels and docks) of the screen the window is on.
QRect workAreaOf(const QWidget* window);

// The frame the window manager gives the window: its own once it has one,
// otherwise that of a framed window of the program, as it will likely get the same.
QMargins expectedFrame(const QWidget* window);

// A client area of a fixed size, placed on its controls' pixel positions, as
// the content of a window that may turn out smaller than it: then it scrolls.
// The scrolling frame itself takes no focus.
QWidget* scrollingWhenCramped(QWidget* client, const QSize& size);
// The window gets the size, fixed; where its screen's work area (less the
// expected frame) is smaller, it gets what the work area holds, and may be
// resized up to the size.
void fixSizeOnWorkArea(QWidget* window, const QSize& size);

// From now on every window the program shows, its frame included, opens on
// the work area of its screen: one that reaches beyond it is moved, and made
// smaller when it can be resized. Windows with an OuterGeometry are left to it.
void keepWindowsOnWorkArea();

// Moves a window of a fixed border to the middle of its screen's work area,
// frame included; a window larger than the work area keeps its top left corner there.
void centreOnWorkArea(QWidget* window);

} // namespace pellori
