// Labels, envelopes and the phone list: the address block's rules, where the
// labels of a sheet lie, and the commands run as the menu runs them on the
// demo book, read from the laid-out pages.
#include "WindowTest.h"
#include "printing/engine/PreviewDialog.h"
#include "printing/postal/AddressBlock.h"
#include "printing/postal/Envelope.h"
#include "printing/postal/LabelSheet.h"
#include "printing/postal/PostalAddress.h"
#include "printing/postal/PostalCommands.h"
#include "printing/postal/f_postalprint.h"
#include "settings/IniFile.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

using namespace pellori;
using namespace pellori::postal;
using namespace pellori::test;
using report::Page;
using report::PlacedItem;

namespace {

struct Fixture : WindowTest {
    explicit Fixture(const QString& seed = QString()) : WindowTest(TestDb::Demo)
    {
        if (!seed.isEmpty())
            db.isql(seed);
        start();
    }
    // Runs a command: the choice is made by `choose`, the preview is laid out to the end and kept.
    void run(const std::function<void()>& command, const std::function<void(Tf_postalprint&)>& choose)
    {
        messages.modalHandlers << [choose](QDialog* d) {
            auto& dialog = *qobject_cast<Tf_postalprint*>(d);
            choose(dialog);
            dialog.btn_ok->click();
            return dialog.result();
        };
        messages.modalHandlers << [this](QDialog* d) {
            auto* p = qobject_cast<report::PreviewDialog*>(d);
            if (!QTest::qWaitFor([p] { return p->layout().finished(); }, 60000))
                qWarning("the preview did not finish its pages");
            pages.assign(p->layout().pages().begin(), p->layout().pages().end());
            setup = p->layout().report().page;
            note = p->noteLabel->text();
            return int(QDialog::Rejected);
        };
        QVERIFY(guarded(command));
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    }
    QList<const PlacedItem*> items(const QString& name) const
    {
        QList<const PlacedItem*> found;
        for (const Page& p : pages)
            for (const PlacedItem& i : p.items)
                if (i.item == name)
                    found << &i;
        return found;
    }

    std::vector<Page> pages;
    report::PageSetup setup;
    QString note;
};

} // namespace

class TestPostal : public QObject {
    Q_OBJECT
private slots:
    void addressBlockRules_data();
    void addressBlockRules();
    void postcodeText_data();
    void postcodeText();
    void labelPositionsFromThePresetsMeasures_data();
    void labelPositionsFromThePresetsMeasures();
    void labelsForAGroupFromTheFifthLabel();
    void envelopesForTwoContacts();
    void nothingToPrintIsSaid_data();
    void nothingToPrintIsSaid();
    void phoneListUnderInitialLetters();
};

void TestPostal::addressBlockRules_data()
{
    QTest::addColumn<QStringList>("contact");   // type, name1, name2, salutation, title, employer1, employer2,
                                                // street, postcode, town, country ("-" for no address)
    QTest::addColumn<int>("maxLines");
    QTest::addColumn<QString>("block");
    const auto row = [](const char* name, QStringList c, int maxLines, const char* block) {
        QTest::newRow(name) << c << maxLines << QString::fromUtf8(block);
    };
    row("person at home", {"P", "Meier", "Hans", "Herr", "", "", "", "Anger 9", "99084", "Erfurt", "Deutschland"}, 6,
        "Herr|Hans Meier|Anger 9|99084 Erfurt");
    row("title", {"P", "Weber", "Eva", "Frau", "Dr. med.", "", "", "Markt 1", "06484", "Quedlinburg", ""}, 6,
        "Frau Dr. med.|Eva Weber|Markt 1|06484 Quedlinburg");
    row("no address", {"P", "Koch", "Ina", "Frau", "", "", "", "-", "", "", ""}, 6, "");
    row("at the employer's", {"P", "Meier", "Hans", "Herr", "", "Müller Elektrotechnik", "GmbH", "Hohe Straße 88",
                              "50667", "Köln", "deutschland "},
        6, "Müller Elektrotechnik GmbH|Herr|Hans Meier|Hohe Straße 88|50667 Köln");
    row("home country by another of its names", {"P", "Lang", "Ute", "Frau", "", "", "", "Anger 1", "01069", "Dresden",
                                                 "Germany"}, 6, "Frau|Ute Lang|Anger 1|01069 Dresden");
    row("foreign country", {"P", "Rossi", "Giulia", "Frau", "", "", "", "Via Brera 10", "20121", "Milano", "Italia"},
        6, "Frau|Giulia Rossi|Via Brera 10|20121 Milano|ITALIA");
    row("company name too long for one line",
        {"C", "Über-Land Spedition", "GmbH & Co. KG", "", "", "", "", "Am Speicher XI 4", "28197", "Bremen", ""}, 6,
        "Über-Land Spedition|GmbH & Co. KG|Am Speicher XI 4|28197 Bremen");
    row("too tall: salutation joins the name",
        {"P", "Becker", "Jürgen", "Herr", "Dr.", "Über-Land Spedition", "GmbH & Co. KG", "Am Speicher XI 4", "28197",
         "Bremen", "France"},
        6, "Über-Land Spedition|GmbH & Co. KG|Herr Dr. Jürgen Becker|Am Speicher XI 4|28197 Bremen|FRANCE");
    row("still too tall: the company on one line",
        {"P", "Becker", "Jürgen", "Herr", "Dr.", "Über-Land Spedition", "GmbH & Co. KG", "Am Speicher XI 4", "28197",
         "Bremen", "France"},
        5, "Über-Land Spedition GmbH & Co. KG|Herr Dr. Jürgen Becker|Am Speicher XI 4|28197 Bremen|FRANCE");
    row("far too tall: the town stays",
        {"C", "Stadtwerke", "", "", "", "", "", "Uhlenkrog 32", "24114", "Kiel", "Dänemark"}, 2, "24114 Kiel|DÄNEMARK");
    row("no street, no postcode", {"P", "Berg", "", "", "", "", "", "", "", "Dublin", "Ireland"}, 6,
        "Berg|Dublin|IRELAND");
}

void TestPostal::addressBlockRules()
{
    QFETCH(QStringList, contact);
    QFETCH(int, maxLines);
    QFETCH(QString, block);
    PostalContact c{.company = contact[0] == "C", .name1 = contact[1], .name2 = contact[2], .salutation = contact[3],
                    .title = contact[4], .employer1 = contact[5], .employer2 = contact[6], .hasAddress = contact[7] != "-",
                    .street = contact[7], .postcode = contact[8], .town = contact[9], .country = contact[10]};
    // A line fits when it has at most 30 characters.
    const BlockRules rules{.senderCountry = "Deutschland", .maxLines = maxLines,
                           .fits = [](const QString& line) { return line.size() <= 30; }};
    QCOMPARE(addressBlock(c, rules).join('|'), block);
}

void TestPostal::postcodeText_data()
{
    QTest::addColumn<QVariant>("postcode");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("text");
    QTest::newRow("German: leading zero back") << QVariant(qint64(1069)) << "Deutschland" << "01069";
    QTest::newRow("no country: the sender's") << QVariant(qint64(6484)) << "" << "06484";
    QTest::newRow("Swiss: four digits") << QVariant(qint64(3011)) << "Schweiz" << "3011";
    QTest::newRow("none stored") << QVariant(qint64(0)) << "Deutschland" << "";
    QTest::newRow("null") << QVariant() << "Ireland" << "";
}

void TestPostal::postcodeText()
{
    QFETCH(QVariant, postcode);
    QFETCH(QString, country);
    QFETCH(QString, text);
    QCOMPARE(postal::postcodeText(postcode, country, "Deutschland"), text);
}

void TestPostal::labelPositionsFromThePresetsMeasures_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRectF>("rect");
    QTest::newRow("3x8, fifth") << "3x8" << 4 << QRectF(70, 37.5, 70, 37);
    QTest::newRow("3x8, last") << "3x8" << 23 << QRectF(140, 259.5, 70, 37);
    QTest::newRow("3x7, last") << "3x7" << 20 << QRectF(140, 254.25, 70, 42.3);
    QTest::newRow("2x8, fourth") << "2x8" << 3 << QRectF(105, 37.5, 105, 37);
    QTest::newRow("3x10, second row middle") << "3x10" << 4 << QRectF(73.25, 46.9, 63.5, 25.4);
    QTest::newRow("3x10, last") << "3x10" << 29 << QRectF(139.25, 250.1, 63.5, 25.4);
}

void TestPostal::labelPositionsFromThePresetsMeasures()
{
    QFETCH(QString, preset);
    QFETCH(int, index);
    QFETCH(QRectF, rect);
    const LabelSheet* sheet = labelPreset(preset);
    QVERIFY(sheet);
    QCOMPARE(checkSheet(*sheet), SheetProblem::None);
    const QRectF r = sheet->labelRect(index);
    QVERIFY2(qAbs(r.x() - rect.x()) < 1e-9 && qAbs(r.y() - rect.y()) < 1e-9 && r.size() == rect.size(),
             qPrintable(QString("%1,%2").arg(r.x()).arg(r.y())));
    LabelSheet shifted = *sheet;   // a tenth of a millimetre too far right
    shifted.leftMm += shifted.paperWidthMm - shifted.labelRect(shifted.labels() - 1).right() + 0.1;
    QCOMPARE(checkSheet(shifted), SheetProblem::DoesNotFit);
}

void TestPostal::labelsForAGroupFromTheFifthLabel()
{
    // Among the doctors: one with no address at all, one written to at the practice she
    // works at, and a dead one, who is left out without a word.
    Fixture f(R"(DELETE FROM address WHERE A_OID = 27;
INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2) VALUES (60, 'P', 'Adresslos', 'Anna');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (60, 1);
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (29, 1);
)");
    f.run([&] { printLabels(*f.session, &f.owner, {13, 14}); },
          [](Tf_postalprint& d) {
              QVERIFY(d.rb_shown->isChecked());
              d.rb_group->setChecked(true);
              QCOMPARE(d.cb_group->currentText(), QString::fromUtf8("Ärzte"));   // the doctors come first
              d.cb_sheet->setCurrentIndex(d.cb_sheet->findData("custom"));   // a sheet of one's own, then a preset
              d.sp_width->setValue(52.5);
              d.cb_sheet->setCurrentIndex(d.cb_sheet->findData("3x8"));
              d.sp_start->setValue(5);
          });
    const QList<const PlacedItem*> labels = f.items("address");
    QCOMPARE(labels.size(), 6);
    const LabelSheet sheet = *labelPreset("3x8");
    for (int i = 0; i < labels.size(); ++i) {
        const QRectF cell = sheet.labelRect(4 + i);
        QVERIFY2(cell.contains(labels[i]->rectMm), qPrintable(labels[i]->text()));
    }
    // By name in the German collation: the Ärztehaus among the A.
    QCOMPARE(labels[0]->text(), QString::fromUtf8("Ärztehaus am Park\nParkallee 3\n04109 Leipzig"));
    QCOMPARE(labels[1]->text(), QString::fromUtf8("Zahnarztpraxis Dr. Weiß\nHerr Dr. med. dent.\nStefan Hoffmann\n"
                                                  "Blasewitzer Straße 41\n01307 Dresden"));
    QVERIFY(f.note.contains("(Adresslos, Anna)"));
    QVERIFY(f.note.startsWith("Left out, as they have no address: 1 "));
    QCOMPARE(IniFile(f.session->configPath()).readString("Postal", "labelsheet"), QStringLiteral("3x8"));
    QCOMPARE(IniFile(f.session->configPath()).readString("Postal", "labelwidth"), QStringLiteral("52.5"));
}

void TestPostal::envelopesForTwoContacts()
{
    Fixture f;
    const QString sender = QString::fromUtf8("Praxis Lange · Hauptstraße 1 · 01067 Dresden");
    f.run([&] { printEnvelopes(*f.session, &f.owner, {22, 17}); },
          [&](Tf_postalprint& d) {
              d.cb_envelope->setCurrentIndex(d.cb_envelope->findData("DL"));
              d.ed_sender->setText(sender);
          });
    QCOMPARE(f.pages.size(), size_t(2));
    QCOMPARE(f.setup.pageWidthMm(), 220.0);
    QCOMPARE(f.setup.pageHeightMm(), 110.0);
    const QList<const PlacedItem*> addresses = f.items("address");
    const WindowZones zones = windowZones(envelopeFormat("DL"));
    QCOMPARE(addresses.size(), 2);
    QCOMPARE(addresses[1]->rectMm.topLeft(), zones.addressMm.topLeft());
    QVERIFY(zones.addressMm.contains(addresses[1]->rectMm));
    QCOMPARE(addresses[0]->lines.value(1), QStringLiteral("Julia Schneider"));
    QCOMPARE(addresses[1]->text(), QString::fromUtf8("Herr Dr. med.\nMehmet Öztürk\nParkallee 3\n04109 Leipzig"));
    QCOMPARE(f.items("sender").value(0)->text(), sender);
    QVERIFY(zones.senderMm.contains(f.items("sender").value(0)->rectMm));
    QCOMPARE(IniFile(f.session->configPath()).readString("Postal", "sender"), sender);
}

void TestPostal::nothingToPrintIsSaid_data()
{
    QTest::addColumn<bool>("byGroup");
    QTest::addColumn<QString>("message");
    QTest::newRow("a group without living members") << true << "There are no contacts to print.";
    QTest::newRow("no address among them") << false
                                           << "None of the chosen contacts has an address: there is nothing to print.";
}

void TestPostal::nothingToPrintIsSaid()
{
    QFETCH(bool, byGroup);
    QFETCH(QString, message);
    Fixture f(R"(INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2) VALUES (60, 'P', 'Adresslos', 'Anna');
DELETE FROM belong2group WHERE B2G_GID = 6;
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (29, 6);
)");
    f.run([&] { printEnvelopes(*f.session, &f.owner, {60, 18}); },
          [&](Tf_postalprint& d) {
              if (byGroup) {
                  d.rb_group->setChecked(true);
                  d.cb_group->setCurrentIndex(d.cb_group->findText("Verein"));
              }
          });
    QCOMPARE(f.messages.messages, QStringList{message});
    QVERIFY(f.pages.empty());
}

void TestPostal::phoneListUnderInitialLetters()
{
    // The list's contacts, in an order of its own: the phone list files them by name.
    Fixture f;
    const QStringList keys = f.committed("select o_id from object order by o_id desc");
    QList<int> shown;
    for (const QString& k : keys)
        shown << k.toInt();
    f.run([&] { printPhoneList(*f.session, &f.owner, shown); },
          [](Tf_postalprint& d) { QVERIFY(d.rb_shown->isChecked()); });
    QStringList letters;
    for (const PlacedItem* i : f.items("letterText"))
        letters << i->text();
    QCOMPARE(letters.mid(0, 3), (QStringList{"#", "A", "B"}));   // 3D Druck; Ärztehaus with the A
    QCOMPARE(letters.removeDuplicates(), 0);
    const QList<const PlacedItem*> names = f.items("name");
    QStringList listed;
    for (const PlacedItem* n : names)
        listed << n->text();
    const int firstB = listed.indexOf(QRegularExpression("B.*"));
    QVERIFY(listed.indexOf(QString::fromUtf8("Ärztehaus am Park")) < firstB);
    QVERIFY(listed.indexOf(QString::fromUtf8("Äbersold, Ruth")) < firstB);
    // Its current numbers follow its name: the office, then the office's fax.
    QStringList placed;
    for (const Page& p : f.pages)
        for (const PlacedItem& i : p.items)
            if (i.item == "name" || i.item == "digits")
                placed << i.text();
    const int at = placed.indexOf(QString::fromUtf8("Ärztehaus am Park"));
    QCOMPARE(placed.mid(at + 1, 2), (QStringList{"0341 / 2290500", "0341 / 2290599"}));
    // Two columns: the second begins at the first's width plus the gap.
    bool second = false;
    for (const PlacedItem* n : names)
        second |= qAbs(n->rectMm.left() - (15 + 85 + 10)) < 1e-6;
    QVERIFY(second);
}

QTEST_MAIN(TestPostal)
#include "tst_postal.moc"
