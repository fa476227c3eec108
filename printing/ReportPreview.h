#pragma once
// The engine's preview with the program's services: its print dialog, printer
// setup, file choice and messages go through the message service, and its
// commands through the command guard.
#include "printing/engine/PreviewDialog.h"

class QWidget;

namespace pellori::reports {

report::PreviewServices previewServices();
// Lays out the first page, then shows the preview modally (execModal) until it closes.
int showPreview(report::Report& report, QWidget* parent);

} // namespace pellori::reports
