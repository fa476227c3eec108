#include "app/MainLayout.h"

#include <QtGlobal>

namespace pellori::mainlayout {
namespace {

constexpr int kLeft = 8;
constexpr int kRightMargin = 12;
// The top row at its full width ends at the group search button's right edge.
constexpr int kScopeWidth = 105, kLeastScopeWidth = 80, kSearchWidth = 121, kLeastSearchWidth = 72;
constexpr int kTopRowRight = 683 + kScopeWidth + 7;
constexpr int kLabelWidth = 142, kGap = 21, kLeastGap = 7, kGroupsWidth = 145, kLeastGroupsWidth = 96;

} // namespace

Places places(const QSize& client, int labelWidth)
{
    int deficit = qMax(0, kTopRowRight + kLeft - client.width());
    const auto give = [&deficit](int full, int least) {
        const int taken = qMin(deficit, full - least);
        deficit -= taken;
        return full - taken;
    };
    const int label = give(kLabelWidth, qMin(kLabelWidth, labelWidth));
    const int gap = give(kGap, kLeastGap);
    const int groups = give(kGroupsWidth, kLeastGroupsWidth);
    const int search = give(kSearchWidth, kLeastSearchWidth);
    const int scope = give(kScopeWidth, kLeastScopeWidth);
    Places p;
    int x = kLeft;
    p.displayAll = QRect(x, 6, 75, 25);
    x += 75 + 5;
    p.label = QRect(x, 12, label, 13);
    x += label + 2;
    p.search = QRect(x, 8, search, 21);
    x += search + kLeastGap;
    // The scope of the search, right beside its box.
    p.scope = QRect(x, 8, scope, 21);
    x += scope + kLeastGap;
    p.searchButton = QRect(x, 6, 75, 25);
    x += 75 + gap;
    p.groups = QRect(x, 8, groups, 21);
    x += groups + kLeastGap;
    p.groupSearch = QRect(x, 6, 75, 25);
    p.grid = QRect(kLeft, kGridTop, qMax(0, client.width() - kLeft - kRightMargin),
                   qMax(0, client.height() - kGridTop - kGridBottomMargin));
    return p;
}

int minimumWidth(int labelWidth)
{
    // The full row less what the label, the group box, the search box and
    // its scope can give up, and the wide gap closed to the usual one.
    return kTopRowRight + kLeft - (kLabelWidth - labelWidth) - (kGroupsWidth - kLeastGroupsWidth) - (kGap - kLeastGap)
           - (kSearchWidth - kLeastSearchWidth) - (kScopeWidth - kLeastScopeWidth);
}

} // namespace pellori::mainlayout
