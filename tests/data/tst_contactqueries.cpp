// The contact list's statements for what the user typed: Latin-1 letters
// upper-cased, quotes doubled, blanks and wildcards kept as typed, German order.
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
                                                        "where upper(o_name) like '%M\u00DCL''LER%'\n"
                                                        "order by o_name collate de_de");
    // Sharp s and y with diaeresis have no Latin-1 capital; the division sign is no letter.
    QTest::newRow("latin-1 letters") << QStringLiteral("\u00E0\u00FF\u00DF\u00F7\u00E9\u00FEz")
                                     << QStringLiteral("select * from p_view_company_and_person\n"
                                                       "where upper(o_name) like '%\u00C0\u00FF\u00DF\u00F7\u00C9\u00DEZ%'\n"
                                                       "order by o_name collate de_de");
    QTest::newRow("empty") << QString()
                           << QStringLiteral("select * from p_view_company_and_person\norder by o_name collate de_de");
    QTest::newRow("blanks kept") << QStringLiteral(" a z ")
                                 << QStringLiteral("select * from p_view_company_and_person\n"
                                                   "where upper(o_name) like '% A Z %'\norder by o_name collate de_de");
    QTest::newRow("wildcards kept") << QStringLiteral("_%")
                                    << QStringLiteral("select * from p_view_company_and_person\n"
                                                      "where upper(o_name) like '%_%%'\norder by o_name collate de_de");
}

void TestContactQueries::searchStatements()
{
    QFETCH(QString, text);
    QFETCH(QString, sql);
    QCOMPARE(queries::textSearch(text), sql);
}

QTEST_GUILESS_MAIN(TestContactQueries)
#include "tst_contactqueries.moc"
