#pragma once
// The main window's client area: the top row of search controls and the
// contact grid below it, which is anchored to all four sides. The top row
// keeps its built-in places while there is room; narrower, the label, the
// wide gap before the group box, the group box, the search box and its scope
// give up room, in that order.
#include <QRect>
#include <QSize>

namespace pellori::mainlayout {

struct Places {
    QRect displayAll, label, search, scope, searchButton, groups, groupSearch, grid;
};

// The client area of the built-in window size.
inline constexpr QSize kBuiltInClient{691, 341};
// Where the grid begins, and its distance from the bottom edge.
inline constexpr int kGridTop = 40;
inline constexpr int kGridBottomMargin = 12;

// labelWidth: what the label's text needs.
Places places(const QSize& client, int labelWidth);
// The narrowest client area that keeps the top row whole.
int minimumWidth(int labelWidth);

} // namespace pellori::mainlayout
