#include "printing/postal/LabelSheet.h"

namespace pellori::postal {

namespace {

// A4 sheets, the labels centred on the paper.
const LabelSheet kPresets[] = {
    {.id = "3x8", .columns = 3, .rows = 8, .labelWidthMm = 70, .labelHeightMm = 37, .leftMm = 0, .topMm = 0.5},
    {.id = "3x7", .columns = 3, .rows = 7, .labelWidthMm = 70, .labelHeightMm = 42.3, .leftMm = 0, .topMm = 0.45},
    {.id = "2x8", .columns = 2, .rows = 8, .labelWidthMm = 105, .labelHeightMm = 37, .leftMm = 0, .topMm = 0.5},
    {.id = "3x10", .columns = 3, .rows = 10, .labelWidthMm = 63.5, .labelHeightMm = 25.4, .leftMm = 7.25,
     .topMm = 21.5, .gapXMm = 2.5},
};

constexpr double kMinWidthMm = 25, kMinHeightMm = 10;
// Decimal measures add up with rounding errors; a sheet that fits exactly fits.
constexpr double kSlackMm = 1e-6;

} // namespace

QRectF LabelSheet::labelRect(int index) const
{
    const int column = index % columns, row = index / columns;
    return QRectF(leftMm + column * (labelWidthMm + gapXMm), topMm + row * (labelHeightMm + gapYMm), labelWidthMm,
                  labelHeightMm);
}

std::span<const LabelSheet> labelPresets() { return kPresets; }

const LabelSheet* labelPreset(const QString& id)
{
    for (const LabelSheet& s : kPresets)
        if (s.id == id)
            return &s;
    return nullptr;
}

SheetProblem checkSheet(const LabelSheet& s)
{
    if (s.columns < 1 || s.rows < 1 || s.labelWidthMm < kMinWidthMm || s.labelHeightMm < kMinHeightMm)
        return SheetProblem::LabelTooSmall;
    const QRectF last = s.labelRect(s.labels() - 1);
    if (s.leftMm < 0 || s.topMm < 0 || s.gapXMm < 0 || s.gapYMm < 0 || last.right() > s.paperWidthMm + kSlackMm
        || last.bottom() > s.paperHeightMm + kSlackMm)
        return SheetProblem::DoesNotFit;
    return SheetProblem::None;
}

} // namespace pellori::postal
