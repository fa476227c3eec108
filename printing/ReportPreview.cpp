#include "printing/ReportPreview.h"

#include "services/CommandGuard.h"
#include "services/MessageService.h"

namespace pellori::reports {

report::PreviewServices previewServices()
{
    return {
        .runModal = [](QDialog* dialog) { return execModal(dialog); },
        .chooseSaveFile =
            [](QWidget* parent, const QString& caption, const QString& filter, const QString& name) {
                return MessageService::instance().chooseSaveFile(parent, caption, filter, name);
            },
        .showMessage = [](QWidget* parent, const QString& text) { showMessage(parent, text); },
        .guard = [](const std::function<void()>& command) { return guarded(command); },
    };
}

int showPreview(report::Report& report, QWidget* parent)
{
    report::PreviewDialog preview(report, previewServices(), parent);
    return execModal(&preview);
}

} // namespace pellori::reports
