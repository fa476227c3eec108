#include "widgets/URLLabel.h"

#include "services/MessageService.h"

#include <QMouseEvent>
#include <QUrl>

namespace pellori {

TURLLabel::TURLLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    QFont linkFont(QStringLiteral("Verdana"));
    linkFont.setPixelSize(13);
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
}

void TURLLabel::setUrl(const QString& url)
{
    setText(url);
    m_mail = url.contains(QLatin1Char('@'));
    const QString head = url.left(7);
    if (head.compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0
        || head.compare(QLatin1String("mailto:"), Qt::CaseInsensitive) == 0)
        m_address = url.mid(7);
    else
        m_address = url;
}

QString TURLLabel::target() const
{
    return (m_mail ? QStringLiteral("mailto:") : QStringLiteral("http://")) + m_address;
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        MessageService::instance().openUrl(QUrl(target(), QUrl::TolerantMode));
}

} // namespace pellori
