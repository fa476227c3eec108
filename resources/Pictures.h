#pragma once
// The program's own pictures, drawn as SVG and rendered at the size a window
// shows them, so they stay sharp at any size and screen pixel ratio.
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace pellori {

enum class Picture {
    Icon,    // the application's icon, square
    Person,  // person editor (137 by 185) and quick-add person dialog (89 by 121)
    Company, // company editor and quick-add company dialog (161 by 121)
    Emblem,  // about window (249 by 169)
};

// The picture scaled into size in proportion and centred on a transparent
// ground. size is in device-independent pixels; the pixmap carries the
// application's pixel ratio. An empty size gives a null pixmap.
QPixmap pelloriPicture(Picture which, QSize size);

// The application's icon at the sizes window frames and task bars ask for.
QIcon pelloriIcon();

} // namespace pellori
