#include "resources/Pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace pellori {
namespace {

QString resourcePath(Picture which)
{
    switch (which) {
    case Picture::Icon: return QStringLiteral(":/pellori/pictures/pellori.svg");
    case Picture::Person: return QStringLiteral(":/pellori/pictures/person.svg");
    case Picture::Company: return QStringLiteral(":/pellori/pictures/company.svg");
    case Picture::Emblem: return QStringLiteral(":/pellori/pictures/emblem.svg");
    }
    return {};
}

} // namespace

QPixmap pelloriPicture(Picture which, QSize size)
{
    if (size.isEmpty())
        return {};
    QSvgRenderer renderer(resourcePath(which));
    if (!renderer.isValid())
        return {};

    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);

    // Fit the drawing's own proportions into size, centred.
    const QSizeF drawn = renderer.viewBoxF().size().scaled(QSizeF(size), Qt::KeepAspectRatio);
    const QRectF target(QPointF((size.width() - drawn.width()) / 2, (size.height() - drawn.height()) / 2), drawn);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, target);
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon pelloriIcon()
{
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(pelloriPicture(Picture::Icon, QSize(side, side)));
    return icon;
}

} // namespace pellori
