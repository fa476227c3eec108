#include "info/f_copy.h"

#include "resources/Pictures.h"
#include "services/Vendor.h"
#include "widgets/URLLabel.h"

#include <QGuiApplication>
#include <QLabel>
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

Tf_copyright::Tf_copyright(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("f_copyright"));
    setWindowTitle(QStringLiteral("About Pellori"));
    setFixedSize(584, 309);

    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 249, 169);
    Image1->setPixmap(pelloriPicture(Picture::Emblem, QSize(249, 169)));

    const QString verdana = QStringLiteral("Verdana");
    textLabel(this, "label_vendor", QString::fromLatin1(vendor::kWebName), pixelFont(verdana, 21),
              QRect(272, 16, 300, 30));
    auto* label_product = textLabel(this, "label_product", QStringLiteral("Pellori"), pixelFont(verdana, 32, true),
                                    QRect(272, 58, 300, 44));
    label_product->setAlignment(Qt::AlignCenter);
    textLabel(this, "label_edition", QStringLiteral("Enterprise Edition"), pixelFont(verdana, 19),
              QRect(272, 112, 300, 28));
    textLabel(this, "label_version", QStringLiteral("Version 2.0 (Build 22.04.2004)"),
              pixelFont(verdana, 19), QRect(8, 190, 400, 28));

    auto* URLLabel1 = new TURLLabel(this);
    URLLabel1->setObjectName(QStringLiteral("URLLabel1"));
    URLLabel1->setUrl(vendor::downloadAddress());
    URLLabel1->setGeometry(8, 272, 360, 20);

    auto* btn_ok = new QPushButton(QStringLiteral("OK"), this);
    btn_ok->setObjectName(QStringLiteral("btn_ok"));
    btn_ok->setFont(pixelFont(QStringLiteral("Tahoma"), 16, true));
    btn_ok->setGeometry(488, 264, 88, 33);
    btn_ok->setDefault(true);
    connect(btn_ok, &QPushButton::clicked, this, &QDialog::accept);

    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    move(desktop.center() - rect().center());
}

} // namespace pellori
