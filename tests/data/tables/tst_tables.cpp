// The table descriptions against the schema: every column they write is the
// table's, the key is its primary key (a keyless table's key is all its
// columns), and a generator they draw from exists. A description that does not
// fit the schema would build statements that fail only when a user saves.
#include "TestDb.h"
#include "data/tables/Tables.h"

#include <QTest>

using namespace pellori;
using pellori::test::TestDb;

Q_DECLARE_METATYPE(const tables::Table*)

class TestTables : public QObject {
    Q_OBJECT
private slots:
    void descriptionsFitTheSchema_data();
    void descriptionsFitTheSchema();
};

void TestTables::descriptionsFitTheSchema_data()
{
    QTest::addColumn<const tables::Table*>("table");
    for (const tables::Table* t : {&tables::object(), &tables::person(), &tables::address(), &tables::communication(),
                                   &tables::internet(), &tables::belong2group(), &tables::addressType(),
                                   &tables::communicationType(), &tables::internetType(), &tables::groupt(),
                                   &tables::salutation(), &tables::title()})
        QTest::newRow(t->name) << t;
}

void TestTables::descriptionsFitTheSchema()
{
    QFETCH(const tables::Table*, table);
    static const TestDb db;
    const QString name = QString::fromLatin1(table->name).toUpper();
    const QStringList columns = db.values(
        "select trim(rdb$field_name) as f from rdb$relation_fields where rdb$relation_name = '" + name + "';", "F");
    QVERIFY2(!columns.isEmpty(), table->name);
    for (const char* column : table->columns)
        QVERIFY2(columns.contains(QLatin1String(column)), column);

    QStringList primaryKey = db.values("select trim(s.rdb$field_name) as f from rdb$relation_constraints c "
                                       "join rdb$index_segments s on s.rdb$index_name = c.rdb$index_name "
                                       "where c.rdb$constraint_type = 'PRIMARY KEY' and c.rdb$relation_name = '"
                                           + name + "';",
                                       "F");
    QStringList described;
    if (table->key)
        described << QLatin1String(table->key);
    else
        for (const char* column : table->columns)
            described << QLatin1String(column);
    primaryKey.sort();
    described.sort();
    QCOMPARE(described, primaryKey);

    if (table->generator)
        QCOMPARE(db.value(QStringLiteral("select count(*) as n from rdb$generators where rdb$generator_name = '")
                              + QLatin1String(table->generator) + "';",
                          "N"),
                 QStringLiteral("1"));
}

QTEST_GUILESS_MAIN(TestTables)
#include "tst_tables.moc"
