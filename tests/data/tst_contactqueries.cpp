// The contact list's statements for what the user typed: a to z upper-cased,
// quotes doubled, blanks and wildcards kept as typed.
#include "data/ContactQueries.h"

#include <QTest>

using namespace pellori;

class TestContactQueries : public QObject {
    Q_OBJECT
private slots:
    void searchStatements_data();
    void searchStatements();
};

void TestContactQueries::searchStatements_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sql");

    QTest::newRow("quote and umlaut") << QStringLiteral("m\u00FCl'ler")
                                      << QStringLiteral("select * from p_view_company_and_person\n"
                                                        "where upper(o_name) like '%M\u00FCL''LER%'\n"
                                                        "order by o_name");
    QTest::newRow("empty") << QString()
                           << QStringLiteral("select * from p_view_company_and_person\norder by o_name");
    QTest::newRow("blanks kept") << QStringLiteral(" a z ")
                                 << QStringLiteral("select * from p_view_company_and_person\n"
                                                   "where upper(o_name) like '% A Z %'\norder by o_name");
    QTest::newRow("wildcards kept") << QStringLiteral("_%")
                                    << QStringLiteral("select * from p_view_company_and_person\n"
                                                      "where upper(o_name) like '%_%%'\norder by o_name");
}

void TestContactQueries::searchStatements()
{
    QFETCH(QString, text);
    QFETCH(QString, sql);
    QCOMPARE(queries::textSearch(text), sql);
}

QTEST_GUILESS_MAIN(TestContactQueries)
#include "tst_contactqueries.moc"
