#pragma once
// A top-level window's outer rectangle, its frame included, which is what the
// configuration file stores and what the screen's edges are held against. The
// window manager frames a window only some time after it is shown, so the
// wanted outer rectangle is kept and applied again once the frame is known.
#include <QMargins>
#include <QObject>
#include <QRect>
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

// Moves a window of a fixed border to the middle of the primary screen's work area.
void centreOnWorkArea(QWidget* window);

} // namespace pellori
