#pragma once
// Sheets of labels: the four common A4 sheets and sizes of the user's own,
// and where each label of a sheet lies. Labels are counted along the rows,
// from the top left, from 0.
#include <QRectF>
#include <QString>
#include <span>

namespace pellori::postal {

struct LabelSheet {
    QString id;                        // a preset's, or "custom"
    int columns = 3, rows = 8;
    double labelWidthMm = 70, labelHeightMm = 37;
    double leftMm = 0, topMm = 0.5;    // of the first label, from the paper's edges
    double gapXMm = 0, gapYMm = 0;     // between labels
    double paperWidthMm = 210, paperHeightMm = 297;

    int labels() const { return columns * rows; }
    QRectF labelRect(int index) const;
};

inline constexpr const char* kCustomSheet = "custom";

// 3 x 8 of 70 x 37 mm, 3 x 7 of 70 x 42.3 mm, 2 x 8 of 105 x 37 mm and 3 x 10 of
// 63.5 x 25.4 mm, each centred on A4.
std::span<const LabelSheet> labelPresets();
// The preset of that id; nullptr for any other.
const LabelSheet* labelPreset(const QString& id);

enum class SheetProblem { None, LabelTooSmall, DoesNotFit };
// Labels must hold a few lines (at least 25 x 10 mm), and the sheet must hold them
// all with their margins and gaps.
SheetProblem checkSheet(const LabelSheet& sheet);

} // namespace pellori::postal
