#include "dialogs/f_copy.h"

#include "widgets/URLLabel.h"
#include "widgets/Vendor.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

namespace pellori {
namespace {

QFont pixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel* textLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

} // namespace

QPixmap Tf_copyright::emblem()
{
    QPixmap pixmap(249, 169);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // An open address book: two pages with a ring binding, an initial on the right page.
    const QColor cover(0x1f, 0x4e, 0x8c);
    p.setPen(Qt::NoPen);
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(18, 14, 213, 141), 10, 10);
    p.setBrush(QColor(0xf4, 0xf1, 0xe8));
    p.drawRect(QRectF(28, 22, 92, 125));
    p.drawRect(QRectF(129, 22, 92, 125));

    p.setPen(QPen(QColor(0x9a, 0xa7, 0xb8), 2));
    for (int y = 44; y <= 128; y += 14)
        p.drawLine(QPointF(38, y), QPointF(110, y));

    p.setPen(QPen(QColor(0x88, 0x88, 0x88), 3));
    p.setBrush(Qt::NoBrush);
    for (int y = 34; y <= 134; y += 20)
        p.drawEllipse(QPointF(124.5, y), 6, 4);

    QFont initial(QStringLiteral("Verdana"));
    initial.setPixelSize(84);
    initial.setBold(true);
    p.setFont(initial);
    p.setPen(cover);
    p.drawText(QRectF(129, 22, 92, 125), Qt::AlignCenter, QStringLiteral("P"));
    return pixmap;
}

Tf_copyright::Tf_copyright(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("f_copyright"));
    setWindowTitle(QStringLiteral("About Pellori"));
    setFixedSize(584, 309);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 249, 169);
    Image1->setPixmap(emblem());

    const QString verdana = QStringLiteral("Verdana");
    label_vendor = textLabel(this, "label_vendor", QString::fromLatin1(vendor::kWebName), pixelFont(verdana, 21),
                             QRect(272, 16, 300, 30));
    label_product = textLabel(this, "label_product", QStringLiteral("Pellori"), pixelFont(verdana, 32, true),
                              QRect(272, 58, 300, 44));
    label_product->setAlignment(Qt::AlignCenter);
    label_edition = textLabel(this, "label_edition", QStringLiteral("Enterprise Edition"), pixelFont(verdana, 19),
                              QRect(272, 112, 300, 28));
    label_version = textLabel(this, "label_version", QStringLiteral("Version 2.0 (Build 22.04.2004)"),
                              pixelFont(verdana, 19), QRect(8, 190, 400, 28));

    URLLabel1 = new TURLLabel(this);
    URLLabel1->setObjectName(QStringLiteral("URLLabel1"));
    URLLabel1->setUrl(vendor::downloadAddress());
    URLLabel1->setGeometry(8, 272, 360, 20);

    btn_ok = new QPushButton(QStringLiteral("OK"), this);
    btn_ok->setObjectName(QStringLiteral("btn_ok"));
    btn_ok->setFont(pixelFont(QStringLiteral("Tahoma"), 16, true));
    btn_ok->setGeometry(488, 264, 88, 33);
    btn_ok->setDefault(true);
    connect(btn_ok, &QPushButton::clicked, this, &QDialog::accept);

    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    move(desktop.center() - rect().center());
}

} // namespace pellori
