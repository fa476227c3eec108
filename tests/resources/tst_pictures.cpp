// The program's pictures render at the sizes the windows show them.
#include "resources/Pictures.h"

#include <QImage>
#include <QtTest>

using pellori::Picture;

class tst_pictures : public QObject {
    Q_OBJECT
private slots:
    void rendersFilledInProportion_data();
    void rendersFilledInProportion();
    void iconOffersSeveralSizes();
};

void tst_pictures::rendersFilledInProportion_data()
{
    QTest::addColumn<Picture>("which");
    QTest::addColumn<QSize>("size");
    QTest::newRow("person editor") << Picture::Person << QSize(137, 185);
    QTest::newRow("quick-add person") << Picture::Person << QSize(89, 121);
    QTest::newRow("company editor and quick-add") << Picture::Company << QSize(161, 121);
    QTest::newRow("about window") << Picture::Emblem << QSize(249, 169);
    QTest::newRow("icon 16") << Picture::Icon << QSize(16, 16);
    QTest::newRow("icon 256") << Picture::Icon << QSize(256, 256);
    // A frame of another shape keeps the drawing's proportions, centred.
    QTest::newRow("person in a wide frame") << Picture::Person << QSize(300, 185);
}

void tst_pictures::rendersFilledInProportion()
{
    QFETCH(Picture, which);
    QFETCH(QSize, size);
    const QPixmap pixmap = pelloriPicture(which, size);
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);

    // The drawing covers most of the largest area of its own proportions
    // that fits, and stands in the middle of the frame.
    const QImage image = pixmap.toImage();
    int painted = 0;
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                ++painted;
                bounds |= QRect(x, y, 1, 1);
            }
    const int side = qMin(image.width(), image.height());
    QVERIFY2(painted > side * side / 2, qPrintable(QStringLiteral("%1 pixels painted").arg(painted)));
    QVERIFY(qAbs(bounds.center().x() - image.width() / 2) <= qMax(2, image.width() / 50));
    QVERIFY(qAbs(bounds.center().y() - image.height() / 2) <= qMax(2, image.height() / 50));
}

void tst_pictures::iconOffersSeveralSizes()
{
    const QIcon icon = pellori::pelloriIcon();
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
}

QTEST_MAIN(tst_pictures)
#include "tst_pictures.moc"
