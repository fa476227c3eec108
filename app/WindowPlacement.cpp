#include "app/WindowPlacement.h"

#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "widgets/OuterGeometry.h"

#include <QWidget>

namespace pellori::placement {

namespace {
const QString kSection = QStringLiteral("MainWindow");
}

void OuterTarget::putIntoNormalState()
{
    m_window.setWindowState(m_window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void OuterTarget::maximize() { m_window.setWindowState(Qt::WindowMaximized); }
void OuterTarget::setOuterLeft(int left) { change([&](QRect& r) { r.moveLeft(left); }); }
void OuterTarget::setOuterTop(int top) { change([&](QRect& r) { r.moveTop(top); }); }
void OuterTarget::setOuterHeight(int height) { change([&](QRect& r) { r.setHeight(height); }); }
void OuterTarget::setOuterWidth(int width) { change([&](QRect& r) { r.setWidth(width); }); }

void OuterTarget::change(const std::function<void(QRect&)>& step)
{
    QRect r = m_outer.wanted();
    step(r);
    m_outer.setOuterRect(r);
}

void restore(const std::function<QString(const QString& key)>& read, const QSize& screen, Target& window)
{
    const QString state = read(QStringLiteral("WindowsState"));
    if (state == QLatin1String("wsNormal")) {
        window.putIntoNormalState();
        const int left = StrToInt(read(QStringLiteral("Left")));
        window.setOuterLeft(left);
        const int top = StrToInt(read(QStringLiteral("Top")));
        window.setOuterTop(top);
        const int height = StrToInt(read(QStringLiteral("Height")));
        window.setOuterHeight(height);
        const int width = StrToInt(read(QStringLiteral("Width")));
        window.setOuterWidth(width);
        // Only the right and bottom edges are held against the screen; in 64 bits, so
        // that a far-off saved edge cannot wrap round and pass.
        if (qint64(screen.width()) < qint64(left) + width) {
            window.setOuterLeft(kFallbackLeft);
            window.setOuterWidth(kFallbackWidth);
            window.putIntoNormalState();
        }
        if (qint64(screen.height()) < qint64(top) + height) {
            window.setOuterTop(kFallbackTop);
            window.setOuterHeight(kFallbackHeight);
            window.putIntoNormalState();
        }
    } else if (state == QLatin1String("wsMaximized")) {
        window.maximize();
    }
}

void saveSize(IniFile& ini, Qt::WindowStates state, const QSize& outer)
{
    if (!(state & (Qt::WindowMinimized | Qt::WindowFullScreen)))
        ini.writeString(kSection, QStringLiteral("WindowsState"),
                        (state & Qt::WindowMaximized) ? QStringLiteral("wsMaximized") : QStringLiteral("wsNormal"));
    ini.writeString(kSection, QStringLiteral("Height"), QString::number(outer.height()));
    ini.writeString(kSection, QStringLiteral("Width"), QString::number(outer.width()));
}

void savePosition(IniFile& ini, const QPoint& outerTopLeft)
{
    ini.writeString(kSection, QStringLiteral("Left"), QString::number(outerTopLeft.x()));
    ini.writeString(kSection, QStringLiteral("Top"), QString::number(outerTopLeft.y()));
}

} // namespace pellori::placement
