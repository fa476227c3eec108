#pragma once
// Where the main window stands: saved on the user's request into section
// MainWindow of the configuration file and restored once at start. Every
// rectangle here is the window's outer one, its frame included, as the file
// stores it; the window turns it into its own geometry once its frame is known.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class QWidget;

namespace pellori {

class IniFile;
class OuterGeometry;

namespace placement {

// Used when no saved placement applies, and when a saved one would reach
// beyond the screen's right or bottom edge.
inline constexpr QRect kBuiltIn{337, 306, 699, 398};
inline constexpr int kFallbackLeft = 321, kFallbackWidth = 634;
inline constexpr int kFallbackTop = 292, kFallbackHeight = 431;

// What restoring does to the window, step by step and in order, so that a
// conversion error part-way leaves exactly the steps before it done.
class Target {
public:
    virtual ~Target() = default;
    virtual void putIntoNormalState() = 0;
    virtual void maximize() = 0;
    virtual void setOuterLeft(int left) = 0;
    virtual void setOuterTop(int top) = 0;
    virtual void setOuterHeight(int height) = 0;
    virtual void setOuterWidth(int width) = 0;
};

// The steps done on a window through its outer rectangle.
class OuterTarget : public Target {
public:
    OuterTarget(QWidget& window, OuterGeometry& outer) : m_window(window), m_outer(outer) {}
    void putIntoNormalState() override;
    void maximize() override;
    void setOuterLeft(int left) override;
    void setOuterTop(int top) override;
    void setOuterHeight(int height) override;
    void setOuterWidth(int width) override;

private:
    void change(const std::function<void(QRect&)>& step);
    QWidget& m_window;
    OuterGeometry& m_outer;
};

// Reads WindowsState and, for "wsNormal", Left, Top, Height and Width (each
// through StrToInt, which throws on anything but a decimal integer), then holds
// the right and the bottom edge against the screen.
void restore(const std::function<QString(const QString& key)>& readMainWindowKey, const QSize& screen, Target& window);

// WindowsState ("wsNormal" or "wsMaximized"; left as it is for a minimised or
// full-screen window), then Height and Width of the outer size.
void saveSize(IniFile& ini, Qt::WindowStates state, const QSize& outer);
// Left, then Top of the outer rectangle.
void savePosition(IniFile& ini, const QPoint& outerTopLeft);

} // namespace placement
} // namespace pellori
