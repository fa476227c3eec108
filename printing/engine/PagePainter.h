#pragma once
// The one painting of a laid-out page, for the preview, the printer and PDF
// files alike: millimetres become device pixels at the device's resolution.
#include "printing/engine/ReportLayout.h"

#include <QImage>

class QPainter;
class QPrinter;

namespace pellori::report {

// Paints the page with the paper's top left corner at the painter's origin.
void paintPage(QPainter& painter, const Page& page);
// The page as an image at `dpi` dots per inch, on white paper.
QImage renderPage(const Page& page, const PageSetup& setup, int dpi);

// Paper size, orientation, whole-paper coordinates, job name and copies of the report.
void setUpPrinter(QPrinter& printer, const Report& report);
// Prints pages `from` to `to` (from 1) as often as the printer's copy count asks,
// unless the printer makes the copies itself. False when the printer cannot start.
bool printPages(QPrinter& printer, const ReportLayout& layout, int from, int to);

} // namespace pellori::report
