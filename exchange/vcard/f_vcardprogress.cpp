#include "exchange/vcard/f_vcardprogress.h"

#include <QCoreApplication>

namespace pellori {

namespace {
// Often enough for the bar to move smoothly and a click on Cancel to count
// at once; rarely enough to cost the import nothing worth measuring.
constexpr qint64 kPumpEveryMs = 40;
} // namespace

Tf_vcardprogress::Tf_vcardprogress(QWidget* owner, const QString& label, const QString& cancelText, int total)
    : QProgressDialog(label, cancelText, 0, total, owner,
                      Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("f_vcardprogress"));
    setWindowTitle(QCoreApplication::applicationName());
    setWindowModality(Qt::ApplicationModal);
    setAutoClose(false);
    setAutoReset(false);
    // Wide enough for the window's caption in the title bar.
    setMinimumWidth(fontMetrics().averageCharWidth() * 52);
    setMinimumDuration(0);
    setValue(0);
    // Shown at once: it is made only for imports long enough to need it, and
    // from now on every value it is given lets the pending events through.
    forceShow();
    m_sincePump.start();
}

bool Tf_vcardprogress::step(int done)
{
    if (done >= maximum() || m_sincePump.elapsed() >= kPumpEveryMs) {
        // A modal progress dialog handles the pending events itself here.
        setValue(done);
        m_sincePump.restart();
    }
    return !wasCanceled();
}

} // namespace pellori
