// The quick-add dialogs: the key is taken once and kept across a refused
// attempt, the new contact is committed before its editor opens, and
// cancelling inserts nothing.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "data/DataSet.h"
#include "editors/f_add_company.h"
#include "editors/f_add_person.h"
#include "widgets/DBEdit.h"

#include <QPushButton>
#include <QTest>

using namespace pellori;
using namespace pellori::test;

namespace {

void type(QWidget* dialog, const char* field, const QString& text)
{
    auto* edit = dialog->findChild<DBEdit*>(QLatin1String(field));
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

QString count(const QString& db, const QString& where)
{
    return committedValues(db, "select count(*) from object where " + where).value(0);
}

QString generator(const QString& db)
{
    return committedValues(db, "select gen_id(g_object_o_id, 0) from rdb$database").value(0);
}

} // namespace

class TestQuickAdd : public QObject {
    Q_OBJECT
private slots:
    void oneKeyForTwoAttemptsCommittedBeforeTheEditor();
    void cancelInsertsNothing_data();
    void cancelInsertsNothing();
};

void TestQuickAdd::oneKeyForTwoAttemptsCommittedBeforeTheEditor()
{
    TestDb db(TestDb::Demo);
    const qlonglong before = generator(db.path()).toLongLong();
    RecordingMessages rec;
    TestSession session(db.path());
    Tf_add_new_person dialog(session, nullptr);
    dialog.show();
    type(&dialog, "dbedit_familyname", "Neumann");
    dialog.findChild<QPushButton*>("btn_OK")->click();
    QCOMPARE(rec.messages, QStringList{QString("You must fill out \u00ABFirst name\u00BB.")});
    QVERIFY(dialog.isVisible());
    type(&dialog, "dbedit_firstname", "Nora");
    dialog.findChild<QPushButton*>("btn_OK")->click();
    QVERIFY(!dialog.isVisible());
    // One generator value for both attempts; the editor opened with it.
    QCOMPARE(generator(db.path()).toLongLong(), before + 1);
    QCOMPARE(session.openedPersons, QList<int>{int(before + 1)});
    // Committed before the editor opened, while the dialog still lives.
    QCOMPARE(count(db.path(), QString("o_id = %1 and o_type = 'P' and o_name2 = 'Nora'").arg(before + 1)), QString("1"));
}

void TestQuickAdd::cancelInsertsNothing_data()
{
    QTest::addColumn<bool>("company");
    QTest::addColumn<bool>("byEnter");   // Enter on the focused Cancel, or a click
    QTest::newRow("company, click") << true << false;
    QTest::newRow("company, Enter") << true << true;
    QTest::newRow("person, Enter") << false << true;
}

void TestQuickAdd::cancelInsertsNothing()
{
    QFETCH(bool, company);
    QFETCH(bool, byEnter);
    TestDb db(TestDb::Demo);
    const QString contacts = count(db.path(), "1 = 1");
    RecordingMessages rec;
    {
        TestSession session(db.path());
        std::unique_ptr<QDialog> dialog;
        if (company) {
            dialog = std::make_unique<Tf_add_new_company>(session, nullptr);
            type(dialog.get(), "dbedit_name1", "Nie Gesehen GmbH");
        } else {
            dialog = std::make_unique<Tf_add_new_person>(session, nullptr);
            type(dialog.get(), "dbedit_familyname", "Nie");
            type(dialog.get(), "dbedit_firstname", "Gesehen");
        }
        dialog->show();
        auto* cancel = dialog->findChild<QPushButton*>("btn_cancel");
        if (byEnter) {
            cancel->setFocus();
            QTest::keyClick(cancel, Qt::Key_Return);
        } else {
            cancel->click();
        }
        QVERIFY(!dialog->isVisible());
        QVERIFY(session.openedCompanies.isEmpty() && session.openedPersons.isEmpty());
    }
    QCOMPARE(count(db.path(), "1 = 1"), contacts);
    QVERIFY(rec.messages.isEmpty());
}

QTEST_MAIN(TestQuickAdd)
#include "tst_quickadd.moc"
