// The company editor over the demo database: the first name line is required
// with its own message, its persons list opens a person and is read again
// afterwards, its handler words a refused delete of a firm with staff, and a
// save never overwrites another user's change.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "data/DataSet.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/SqlStatement.h"
#include "editors/f_comp.h"
#include "services/CommandGuard.h"
#include "widgets/DBEdit.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using namespace pellori;
using namespace pellori::test;

namespace {

int companyKey(const QString& db, const QString& name)
{
    return committedValues(db, QString("select o_id from object where o_name1 = '%1'").arg(name)).value(0).toInt();
}

} // namespace

class TestCompanyEditor : public QObject {
    Q_OBJECT
private slots:
    void firstNameLineIsRequired();
    void personsListOpensAPersonAndIsReadAgain();
    void aSaveFindsTheRecordAsItWasRead_data();
    void aSaveFindsTheRecordAsItWasRead();
};

void TestCompanyEditor::firstNameLineIsRequired()
{
    TestDb db(TestDb::Demo);
    const int key = companyKey(db.path(), QString::fromUtf8("Caf\u00E9 Sch\u00F6nblick"));
    QVERIFY(key > 0);
    RecordingMessages rec;
    {
        TestSession session(db.path());
        Tf_company editor(session, nullptr);
        editor.setContactKey(key);
        editor.show();
        auto* name1 = editor.findChild<DBEdit*>("dbedit_name1");
        name1->setFocus();
        name1->selectAll();
        QTest::keyClick(name1, Qt::Key_Delete);
        editor.findChild<QPushButton*>("btn_save")->click();
        QCOMPARE(rec.messages, QStringList{QString("You must fill out \u00ABName 1\u00BB.")});
        QVERIFY(editor.isVisible());
        // The handler's own words for a firm that people still work at.
        rec.messages.clear();
        guarded([] { throw DbError("violation of FOREIGN KEY constraint \"FK5_PERSON\" on table \"PERSON\"", 0); });
        QCOMPARE(rec.messages, QStringList{"Database Error:\n\r\n\rThere exists at least one person which works at "
                                           "this firm you want to delete."});
    }
    QCOMPARE(committedValues(db.path(), QString("select o_name1 from object where o_id = %1").arg(key)),
             QStringList{QString::fromUtf8("Caf\u00E9 Sch\u00F6nblick")});
}

void TestCompanyEditor::personsListOpensAPersonAndIsReadAgain()
{
    TestDb db(TestDb::Demo);
    const int cafe = companyKey(db.path(), QString::fromUtf8("Caf\u00E9 Sch\u00F6nblick"));
    const QList<int> staff = [&] {
        QList<int> keys;
        for (const QString& k : committedValues(db.path(), QString("select o_id from p_view_person(%1) order by o_name").arg(cafe)))
            keys << k.toInt();
        return keys;
    }();
    QVERIFY(!staff.isEmpty());
    db.isql("insert into object (o_id, o_type, o_name1) values (9001, 'C', 'Leer GmbH');\ncommit;\n");
    RecordingMessages rec;
    TestSession session(db.path());
    Tf_company editor(session, nullptr);
    editor.setContactKey(cafe);
    // Meanwhile the first employee moved on, committed elsewhere.
    {
        DbTransaction elsewhere(session.connection());
        SqlStatement move(elsewhere, QString("update person set p_cid = null where p_id = %1").arg(staff.first()));
        move.execute();
        elsewhere.commit();
    }
    editor.findChild<QAction*>("miShowDetails")->trigger();
    QCOMPARE(session.openedPersons, QList<int>{staff.first()});
    editor.persons().fetchAll();
    QCOMPARE(editor.persons().rowCount(), int(staff.size()) - 1);

    // A company without staff opens nobody.
    Tf_company empty(session, nullptr);
    empty.setContactKey(9001);
    QVERIFY(empty.persons().isEmpty());
    empty.findChild<QAction*>("miShowDetails")->trigger();
    QCOMPARE(session.openedPersons.size(), 1);
    QVERIFY(rec.messages.isEmpty());
}

void TestCompanyEditor::aSaveFindsTheRecordAsItWasRead_data()
{
    QTest::addColumn<QString>("elsewhere");   // committed by another user after the editor read the company
    QTest::addColumn<QString>("committed");
    QTest::newRow("nothing") << QString() << "Neu|";
    QTest::newRow("second name line") << "update object set o_name2 = 'Dort' where o_id = %1" << "Leer GmbH|Dort";
}

void TestCompanyEditor::aSaveFindsTheRecordAsItWasRead()
{
    QFETCH(QString, elsewhere);
    QFETCH(QString, committed);
    TestDb db(TestDb::Demo);
    db.isql("insert into object (o_id, o_type, o_name1) values (9001, 'C', 'Leer GmbH');\ncommit;\n");
    RecordingMessages rec;
    {
        TestSession session(db.path());
        Tf_company editor(session, nullptr);
        QVERIFY(editor.setContactKey(9001));
        editor.show();
        auto* name1 = editor.findChild<DBEdit*>("dbedit_name1");
        name1->selectAll();
        QTest::keyClicks(name1, "Neu");
        if (!elsewhere.isEmpty()) {
            DbTransaction other(session.connection());
            SqlStatement(other, elsewhere.arg(9001)).execute();
            other.commit();
        }
        editor.findChild<QPushButton*>("btn_save")->click();
        QCOMPARE(editor.isVisible(), !elsewhere.isEmpty());
        QCOMPARE(rec.messages.size(), elsewhere.isEmpty() ? 0 : 1);
    }
    QCOMPARE(committedValues(db.path(), "select o_name1 || '|' || coalesce(o_name2, '') from object where o_id = 9001"),
             QStringList{committed});
}

QTEST_MAIN(TestCompanyEditor)
#include "tst_companyeditor.moc"
