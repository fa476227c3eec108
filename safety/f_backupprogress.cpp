#include "safety/f_backupprogress.h"

#include <QCoreApplication>

namespace pellori {

Tf_backupprogress::Tf_backupprogress(QWidget* owner, const QString& label, int tables)
    : QProgressDialog(label, QString(), 0, tables, owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_label(label)
{
    setObjectName(QStringLiteral("f_backupprogress"));
    setWindowTitle(QCoreApplication::applicationName());
    setWindowModality(Qt::ApplicationModal);
    setCancelButton(nullptr);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    setMinimumDuration(0);
    setValue(0);
    forceShow();
    m_sincePump.start();
}

void Tf_backupprogress::line(const QString& text)
{
    // gbak names each table as it starts on its rows.
    if (text.contains(QLatin1String("data for table")) && m_done < maximum())
        ++m_done;
    if (m_sincePump.elapsed() < 40 && m_done < maximum())
        return;
    setLabelText(m_label + QStringLiteral("\n") + text.trimmed());
    setValue(maximum() > 0 ? m_done : 0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePump.restart();
}

} // namespace pellori
