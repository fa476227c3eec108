// The database schema as the program relies on it: detail rows created with a
// contact, keys assigned by the database, the refusals that keep rows from
// being orphaned (and the constraint names the editors look for), and the row
// sources behind the contact list, the company editor and the birthday list.

#include "TestDb.h"
#include "data/Global.h"

#include <QDate>
#include <QtTest>

using pellori::test::Rows;
using pellori::test::TestDb;

namespace {

QString sqlLiteral(const QString& text)
{
    if (text.isNull())
        return QStringLiteral("NULL");
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

bool failed(const QString& isqlOutput)
{
    return isqlOutput.contains(QLatin1String("Statement failed"));
}

// Creates a contact the way the quick-add dialogs do (key from the generator,
// only the object row) and returns its key, or -1.
int addContact(const TestDb& db, const QString& type, const QString& name1, const QString& name2 = QString())
{
    const QString out = db.isql(QStringLiteral("set list on;\n"
                                               "insert into object (o_id, o_type, o_name1, o_name2) "
                                               "values (gen_id(G_OBJECT_O_ID, 1), '%1', %2, %3) returning o_id;\n"
                                               "commit;")
                                    .arg(type, sqlLiteral(name1), sqlLiteral(name2)));
    const QStringList keys = pellori::test::listColumn(out, QStringLiteral("O_ID"));
    bool ok = false;
    const int key = keys.size() == 1 ? keys.first().toInt(&ok) : -1;
    return ok ? key : -1;
}

// Company 1 with person 2 working there, both with explicit keys.
const char* const kCompanyAndEmployee =
    "insert into object (o_id, o_type, o_name1, o_name2) values (1, 'C', 'Firma', NULL);\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (2, 'P', 'Person', 'Paula');\n"
    "update person set p_cid = 1 where p_id = 2;\n"
    "commit;\n";

} // namespace

class tst_schema : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void isValidFlag_data();
    void isValidFlag();

    void objectInsertCreatesDetailRow_data();
    void objectInsertCreatesDetailRow();
    void newPersonGetsLowestSalutation();

    void databaseAssignsKeys_data();
    void databaseAssignsKeys();
    void standardValuesFindTheirRows();

    void refusals_data();
    void refusals();
    void deleteSequenceRemovesWholeContact_data();
    void deleteSequenceRemovesWholeContact();

    void contactName_data();
    void contactName();
    void contactListOrderAndSearch();
    void companyAndPersonColumns();

    void birthdayAgeAndOrder();
    void birthdayMonths();

    void postcodeIsNumber_data();
    void postcodeIsNumber();

    void configuredUserMayWork();
    void demoDatabase();
};

void tst_schema::initTestCase()
{
    // Builds the template once; aborts with isql's messages when it cannot.
    QVERIFY(QFileInfo::exists(pellori::test::templateDatabase()));
}

void tst_schema::isValidFlag_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("set") << QStringLiteral("@") << true;
    QTest::newRow("cleared") << QStringLiteral("-") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("empty, not null") << QStringLiteral("") << false;
    QTest::newRow("leading blank") << QStringLiteral(" @") << false;
    QTest::newRow("trailing blank") << QStringLiteral("@ ") << false;
    QTest::newRow("Y") << QStringLiteral("Y") << false;
    QTest::newRow("N") << QStringLiteral("N") << false;
    QTest::newRow("double") << QStringLiteral("--") << false;
    QTest::newRow("both") << QStringLiteral("@-") << false;
}

void tst_schema::isValidFlag()
{
    QFETCH(QString, value);
    QFETCH(bool, valid);
    QCOMPARE(pellori::IsValidFlag(value), valid);
}

void tst_schema::objectInsertCreatesDetailRow_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("persons");
    QTest::addColumn<int>("companies");
    QTest::newRow("person") << QStringLiteral("P") << 1 << 0;
    QTest::newRow("company") << QStringLiteral("C") << 0 << 1;
}

void tst_schema::objectInsertCreatesDetailRow()
{
    QFETCH(QString, type);
    QFETCH(int, persons);
    QFETCH(int, companies);
    TestDb db;

    // Visible inside the inserting transaction, and gone with its rollback.
    const QString out = db.isql(QStringLiteral("set list on;\n"
                                               "insert into object (o_id, o_type, o_name1) values (7, '%1', 'Neu');\n"
                                               "select count(*) as np from person where p_id = 7;\n"
                                               "select count(*) as nc from company where c_id = 7;\n"
                                               "rollback;\n"
                                               "select count(*) as nall from object;\n")
                                    .arg(type));
    QVERIFY2(!failed(out), qPrintable(out));
    QCOMPARE(pellori::test::listColumn(out, QStringLiteral("NP")), QStringList{QString::number(persons)});
    QCOMPARE(pellori::test::listColumn(out, QStringLiteral("NC")), QStringList{QString::number(companies)});
    QCOMPARE(pellori::test::listColumn(out, QStringLiteral("NALL")), QStringList{QStringLiteral("0")});

    const int key = addContact(db, type, QStringLiteral("Neu"));
    QVERIFY(key > 0);
    const Rows rows = db.select(QStringLiteral("select count(*) as np from person;\n"
                                               "select count(*) as nc from company;\n"
                                               "select p_id from person;\nselect c_id from company;"));
    QCOMPARE(rows.value(QStringLiteral("NP")), QString::number(persons));
    QCOMPARE(rows.value(QStringLiteral("NC")), QString::number(companies));
    const QString detailKey = rows.value(type == QLatin1String("P") ? QStringLiteral("P_ID") : QStringLiteral("C_ID"));
    QCOMPARE(detailKey, QString::number(key));
}

void tst_schema::newPersonGetsLowestSalutation()
{
    TestDb db;
    // Drop the first salutation so "lowest" is not simply key 1.
    const QString setup = db.isql(QStringLiteral("delete from salutation where s_id = 1;\n"
                                                 "insert into salutation (s_name) values ('Zuletzt');\n"
                                                 "commit;"));
    QVERIFY2(!failed(setup), qPrintable(setup));
    const int key = addContact(db, QStringLiteral("P"), QStringLiteral("Neu"), QStringLiteral("Nina"));
    QVERIFY(key > 0);
    const Rows row = db.select(QStringLiteral("select min(s_id) as m from salutation;\n"
                                              "select p_sid, p_alive, p_cid from person where p_id = %1;")
                                   .arg(key));
    const QString lowest = row.value(QStringLiteral("M"));
    QVERIFY(lowest.toInt() > 1);
    QCOMPARE(row.value(QStringLiteral("P_SID")), lowest);
    QCOMPARE(row.value(QStringLiteral("P_ALIVE")), QStringLiteral("@"));
    QCOMPARE(row.value(QStringLiteral("P_CID")), QStringLiteral("<null>"));
}

void tst_schema::databaseAssignsKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("withoutKey");
    QTest::addColumn<QString>("withNullKey");

    QTest::newRow("address")
        << QStringLiteral("A_ID")
        << QStringLiteral("insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                          "values (1, 1, '@', 10115, 'Berlin', 'Chausseestr. 1')")
        << QStringLiteral("insert into address (a_id, a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                          "values (NULL, 1, 2, '-', 10115, 'Berlin', 'Chausseestr. 2')");
    QTest::newRow("communication")
        << QStringLiteral("C_ID")
        << QStringLiteral("insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) "
                          "values (1, 1, '@', '030', '111')")
        << QStringLiteral("insert into communication (c_id, c_oid, c_ctid, c_pref, c_prefix, c_number) "
                          "values (NULL, 1, 2, '@', '030', '222')");
    QTest::newRow("internet")
        << QStringLiteral("I_ID")
        << QStringLiteral("insert into internet (i_oid, i_itid, i_name, i_pref) values (1, 1, 'a@example.de', '@')")
        << QStringLiteral("insert into internet (i_id, i_oid, i_itid, i_name, i_pref) "
                          "values (NULL, 1, 2, 'b@example.de', '@')");
    QTest::newRow("addresstype")
        << QStringLiteral("AT_ID") << QStringLiteral("insert into addresstype (at_name, at_sortid) values ('Neu', 9)")
        << QStringLiteral("insert into addresstype (at_id, at_name, at_sortid) values (NULL, 'Neu 2', 10)");
    QTest::newRow("communicationtype")
        << QStringLiteral("CT_ID")
        << QStringLiteral("insert into communicationtype (ct_name, ct_sortid) values ('Neu', 9)")
        << QStringLiteral("insert into communicationtype (ct_id, ct_name, ct_sortid) values (NULL, 'Neu 2', 10)");
    QTest::newRow("internettype")
        << QStringLiteral("IT_ID") << QStringLiteral("insert into internettype (it_name, it_sort) values ('Neu', 9)")
        << QStringLiteral("insert into internettype (it_id, it_name, it_sort) values (NULL, 'Neu 2', 10)");
    // The group and salutation editors pass their empty key column.
    QTest::newRow("groupt") << QStringLiteral("G_ID") << QStringLiteral("insert into groupt (g_name) values ('Neu')")
                            << QStringLiteral("insert into groupt (g_id, g_name) values (NULL, 'Neu 2')");
    QTest::newRow("salutation")
        << QStringLiteral("S_ID") << QStringLiteral("insert into salutation (s_name) values ('Neu')")
        << QStringLiteral("insert into salutation (s_id, s_name) values (NULL, 'Neu 2')");
    QTest::newRow("title") << QStringLiteral("T_ID") << QStringLiteral("insert into title (t_name) values ('Neu')")
                           << QStringLiteral("insert into title (t_id, t_name) values (NULL, 'Neu 2')");
}

void tst_schema::databaseAssignsKeys()
{
    QFETCH(QString, key);
    QFETCH(QString, withoutKey);
    QFETCH(QString, withNullKey);
    TestDb db;
    // Two rows each, so a generator that lags behind the seeded rows or
    // hands out a key twice shows up as a refused insert.
    const QString out = db.isql(QStringLiteral("set list on;\n"
                                               "insert into object (o_id, o_type, o_name1) values (1, 'C', 'Firma');\n"
                                               "%1 returning %3;\n%2 returning %3;\ncommit;\n")
                                    .arg(withoutKey, withNullKey, key));
    QVERIFY2(!failed(out), qPrintable(out));
    const QStringList keys = pellori::test::listColumn(out, key);
    QCOMPARE(keys.size(), 2);
    bool ok1 = false;
    bool ok2 = false;
    QVERIFY(keys[0].toInt(&ok1) > 0 && ok1);
    QVERIFY(keys[1].toInt(&ok2) > 0 && ok2);
    QVERIFY(keys[0] != keys[1]);
}

void tst_schema::standardValuesFindTheirRows()
{
    // A new configuration points at key 1 of these four tables.
    TestDb db;
    const Rows rows = db.select(QStringLiteral("select count(*) as a from addresstype where at_id = 1;\n"
                                               "select count(*) as c from communicationtype where ct_id = 1;\n"
                                               "select count(*) as i from internettype where it_id = 1;\n"
                                               "select count(*) as g from groupt where g_id = 1;\n"
                                               "select count(*) as s from salutation;\n"
                                               "select count(*) as t from title;\n"
                                               "select yn_id from yesno order by yn_id desc;"));
    for (const char* column : {"A", "C", "I", "G"})
        QVERIFY2(rows.value(QLatin1String(column)) == QLatin1String("1"), column);
    QVERIFY(rows.value(QStringLiteral("S")).toInt() > 0);
    QVERIFY(rows.value(QStringLiteral("T")).toInt() > 0);
    QCOMPARE(rows.values(QStringLiteral("YN_ID")), (QStringList{QStringLiteral("@"), QStringLiteral("-")}));
}

void tst_schema::refusals_data()
{
    // Each row runs on company 1 with person 2 working there: setup, the
    // statement the database must refuse, a text its message must contain,
    // and a count that shows the refused statement changed nothing.
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("expectedCount");

    QTest::newRow("company a person works at")
        << QString() << QStringLiteral("delete from company where c_id = 1")
        << QStringLiteral("FK5_PERSON") << QStringLiteral("select count(*) as n from company") << QStringLiteral("1");
    QTest::newRow("person works at a missing company")
        << QString() << QStringLiteral("update person set p_cid = 2 where p_id = 2")
        << QStringLiteral("FK5_PERSON") << QStringLiteral("select count(*) as n from person where p_cid = 1")
        << QStringLiteral("1");

    const QString phone = QStringLiteral("insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) "
                                         "values (2, %1, '@', '089', '%2')");
    QTest::newRow("second number of one type")
        << phone.arg(1).arg(111) << phone.arg(1).arg(222) << QStringLiteral("UNQ_COMMUNICATION")
        << QStringLiteral("select count(*) as n from communication") << QStringLiteral("1");
    QTest::newRow("number changed to a type in use")
        << phone.arg(1).arg(111) + QStringLiteral(";\n") + phone.arg(2).arg(222)
        << QStringLiteral("update communication set c_ctid = 1 where c_number = '222'")
        << QStringLiteral("UNQ_COMMUNICATION")
        << QStringLiteral("select count(*) as n from communication where c_ctid = 2") << QStringLiteral("1");
    const QString mail = QStringLiteral("insert into internet (i_oid, i_itid, i_name, i_pref) values (2, %1, '%2', '@')");
    QTest::newRow("second internet entry of one type")
        << mail.arg(1).arg(QStringLiteral("a@example.de")) << mail.arg(1).arg(QStringLiteral("b@example.de"))
        << QStringLiteral("UNQ_INTERNET") << QStringLiteral("select count(*) as n from internet")
        << QStringLiteral("1");
    QTest::newRow("internet entry changed to a type in use")
        << mail.arg(1).arg(QStringLiteral("a@example.de")) + QStringLiteral(";\n")
               + mail.arg(2).arg(QStringLiteral("b@example.de"))
        << QStringLiteral("update internet set i_itid = 1 where i_name = 'b@example.de'")
        << QStringLiteral("UNQ_INTERNET") << QStringLiteral("select count(*) as n from internet where i_itid = 2")
        << QStringLiteral("1");

    // The contact list deletes a bare object row: refused while anything
    // still refers to it.
    const QString objectCount = QStringLiteral("select count(*) as n from object where o_id = 2");
    const QString withoutPerson = QStringLiteral(";\ndelete from person where p_id = 2");
    QTest::newRow("object with its person row")
        << QString() << QStringLiteral("delete from object where o_id = 2") << QStringLiteral("FOREIGN KEY")
        << objectCount << QStringLiteral("1");
    QTest::newRow("object with its company row")
        << QStringLiteral("update person set p_cid = NULL") << QStringLiteral("delete from object where o_id = 1")
        << QStringLiteral("FOREIGN KEY") << QStringLiteral("select count(*) as n from object where o_id = 1")
        << QStringLiteral("1");
    QTest::newRow("object with an address")
        << QStringLiteral("insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                          "values (2, 1, '@', 1067, 'Dresden', 'Altmarkt 1')")
               + withoutPerson
        << QStringLiteral("delete from object where o_id = 2") << QStringLiteral("FOREIGN KEY") << objectCount
        << QStringLiteral("1");
    QTest::newRow("object with a number")
        << phone.arg(1).arg(111) + withoutPerson << QStringLiteral("delete from object where o_id = 2")
        << QStringLiteral("FOREIGN KEY") << objectCount << QStringLiteral("1");
    QTest::newRow("object with an internet entry")
        << mail.arg(1).arg(QStringLiteral("a@example.de")) + withoutPerson
        << QStringLiteral("delete from object where o_id = 2") << QStringLiteral("FOREIGN KEY") << objectCount
        << QStringLiteral("1");
    QTest::newRow("object in a group")
        << QStringLiteral("insert into belong2group (b2g_oid, b2g_gid) values (2, 1)") + withoutPerson
        << QStringLiteral("delete from object where o_id = 2") << QStringLiteral("FOREIGN KEY") << objectCount
        << QStringLiteral("1");

    // No detail row without its contact.
    QTest::newRow("address of a missing contact")
        << QString()
        << QStringLiteral("insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                          "values (99, 1, '@', 1067, 'Dresden', 'Altmarkt 1')")
        << QStringLiteral("FOREIGN KEY") << QStringLiteral("select count(*) as n from address") << QStringLiteral("0");
    QTest::newRow("number of a missing contact")
        << QString()
        << QStringLiteral("insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) "
                          "values (99, 1, '@', '089', '111')")
        << QStringLiteral("FOREIGN KEY") << QStringLiteral("select count(*) as n from communication")
        << QStringLiteral("0");
    QTest::newRow("internet entry of a missing contact")
        << QString()
        << QStringLiteral("insert into internet (i_oid, i_itid, i_name, i_pref) values (99, 1, 'a@example.de', '@')")
        << QStringLiteral("FOREIGN KEY") << QStringLiteral("select count(*) as n from internet")
        << QStringLiteral("0");
    QTest::newRow("membership of a missing contact")
        << QString() << QStringLiteral("insert into belong2group (b2g_oid, b2g_gid) values (99, 1)")
        << QStringLiteral("FOREIGN KEY") << QStringLiteral("select count(*) as n from belong2group")
        << QStringLiteral("0");
    QTest::newRow("person row of a missing contact")
        << QString() << QStringLiteral("insert into person (p_id, p_sid, p_alive) values (99, 1, '@')")
        << QStringLiteral("FOREIGN KEY") << QStringLiteral("select count(*) as n from person")
        << QStringLiteral("1");
    QTest::newRow("company row of a missing contact")
        << QString() << QStringLiteral("insert into company (c_id) values (99)") << QStringLiteral("FOREIGN KEY")
        << QStringLiteral("select count(*) as n from company") << QStringLiteral("1");
    QTest::newRow("same membership twice")
        << QStringLiteral("insert into belong2group (b2g_oid, b2g_gid) values (2, 1)")
        << QStringLiteral("insert into belong2group (b2g_oid, b2g_gid) values (2, 1)") << QStringLiteral("KEY")
        << QStringLiteral("select count(*) as n from belong2group") << QStringLiteral("1");

    // No reference to a missing lookup row, and no lookup row removed while used.
    QTest::newRow("missing address type")
        << QString()
        << QStringLiteral("insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                          "values (2, 99, '@', 1067, 'Dresden', 'Altmarkt 1')")
        << QStringLiteral("FOREIGN KEY") << QStringLiteral("select count(*) as n from address") << QStringLiteral("0");
    QTest::newRow("missing communication type")
        << QString() << phone.arg(99).arg(111) << QStringLiteral("FOREIGN KEY")
        << QStringLiteral("select count(*) as n from communication") << QStringLiteral("0");
    QTest::newRow("missing internet type")
        << QString() << mail.arg(99).arg(QStringLiteral("a@example.de")) << QStringLiteral("FOREIGN KEY")
        << QStringLiteral("select count(*) as n from internet") << QStringLiteral("0");
    QTest::newRow("missing group")
        << QString() << QStringLiteral("insert into belong2group (b2g_oid, b2g_gid) values (2, 99)")
        << QStringLiteral("FOREIGN KEY") << QStringLiteral("select count(*) as n from belong2group")
        << QStringLiteral("0");
    QTest::newRow("missing salutation")
        << QString() << QStringLiteral("update person set p_sid = 99 where p_id = 2") << QStringLiteral("FOREIGN KEY")
        << QStringLiteral("select count(*) as n from person where p_sid = 99") << QStringLiteral("0");
    QTest::newRow("missing title")
        << QString() << QStringLiteral("update person set p_tid = 99 where p_id = 2") << QStringLiteral("FOREIGN KEY")
        << QStringLiteral("select count(*) as n from person where p_tid = 99") << QStringLiteral("0");
    QTest::newRow("group in use")
        << QStringLiteral("insert into belong2group (b2g_oid, b2g_gid) values (2, 1)")
        << QStringLiteral("delete from groupt where g_id = 1") << QStringLiteral("FOREIGN KEY")
        << QStringLiteral("select count(*) as n from groupt where g_id = 1") << QStringLiteral("1");
    QTest::newRow("salutation in use")
        << QString() << QStringLiteral("delete from salutation where s_id = (select p_sid from person where p_id = 2)")
        << QStringLiteral("FOREIGN KEY") << QStringLiteral("select count(*) as n from salutation")
        << QStringLiteral("3");

    // Flags hold "@" or "-" only.
    QTest::newRow("address flag Y")
        << QString()
        << QStringLiteral("insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                          "values (2, 1, 'Y', 1067, 'Dresden', 'Altmarkt 1')")
        << QStringLiteral("CHECK") << QStringLiteral("select count(*) as n from address") << QStringLiteral("0");
    QTest::newRow("alive flag empty")
        << QString() << QStringLiteral("update person set p_alive = '' where p_id = 2") << QStringLiteral("CHECK")
        << QStringLiteral("select count(*) as n from person where p_alive = '@'") << QStringLiteral("1");
    QTest::newRow("alive flag null")
        << QString() << QStringLiteral("update person set p_alive = NULL where p_id = 2") << QStringLiteral("P_ALIVE")
        << QStringLiteral("select count(*) as n from person where p_alive = '@'") << QStringLiteral("1");
    QTest::newRow("contact kind X")
        << QString() << QStringLiteral("insert into object (o_id, o_type, o_name1) values (3, 'X', 'Wer')")
        << QStringLiteral("CHECK") << QStringLiteral("select count(*) as n from object") << QStringLiteral("2");
}

void tst_schema::refusals()
{
    QFETCH(QString, setup);
    QFETCH(QString, statement);
    QFETCH(QString, message);
    QFETCH(QString, count);
    QFETCH(QString, expectedCount);
    TestDb db;

    const QString prepared = db.isql(QString::fromLatin1(kCompanyAndEmployee)
                                     + (setup.isEmpty() ? QString() : setup + QStringLiteral(";\ncommit;")));
    QVERIFY2(!failed(prepared), qPrintable(prepared));

    const QString out = db.isql(QStringLiteral("set list on;\n%1;\ncommit;\n%2;\n").arg(statement, count));
    QVERIFY2(failed(out), qPrintable(out));
    QVERIFY2(out.contains(message), qPrintable(out));
    QCOMPARE(pellori::test::listColumn(out, QStringLiteral("N")), QStringList{expectedCount});
}

void tst_schema::deleteSequenceRemovesWholeContact_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("person") << 2;
    QTest::newRow("company nobody works at") << 3;
}

void tst_schema::deleteSequenceRemovesWholeContact()
{
    QFETCH(int, key);
    TestDb db;
    // Every kind of detail row for contacts 2 and 3, then the program's own
    // delete statements, in its order, for one of them.
    QString setup = QString::fromLatin1(kCompanyAndEmployee)
        + QStringLiteral("insert into object (o_id, o_type, o_name1) values (3, 'C', 'Leer');\n");
    for (int owner : {2, 3})
        setup += QStringLiteral("insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                                "values (%1, 1, '@', 1067, 'Dresden', 'Altmarkt 1');\n"
                                "insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) "
                                "values (%1, 1, '@', '0351', '123');\n"
                                "insert into internet (i_oid, i_itid, i_name, i_pref) values (%1, 1, 'x@example.de', '@');\n"
                                "insert into belong2group (b2g_oid, b2g_gid) values (%1, 1);\n"
                                "insert into belong2group (b2g_oid, b2g_gid) values (%1, 2);\n")
                     .arg(owner);
    const QString prepared = db.isql(setup + QStringLiteral("commit;"));
    QVERIFY2(!failed(prepared), qPrintable(prepared));

    const QString out = db.isql(QStringLiteral("delete  from address where address.a_oid = %1;\n"
                                               "delete  from communication where c_oid = %1;\n"
                                               "delete  from belong2group where b2g_oid = %1;\n"
                                               "delete  from internet where i_oid = %1;\n"
                                               "delete from person where p_id = %1;\n"
                                               "delete from company where c_id = %1;\n"
                                               "delete from object where o_id = %1;\n"
                                               "commit;\n")
                                    .arg(key));
    QVERIFY2(!failed(out), qPrintable(out));

    const QString count = QStringLiteral(
        "select (select count(*) from object where o_id = %1) + (select count(*) from person where p_id = %1)"
        " + (select count(*) from company where c_id = %1) + (select count(*) from address where a_oid = %1)"
        " + (select count(*) from communication where c_oid = %1) + (select count(*) from internet where i_oid = %1)"
        " + (select count(*) from belong2group where b2g_oid = %1) as n from rdb$database;");
    const int other = key == 2 ? 3 : 2;
    const Rows rows = db.select(count.arg(key) + QLatin1Char('\n') + QString(count).replace(" as n ", " as m ").arg(other));
    QCOMPARE(rows.value(QStringLiteral("N")), QStringLiteral("0"));
    QCOMPARE(rows.value(QStringLiteral("M")), QStringLiteral("7"));
}

void tst_schema::contactName_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name1");
    QTest::addColumn<QString>("name2");
    QTest::addColumn<QString>("expected");
    QTest::newRow("person") << QStringLiteral("P") << QStringLiteral("Müller") << QStringLiteral("Änne")
                            << QStringLiteral("Müller, Änne");
    QTest::newRow("person without first name") << QStringLiteral("P") << QStringLiteral("Müller") << QString()
                                               << QStringLiteral("Müller");
    QTest::newRow("person with empty first name") << QStringLiteral("P") << QStringLiteral("Müller") << QStringLiteral("")
                                                  << QStringLiteral("Müller");
    QTest::newRow("person with quote") << QStringLiteral("P") << QStringLiteral("O'Neil") << QStringLiteral("Siobhan")
                                       << QStringLiteral("O'Neil, Siobhan");
    QTest::newRow("company") << QStringLiteral("C") << QStringLiteral("3D Druck") << QStringLiteral("GmbH")
                             << QStringLiteral("3D Druck GmbH");
    QTest::newRow("company without second line") << QStringLiteral("C") << QStringLiteral("Café Schönblick") << QString()
                                                 << QStringLiteral("Café Schönblick");
    QTest::newRow("company with empty second line") << QStringLiteral("C") << QStringLiteral("Élysée") << QStringLiteral("")
                                                    << QStringLiteral("Élysée");
}

void tst_schema::contactName()
{
    QFETCH(QString, type);
    QFETCH(QString, name1);
    QFETCH(QString, name2);
    QFETCH(QString, expected);
    TestDb db;

    const int employer = addContact(db, QStringLiteral("C"), QStringLiteral("Arbeitgeber"));
    const int key = addContact(db, type, name1, name2);
    QVERIFY(employer > 0 && key > 0);
    const QString setup = db.isql(QStringLiteral("update person set p_cid = %1, p_birthday = '1980-05-17' "
                                                 "where p_id = %2;\ncommit;")
                                      .arg(employer)
                                      .arg(key));
    QVERIFY2(!failed(setup), qPrintable(setup));

    // Every row source shows the same name.
    const Rows rows = db.select(
        QStringLiteral("select o_name as in_list from p_view_company_and_person where o_id = %1;\n"
                       "select o_name as employee from p_view_person(%2);\n"
                       "select o_name as birthday from p_view_birthday where o_id = %1;\n"
                       "select c_name from p_company_combobox where c_id = %1;")
            .arg(key)
            .arg(employer));
    QCOMPARE(rows.value(QStringLiteral("IN_LIST")), expected);
    if (type == QLatin1String("P")) {
        QCOMPARE(rows.values(QStringLiteral("EMPLOYEE")), QStringList{expected});
        QCOMPARE(rows.value(QStringLiteral("BIRTHDAY")), expected);
    } else {
        QCOMPARE(rows.value(QStringLiteral("C_NAME")), expected);
    }
}

void tst_schema::contactListOrderAndSearch()
{
    TestDb db;
    QString adds;
    for (const QString& name : {QStringLiteral("Bauer"), QStringLiteral("Äpfel"), QStringLiteral("Zander"),
                                QStringLiteral("Apfel"), QStringLiteral("Özdemir"), QStringLiteral("Ober")})
        adds += QStringLiteral("insert into object (o_id, o_type, o_name1) values (gen_id(G_OBJECT_O_ID, 1), 'P', %1);\n")
                    .arg(sqlLiteral(name));
    adds += QStringLiteral("insert into object (o_id, o_type, o_name1, o_name2) "
                           "values (gen_id(G_OBJECT_O_ID, 1), 'C', 'Äskulap', 'Apotheke');\ncommit;\n");
    const QString added = db.isql(adds);
    QVERIFY2(!failed(added), qPrintable(added));

    const Rows rows = db.select(QStringLiteral(
        "select o_name from p_view_company_and_person order by o_name collate de_de;\n"
        "select o_name as found from p_view_company_and_person\nwhere upper(o_name) like '%ÄPF%'\norder by o_name;\n"
        "select o_name as in_range from p_view_company_and_person\n"
        "where ((o_alive = '@') and ((upper(o_name) like 'Ä%')))\norder by o_name collate de_de;\n"
        "Select g_name from groupt order by g_name collate de_de;\n"
        "select t_name from title order by t_name collate de_de asc;"));
    QVERIFY2(!failed(rows.output()), qPrintable(rows.output()));

    // The contact list as first opened.
    const QStringList names = rows.values(QStringLiteral("O_NAME"));
    QCOMPARE(names.size(), 7);
    QVERIFY2(names.indexOf(QStringLiteral("Apfel")) < names.indexOf(QStringLiteral("Äpfel")), qPrintable(names.join('|')));
    QVERIFY2(names.indexOf(QStringLiteral("Äpfel")) < names.indexOf(QStringLiteral("Äskulap Apotheke")),
             qPrintable(names.join('|')));
    QVERIFY2(names.indexOf(QStringLiteral("Äskulap Apotheke")) < names.indexOf(QStringLiteral("Bauer")),
             qPrintable(names.join('|')));
    QVERIFY2(names.indexOf(QStringLiteral("Ober")) < names.indexOf(QStringLiteral("Özdemir")), qPrintable(names.join('|')));
    QVERIFY2(names.indexOf(QStringLiteral("Özdemir")) < names.indexOf(QStringLiteral("Zander")), qPrintable(names.join('|')));

    // The name search and the letter ranges of the printed address book.
    QCOMPARE(rows.values(QStringLiteral("FOUND")), QStringList{QStringLiteral("Äpfel")});
    QCOMPARE(rows.values(QStringLiteral("IN_RANGE")),
             (QStringList{QStringLiteral("Äpfel"), QStringLiteral("Äskulap Apotheke")}));

    // The group and title lists sort their names the same way.
    QVERIFY(!rows.values(QStringLiteral("G_NAME")).isEmpty());
    QVERIFY(!rows.values(QStringLiteral("T_NAME")).isEmpty());
}

void tst_schema::companyAndPersonColumns()
{
    TestDb db;
    const QString prepared = db.isql(QString::fromLatin1(kCompanyAndEmployee)
                                     + QStringLiteral("insert into object (o_id, o_type, o_name1, o_name2, o_additional) "
                                                      "values (3, 'P', 'Allein', 'Anton', 'Zeile 1');\n"
                                                      "update person set p_tid = (select min(t_id) from title), "
                                                      "p_nickname = 'Toni', p_birthday = '1950-02-03', p_alive = '-' "
                                                      "where p_id = 3;\ncommit;"));
    QVERIFY2(!failed(prepared), qPrintable(prepared));

    const Rows company = db.select(QStringLiteral("select * from p_view_company_and_person where o_id = 1;"));
    QCOMPARE(company.value(QStringLiteral("O_TYPE")), QStringLiteral("C"));
    QCOMPARE(company.value(QStringLiteral("O_ALIVE")), QStringLiteral("@"));
    QCOMPARE(company.value(QStringLiteral("O_CID")), QStringLiteral("<null>"));
    QCOMPARE(company.value(QStringLiteral("O_TITLE")), QStringLiteral("<null>"));

    const Rows person = db.select(QStringLiteral(
        "select o_type, o_name1, o_name2, o_title, o_nickname, o_cid, o_birthday, o_alive "
        "from p_view_company_and_person where o_id = 3;\n"
        "select o_cid as employer from p_view_company_and_person where o_id = 2;\n"
        "select t_name from title where t_id = (select min(t_id) from title);\n"
        "select o_id as employee, o_type as employee_type from p_view_person(1) order by o_name;\n"
        "select c_id from p_company_combobox order by c_name;"));
    QCOMPARE(person.value(QStringLiteral("EMPLOYER")), QStringLiteral("1"));
    const QString title = person.value(QStringLiteral("T_NAME"));
    QVERIFY(!title.isEmpty());
    QCOMPARE(person.value(QStringLiteral("O_TYPE")), QStringLiteral("P"));
    QCOMPARE(person.value(QStringLiteral("O_NAME1")), QStringLiteral("Allein"));
    QCOMPARE(person.value(QStringLiteral("O_NAME2")), QStringLiteral("Anton"));
    QCOMPARE(person.value(QStringLiteral("O_TITLE")), title);
    QCOMPARE(person.value(QStringLiteral("O_NICKNAME")), QStringLiteral("Toni"));
    QCOMPARE(person.value(QStringLiteral("O_CID")), QStringLiteral("<null>"));
    QCOMPARE(person.value(QStringLiteral("O_BIRTHDAY")), QStringLiteral("1950-02-03"));
    QCOMPARE(person.value(QStringLiteral("O_ALIVE")), QStringLiteral("-"));

    // Only the employee is listed for the company, only companies to work at.
    QCOMPARE(person.values(QStringLiteral("EMPLOYEE")), QStringList{QStringLiteral("2")});
    QCOMPARE(person.values(QStringLiteral("EMPLOYEE_TYPE")), QStringList{QStringLiteral("P")});
    QCOMPARE(person.values(QStringLiteral("C_ID")), QStringList{QStringLiteral("1")});
}

void tst_schema::birthdayAgeAndOrder()
{
    TestDb db;
    // Two born on the same day in different years, one dead, one without birthday.
    const QString prepared = db.isql(QStringLiteral(
        "insert into object (o_id, o_type, o_name1, o_name2) values (1, 'P', 'Alt', 'Anna');\n"
        "insert into object (o_id, o_type, o_name1, o_name2) values (2, 'P', 'Jung', 'Jan');\n"
        "insert into object (o_id, o_type, o_name1, o_name2) values (3, 'P', 'Ohne', 'Otto');\n"
        "insert into object (o_id, o_type, o_name1, o_name2) values (4, 'C', 'Firma', NULL);\n"
        "update person set p_birthday = '1931-12-31', p_alive = '-' where p_id = 1;\n"
        "update person set p_birthday = '1999-12-31' where p_id = 2;\n"
        "commit;"));
    QVERIFY2(!failed(prepared), qPrintable(prepared));

    const Rows rows = db.select(QStringLiteral("select * from p_view_birthday where (o_month = 12) "
                                               "order by o_month, o_day, o_age desc;\n"
                                               "select count(*) as n from p_view_birthday;"));
    const int year = QDate::currentDate().year();
    QCOMPARE(rows.values(QStringLiteral("O_ID")), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    QCOMPARE(rows.values(QStringLiteral("O_AGE")),
             (QStringList{QString::number(year - 1931), QString::number(year - 1999)}));
    QCOMPARE(rows.values(QStringLiteral("O_MONTH")), (QStringList{QStringLiteral("12"), QStringLiteral("12")}));
    QCOMPARE(rows.values(QStringLiteral("O_DAY")), (QStringList{QStringLiteral("31"), QStringLiteral("31")}));
    QCOMPARE(rows.values(QStringLiteral("O_ALIVE")), (QStringList{QStringLiteral("-"), QStringLiteral("@")}));
    QCOMPARE(rows.values(QStringLiteral("O_BIRTHDAY")),
             (QStringList{QStringLiteral("1931-12-31"), QStringLiteral("1999-12-31")}));
    QCOMPARE(rows.value(QStringLiteral("N")), QStringLiteral("2"));
}

void tst_schema::birthdayMonths()
{
    TestDb db;
    QString setup;
    const QStringList birthdays{QStringLiteral("1970-11-02"), QStringLiteral("1980-02-29"),
                                QStringLiteral("1990-02-01"), QString()};
    for (int i = 0; i < birthdays.size(); ++i)
        setup += QStringLiteral("insert into object (o_id, o_type, o_name1) values (%1, 'P', 'P%1');\n"
                                "update person set p_birthday = %2 where p_id = %1;\n")
                     .arg(i + 1)
                     .arg(sqlLiteral(birthdays[i]));
    const QString prepared = db.isql(setup + QStringLiteral("commit;"));
    QVERIFY2(!failed(prepared), qPrintable(prepared));

    const Rows rows = db.select(QStringLiteral("select distinct o_month from v_birthday order by o_month;\n"
                                               "select count(*) as n from v_birthday;"));
    QCOMPARE(rows.values(QStringLiteral("O_MONTH")), (QStringList{QStringLiteral("2"), QStringLiteral("11")}));
    QCOMPARE(rows.value(QStringLiteral("N")), QStringLiteral("3"));
}

void tst_schema::postcodeIsNumber_data()
{
    QTest::addColumn<QString>("literal");
    QTest::addColumn<QString>("stored");
    QTest::newRow("text with leading zero") << QStringLiteral("'01067'") << QStringLiteral("1067");
    QTest::newRow("number with leading zeros") << QStringLiteral("00042") << QStringLiteral("42");
    QTest::newRow("five digits") << QStringLiteral("99999") << QStringLiteral("99999");
    QTest::newRow("beyond 32 bits") << QStringLiteral("12345678901") << QStringLiteral("12345678901");
}

void tst_schema::postcodeIsNumber()
{
    QFETCH(QString, literal);
    QFETCH(QString, stored);
    TestDb db;
    const QString out = db.isql(QStringLiteral("insert into object (o_id, o_type, o_name1) values (1, 'C', 'Firma');\n"
                                               "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                                               "values (1, 1, '-', %1, 'Dresden', 'Altmarkt 1');\ncommit;")
                                    .arg(literal));
    QVERIFY2(!failed(out), qPrintable(out));
    QCOMPARE(db.value(QStringLiteral("select a_postcode from address;"), QStringLiteral("A_POSTCODE")), stored);
}

void tst_schema::configuredUserMayWork()
{
    // The program logs in with the user of its configuration, who owns
    // nothing in the file.
    TestDb db;
    const QString out = db.isql(
        QStringLiteral("connect '%1' user 'QVXPELLORI' password 'x';\n"
                       "set list on;\n"
                       "select current_user as who from rdb$database;\n"
                       "insert into object (o_id, o_type, o_name1, o_name2) "
                       "values (gen_id(G_OBJECT_O_ID, 1), 'P', 'Gast', 'Gustav');\n"
                       "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                       "values (gen_id(G_OBJECT_O_ID, 0), 1, '@', 1067, 'Dresden', 'Altmarkt 1');\n"
                       "insert into groupt (g_id, g_name) values (NULL, 'Neu');\n"
                       "update person set p_nickname = 'Gus';\n"
                       "select count(*) as n from p_view_company_and_person;\n"
                       "select count(*) as b from p_view_birthday;\n"
                       "select count(*) as v from v_birthday;\n"
                       "select count(*) as c from p_company_combobox;\n"
                       "select count(*) as e from p_view_person(1);\n"
                       "delete from address;\n"
                       "commit;\n")
            .arg(db.path()));
    QVERIFY2(!failed(out), qPrintable(out));
    QCOMPARE(pellori::test::listColumn(out, QStringLiteral("WHO")), QStringList{QStringLiteral("QVXPELLORI")});
    QCOMPARE(pellori::test::listColumn(out, QStringLiteral("N")), QStringList{QStringLiteral("1")});
}

void tst_schema::demoDatabase()
{
    TestDb db(TestDb::Demo);
    const Rows rows = db.select(QStringLiteral(
        "select count(*) as persons from object where o_type = 'P';\n"
        "select count(*) as companies from object where o_type = 'C';\n"
        "select count(*) as in_view from v_birthday;\n"
        "select count(*) as in_procedure from p_view_birthday;\n"
        "select distinct o_month from v_birthday order by o_month;\n"
        "select count(*) as dead from person where p_alive = '-';\n"
        "select count(*) as employed from person where p_cid is not null;\n"
        // The doctors' address book as printed with the default doctors value.
        "select count(*) as doctors from p_view_company_and_person "
        "where ((o_id in (select b2g_oid from belong2group where (b2g_gid = 1))) and (o_alive = '@'));\n"
        "select count(*) as other_addresses from address where a_pref = '-';\n"
        "select count(*) as other_numbers from communication where c_pref = '-';\n"
        "select count(*) as other_internet from internet where i_pref = '-';\n"
        "select o_name from p_view_company_and_person order by o_name collate de_de;"));
    const auto count = [&rows](const char* column) { return rows.value(QLatin1String(column)).toInt(); };
    QVERIFY(count("PERSONS") >= 40);
    QVERIFY(count("COMPANIES") >= 12);
    QCOMPARE(count("IN_VIEW"), count("IN_PROCEDURE"));
    QCOMPARE(rows.values(QStringLiteral("O_MONTH")).size(), 12);
    for (const char* column : {"DEAD", "EMPLOYED", "DOCTORS", "OTHER_ADDRESSES", "OTHER_NUMBERS", "OTHER_INTERNET"})
        QVERIFY2(count(column) > 0, column);

    // Latin-1 text arrived as such.
    const QStringList names = rows.values(QStringLiteral("O_NAME"));
    QVERIFY2(names.contains(QStringLiteral("Öztürk, Mehmet")), qPrintable(names.join('|')));
    QVERIFY(names.contains(QStringLiteral("O'Neil, Siobhan")));

    // A contact added by the program does not collide with the demo's keys.
    QVERIFY(addContact(db, QStringLiteral("P"), QStringLiteral("Neu")) > 0);
}

QTEST_GUILESS_MAIN(tst_schema)
#include "tst_schema.moc"
