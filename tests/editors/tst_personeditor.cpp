// The person editor over the demo database, driven as its opener and the user
// drive it: what a save writes (both rows, or nothing at all), the four-digit
// birthday, the order of the lists, its own error messages, another user's
// change meanwhile, and the close box.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "data/ContactDeletion.h"
#include "data/DataSet.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/SqlStatement.h"
#include "editors/detail/DetailList.h"
#include "editors/f_person.h"
#include "services/CommandGuard.h"
#include "widgets/DBEdit.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/DataGrid.h"

#include <QLocale>
#include <QPushButton>
#include <QTest>

using namespace pellori;
using namespace pellori::test;

namespace {

// Meier, Hans of the demo book, with the record versions of his two rows:
// a row that is written gets the writing transaction's number.
struct Person {
    int key = 0;
    QString versions(const QString& db) const
    {
        return committedValues(db, QString("select rdb$record_version from object where o_id = %1 union all "
                                           "select rdb$record_version from person where p_id = %1")
                                       .arg(key))
            .join(',');
    }
};

Person meier(const QString& db)
{
    return {committedValues(db, "select o_id from object where o_name1 = 'Meier' and o_name2 = 'Hans'").value(0).toInt()};
}

QPushButton* button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(QLatin1String(name)); }
DBEdit* edit(QWidget* w, const char* name) { return w->findChild<DBEdit*>(QLatin1String(name)); }

// Types into an edit as the user does (replacing what it holds) and leaves it.
void retype(DBEdit* e, const QString& text)
{
    e->setFocus();
    e->selectAll();
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else
        QTest::keyClicks(e, text);
    emit e->editingFinished();
}

} // namespace

class TestPersonEditor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void saveWritesBothRowsOrNothing_data();
    void saveWritesBothRowsOrNothing();
    void birthdayOf1925SurvivesAndCurrentEntriesComeFirst();
    void secondNumberOfOneTypeGetsTheEditorsMessageFirst();
    void cancelAfterSavingAnAddressKeepsIt();
    void aChangeCommittedElsewhereIsNeverOverwritten_data();
    void aChangeCommittedElsewhereIsNeverOverwritten();
    void theCloseBoxAsksBeforeDroppingChanges_data();
    void theCloseBoxAsksBeforeDroppingChanges();
    void worksAtListsTheCompaniesInGermanOrder();
};

void TestPersonEditor::saveWritesBothRowsOrNothing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");   // empty: the save goes through
    QTest::newRow("nothing changed") << QString() << QString() << QString();
    QTest::newRow("first name only") << "dbedit_firstname" << "Johann" << QString();
    QTest::newRow("family name cleared") << "dbedit_familyname" << QString() << "Field 'O_NAME1' must have a value";
    QTest::newRow("not a date") << "dbedit_birthday" << "31.02.1925" << "'31.02.1925' is not a valid date";
}

void TestPersonEditor::saveWritesBothRowsOrNothing()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    TestDb db(TestDb::Demo);
    const Person p = meier(db.path());
    const QString before = p.versions(db.path());
    RecordingMessages rec;
    {
        TestSession session(db.path());
        Tf_persons editor(session, nullptr);
        editor.setContactKey(p.key);
        editor.show();
        if (!field.isEmpty())
            retype(edit(&editor, qPrintable(field)), typed);
        button(&editor, "Button1")->click();
        QCOMPARE(editor.isVisible(), !refusal.isEmpty());
        // A refusal is shown when the field is left and again when the save is asked for.
        QCOMPARE(rec.messages.isEmpty(), refusal.isEmpty());
        for (const QString& shown : std::as_const(rec.messages))
            QCOMPARE(shown, refusal);
    }   // released: what was written is committed now
    const QString after = p.versions(db.path());
    if (field.isEmpty() || !refusal.isEmpty()) {
        QCOMPARE(after, before);   // neither row
    } else {
        QCOMPARE(after.split(',').size(), 2);
        QVERIFY(after.split(',')[0] != before.split(',')[0] && after.split(',')[1] != before.split(',')[1]);
        QCOMPARE(committedValues(db.path(), QString("select o_name2 from object where o_id = %1").arg(p.key)),
                 QStringList{typed});
    }
}

void TestPersonEditor::birthdayOf1925SurvivesAndCurrentEntriesComeFirst()
{
    TestDb db(TestDb::Demo);
    const Person p = meier(db.path());
    db.isql(QString("update person set p_birthday = '1925-03-04' where p_id = %1;\n"
                    "delete from address where a_oid = %1;\n"
                    "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                    "values (%1, 1, '-', 1010, 'Wien', 'Ring 1');\n"
                    "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                    "values (%1, 2, '@', 8010, 'Graz', 'Hof 2');\ncommit;\n")
                .arg(p.key));
    RecordingMessages rec;
    {
        TestSession session(db.path());
        Tf_persons editor(session, nullptr);
        editor.setContactKey(p.key);
        QCOMPARE(edit(&editor, "dbedit_birthday")->text(), QString("04.03.1925"));
        const DataSet& addresses = editor.detailList(int(DetailKind::Address))->dataSet();
        QCOMPARE(addresses.text(0, addresses.fieldIndex("A_PREF")), QString("@"));
        retype(edit(&editor, "dbedit_nickname"), "Hansi");   // a save that writes the birthday back
        button(&editor, "Button1")->click();
        QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
    }
    QCOMPARE(committedValues(db.path(), QString("select p_birthday from person where p_id = %1").arg(p.key)),
             QStringList{"04.03.1925"});
}

void TestPersonEditor::secondNumberOfOneTypeGetsTheEditorsMessageFirst()
{
    TestDb db(TestDb::Demo);
    const Person p = meier(db.path());
    RecordingMessages rec;
    QObject mainWindow;   // registered first, so it reports last
    ErrorHandlers::add(&mainWindow, [&](const std::exception& e) { rec.messages << "main: " + errorMessage(e); });
    TestSession session(db.path());
    Tf_persons editor(session, nullptr);
    editor.setContactKey(p.key);
    EditableDataSet& numbers = editor.detailList(int(DetailKind::Communication))->dataSet();
    QVERIFY(!numbers.isEmpty());
    const QVariant usedType = numbers.value("C_CTID");
    numbers.append();
    numbers.setValue("C_PREFIX", "030");
    numbers.setValue("C_NUMBER", "1234");
    numbers.setValue("C_CTID", usedType);
    guarded([&] { numbers.post(); });
    QCOMPARE(rec.messages.size(), 2);
    QCOMPARE(rec.messages[0], QString("Database Error:\n\r\n\rYou have already used a communication of the same "
                                      "type.\n\r\n\rPlease choose another type."));
    QVERIFY2(rec.messages[1].startsWith("main: ") && rec.messages[1].contains("UNQ_COMMUNICATION"),
             qPrintable(rec.messages[1]));
    QCOMPARE(numbers.state(), DataSet::State::Insert);   // the input stays
}

void TestPersonEditor::cancelAfterSavingAnAddressKeepsIt()
{
    TestDb db(TestDb::Demo);
    const Person p = meier(db.path());
    RecordingMessages rec;
    {
        TestSession session(db.path());
        Tf_persons editor(session, nullptr);
        editor.setContactKey(p.key);
        editor.show();
        EditableDataSet& addresses = editor.detailList(int(DetailKind::Address))->dataSet();
        addresses.append();
        addresses.setValue("A_POSTCODE_TEXT", "01067");
        addresses.setValue("A_TOWN", "Dresden");
        addresses.setValue("A_STREET", "Altmarkt 1");
        addresses.post();
        button(&editor, "Button2")->click();
        QVERIFY(!editor.isVisible());
    }
    QCOMPARE(committedValues(db.path(), QString("select a_postcode from address where a_oid = %1 and "
                                                "a_town = 'Dresden'").arg(p.key)),
             QStringList{"1067"});
}

void TestPersonEditor::aChangeCommittedElsewhereIsNeverOverwritten_data()
{
    QTest::addColumn<QString>("elsewhere");   // committed by another user after the editor read the person
    QTest::addColumn<QStringList>("committed");
    QTest::newRow("object row") << "update object set o_name1 = 'Maier' where o_id = %1" << QStringList{"Maier|Hans|Hansi"};
    // The object update went through and is undone with the refused person update.
    QTest::newRow("person row") << "update person set p_nickname = 'Hannes' where p_id = %1"
                                << QStringList{"Meier|Hans|Hannes"};
    QTest::newRow("deleted") << "delete" << QStringList{};
}

void TestPersonEditor::aChangeCommittedElsewhereIsNeverOverwritten()
{
    QFETCH(QString, elsewhere);
    QFETCH(QStringList, committed);
    TestDb db(TestDb::Demo);
    const Person p = meier(db.path());
    db.isql(QString("update person set p_nickname = 'Hansi' where p_id = %1;\ncommit;\n").arg(p.key));
    RecordingMessages rec;
    {
        TestSession session(db.path());
        Tf_persons editor(session, nullptr);
        editor.setContactKey(p.key);
        editor.show();
        retype(edit(&editor, "dbedit_firstname"), "Johann");
        retype(edit(&editor, "dbedit_nickname"), "Jo");
        {
            DbTransaction other(session.connection());
            if (elsewhere == "delete")
                ContactDeletion(other).deleteContact(p.key);
            else
                SqlStatement(other, elsewhere.arg(p.key)).execute();
            other.commit();
        }
        button(&editor, "Button1")->click();
        QCOMPARE(rec.messages.size(), 1);
        QVERIFY2(rec.messages.first().contains("your input is still here"), qPrintable(rec.messages.first()));
        QVERIFY(editor.isVisible());
        QCOMPARE(edit(&editor, "dbedit_firstname")->text(), QString("Johann"));
    }
    QCOMPARE(committedValues(db.path(), QString("select o_name1 || '|' || o_name2 || '|' || p_nickname from object "
                                                "join person on p_id = o_id where o_id = %1").arg(p.key)),
             committed);
}

void TestPersonEditor::theCloseBoxAsksBeforeDroppingChanges_data()
{
    QTest::addColumn<QString>("change");   // "name", "number" (a row being typed) or nothing
    QTest::addColumn<bool>("cancelButton");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("committed");   // first name / numbers 4711
    QTest::newRow("nothing changed") << "" << false << int(Answer::Cancel) << false << true << "Hans/0";
    QTest::newRow("name, yes") << "name" << false << int(Answer::Yes) << true << true << "Johann/0";
    QTest::newRow("name, no") << "name" << false << int(Answer::No) << true << true << "Hans/0";
    QTest::newRow("name, cancel") << "name" << false << int(Answer::Cancel) << true << false << "Hans/0";
    QTest::newRow("number, yes") << "number" << false << int(Answer::Yes) << true << true << "Hans/1";
    QTest::newRow("number, no") << "number" << false << int(Answer::No) << true << true << "Hans/0";
    QTest::newRow("name, Cancel && Close") << "name" << true << int(Answer::Yes) << false << true << "Hans/0";
}

void TestPersonEditor::theCloseBoxAsksBeforeDroppingChanges()
{
    QFETCH(QString, change);
    QFETCH(bool, cancelButton);
    QFETCH(int, answer);
    QFETCH(bool, asks);
    QFETCH(bool, closes);
    QFETCH(QString, committed);
    TestDb db(TestDb::Demo);
    const Person p = meier(db.path());
    RecordingMessages rec;
    rec.choices << Answer(answer);
    {
        TestSession session(db.path());
        Tf_persons editor(session, nullptr);
        editor.setContactKey(p.key);
        editor.show();
        EditableDataSet& numbers = editor.detailList(int(DetailKind::Communication))->dataSet();
        QVERIFY(!numbers.isEmpty());
        if (change == "name")
            retype(edit(&editor, "dbedit_firstname"), "Johann");
        else if (change == "number")
            numbers.setValue("C_NUMBER", "4711");
        if (cancelButton)
            button(&editor, "Button2")->click();
        else
            editor.close();
        QCOMPARE(rec.questions, asks ? QStringList{"Save changes to this contact?"} : QStringList{});
        QCOMPARE(editor.isVisible(), !closes);
        QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
    }
    QCOMPARE(committedValues(db.path(), QString("select o_name2 || '/' || (select count(*) from communication where "
                                                "c_oid = o_id and c_number = '4711') from object where o_id = %1")
                                            .arg(p.key)),
             QStringList{committed});
}

void TestPersonEditor::worksAtListsTheCompaniesInGermanOrder()
{
    TestDb db(TestDb::Demo);
    TestSession session(db.path());
    Tf_persons editor(session, nullptr);
    editor.setContactKey(meier(db.path()).key);
    const auto* box = editor.findChild<DBLookupComboBox*>(QStringLiteral("dblookup_worksat"));
    QStringList names;
    for (int i = 0; i < box->count(); ++i)
        names << box->itemText(i);
    QCOMPARE(names.mid(0, 3), (QStringList{"3D Druck GmbH", QStringLiteral("\u00C4rztehaus am Park"),
                                           "Brennan & O'Neil Solicitors"}));
    QCOMPARE(names.last(), QStringLiteral("Zahnarztpraxis Dr. Wei\u00DF"));
}

QTEST_MAIN(TestPersonEditor)
#include "tst_personeditor.moc"
