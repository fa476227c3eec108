// The mapping window: a wrong guess of encoding or separator shows in the
// preview (and a file that is then no table cannot be imported), the
// preset can be changed, and each column's choice reaches the mapping.
#include "exchange/csv/CsvMessages.h"
#include "exchange/csv/f_csvmapping.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace pellori;
using namespace pellori::exchange;

class TestCsvMapping : public QObject {
    Q_OBJECT
private slots:
    void previewFollowsEncodingAndSeparator();
    void presetAndColumnChoicesReachTheMapping();
    void columnBoxesNamedAndInTabOrder();
};

static Tf_csvmapping::Texts texts() { return {.caption = "Import CSV", .ok = "Import", .cancel = "Cancel"}; }

void TestCsvMapping::previewFollowsEncodingAndSeparator()
{
    // Mac Roman "Müller" (0x9F is ü there): no UTF-8, so read as Windows-1252 first.
    CsvSource source(QByteArray("Name;Ort\nM\x9Fller;Bonn\n"));
    Tf_csvmapping window(nullptr, source, texts());
    QCOMPARE(window.cb_separator->currentData().toChar(), QChar(u';'));
    QCOMPARE(window.grid_preview->item(1, 0)->text(), QStringLiteral("M\u0178ller"));
    window.cb_encoding->setCurrentIndex(window.cb_encoding->findText(QStringLiteral("macintosh")));
    QCOMPARE(window.grid_preview->item(1, 0)->text(), QStringLiteral("Müller"));
    QCOMPARE(window.grid_preview->horizontalHeaderItem(1)->text(), QStringLiteral("Ort"));

    // Read with a tab, the file is one column; with a comma "Müller;Bonn" is one field too.
    window.cb_separator->setCurrentIndex(window.cb_separator->findData(QChar(u',')));
    QCOMPARE(window.grid_preview->columnCount(), 1);
    QVERIFY(window.btn_ok->isEnabled());

    CsvSource ragged(QByteArray("a,b\n1,2\n3;4\n"));
    Tf_csvmapping second(nullptr, ragged, texts());
    second.cb_separator->setCurrentIndex(second.cb_separator->findData(QChar(u';')));
    QVERIFY(!second.btn_ok->isEnabled());
    QCOMPARE(second.label_error->text(), csvErrorText(*ragged.read().error));
    QVERIFY(second.label_error->text().startsWith(QLatin1String("Line 3:")));
}

void TestCsvMapping::presetAndColumnChoicesReachTheMapping()
{
    CsvSource source(QByteArray("First Name,Last Name,Display Name,Nickname,Primary Email\nAnna,Roth,A R,,a@r.example\n"));
    Tf_csvmapping window(nullptr, source, texts());
    QCOMPARE(window.cb_preset->currentText(), QStringLiteral("Thunderbird (English)"));
    QCOMPARE(window.mapping().columns.value(4).target, Target::Email);

    auto* column = window.grid_preview->findChild<QComboBox*>(QStringLiteral("cb_column3"));
    QVERIFY(column);
    column->setCurrentIndex(column->findText(choiceCaption({.target = Target::Ignore})));
    QCOMPARE(window.mapping().columns.value(2).target, Target::Ignore);

    window.cb_preset->setCurrentIndex(0);   // none: guessed from the header
    QCOMPARE(window.mapping().preset, -1);
    QCOMPARE(window.mapping().columns.value(0).target, Target::FirstName);
    window.chk_header->setChecked(false);
    QVERIFY(!window.mapping().header);
    QCOMPARE(window.grid_preview->rowCount(), 3);   // the choices, then both rows
}

// The column boxes are made anew each time the file is read again: each is
// named by its column's title, and Tab goes from the grid through them, left
// to right, on to Import; the names of the boxes gone go with them.
void TestCsvMapping::columnBoxesNamedAndInTabOrder()
{
    CsvSource source(QByteArray("Name,Ort\nRoth,Bonn\n"));
    Tf_csvmapping window(nullptr, source, texts());
    window.chk_header->setChecked(false);
    window.chk_header->setChecked(true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList order, names;
    for (QWidget* w = window.grid_preview->nextInFocusChain(); w != window.btn_ok; w = w->nextInFocusChain()) {
        QVERIFY(w != window.grid_preview);
        if (qobject_cast<QComboBox*>(w))
            order << w->objectName();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() && label->buddy()->objectName().startsWith(QLatin1String("cb_column")))
            names << label->buddy()->objectName() + '=' + label->text();
    }
    names.sort();
    QCOMPARE(order, (QStringList{"cb_column1", "cb_column2"}));
    QCOMPARE(names, (QStringList{"cb_column1=Name", "cb_column2=Ort"}));
    // Not on the row of boxes, where the grid would hand its focus on.
    QCOMPARE(window.grid_preview->currentIndex().row(), 1);
}

QTEST_MAIN(TestCsvMapping)
#include "tst_csvmapping.moc"
