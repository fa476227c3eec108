// Times labels on the 3 x 8 sheet for a database of 10,000 contacts, each with
// a postal address (every tenth person only through the company it works at):
// laying them out to the last sheet without showing them, beside the bare
// statements that read the same rows (for every contact the postal statement
// closed, given its key, opened and read). Two ways of choosing the contacts:
// the contact list's keys, and a group that holds them all (its statement
// then runs too). Prints the medians of the runs, the ratio and the time until
// the first sheet is ready.
// Usage: bench_labels [contacts] [runs]
#include "BenchCommon.h"
#include "data/Connection.h"
#include "data/ContactQueries.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "data/Postcode.h"
#include "printing/engine/ReportLayout.h"
#include "printing/postal/LabelSheet.h"
#include "printing/postal/PostalReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace pellori;
using namespace pellori::postal;
using pellori::bench::median;

namespace {

QByteArray fillScript(int contacts)
{
    return QString(R"(set term ^;
execute block as declare i integer = 0; declare id integer; declare company integer; begin
  while (i < %1) do begin
    id = gen_id(g_object_o_id, 1);
    if (mod(i, 5) = 0) then begin
      insert into object (o_id, o_type, o_name1, o_name2)
        values (:id, 'C', 'Firma ' || lpad(mod(:i * 7919, %1), 6, '0'), iif(mod(:i, 2) = 0, 'GmbH & Co. KG', null));
      company = id;
    end else begin
      insert into object (o_id, o_type, o_name1, o_name2)
        values (:id, 'P', 'Name' || lpad(mod(:i * 7919, %1), 6, '0'), 'Vorname ' || :i);
      update person set p_sid = 1 + mod(:i, 2), p_tid = iif(mod(:i, 3) = 0, 1, null), p_cid = :company where p_id = :id;
    end
    if (mod(i, 10) <> 1) then
      insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street, a_country)
        values (:id, 1, '@', mod(:i * 37, 99999), 'Dresden', 'Prager Strasse ' || :i, iif(mod(:i, 9) = 0, 'France', 'Deutschland'));
    if (mod(i, 4) = 0) then
      insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street, a_country)
        values (:id, 2, '-', 1069, 'Leipzig', 'Nebenweg ' || :i, 'Deutschland');
    insert into belong2group (b2g_oid, b2g_gid) values (:id, 1);
    i = i + 1;
  end
end^
set term ;^
commit;
)").arg(contacts).toLatin1();
}

// The keys as the contact list shows them after "All".
QList<int> listKeys(DbTransaction& tr)
{
    QueryDataSet list(tr);
    list.setSelectSql(queries::initialContacts());
    FieldDef id;
    id.name = "O_ID";
    id.kind = FieldKind::Integer;
    list.addField(id);
    list.open();
    QList<int> keys;
    for (list.first(); !list.atEnd(); list.next())
        keys << list.value("O_ID").toInt();
    return keys;
}

// The statements without the labels: what the labels cannot be faster than.
double bareStatements(DbTransaction& tr, const ContactChoice& choice)
{
    QElapsedTimer t;
    t.start();
    QList<int> keys = choice.shownIds;
    if (choice.scope == ContactScope::Group) {
        QueryDataSet master(tr);
        master.setSelectSql(queries::addressBookGroup(choice.groupId));
        FieldDef id;
        id.name = "O_ID";
        id.kind = FieldKind::Integer;
        master.addField(id);
        master.open();
        for (master.first(); !master.atEnd(); master.next())
            keys << master.value("O_ID").toInt();
    }
    QueryDataSet row(tr);
    row.setSelectSql(queries::postalContact(postcode::hasWrittenColumn(tr)));
    for (const char* c : {"O_ID", "O_TYPE", "O_NAME1", "O_NAME2", "S_NAME", "T_NAME", "A_STREET", "A_POSTCODE",
                          "A_TOWN", "A_COUNTRY", "E_NAME1", "E_NAME2"}) {
        FieldDef f;
        f.name = c;
        f.kind = QByteArray(c) == "O_ID" ? FieldKind::Integer
                 : QByteArray(c) == "A_POSTCODE" ? FieldKind::BigInt
                                                 : FieldKind::Text;
        row.addField(f);
    }
    for (int key : keys) {
        row.close();
        row.setParam("o_id", key);
        row.open();
        for (; !row.atEnd(); row.next())
            for (const FieldDef& f : row.fields())
                (void)row.value(f.name);
    }
    return double(t.nsecsElapsed()) / 1e6;
}

struct Run {
    double firstMs, totalMs;
    int pages, labels;
};

Run labels(DbTransaction& tr, const ContactChoice& choice)
{
    QElapsedTimer t;
    t.start();
    PostalReport labels(tr, choice, *labelPreset("3x8"), 0, "Deutschland");
    report::ReportLayout layout(labels.report);
    layout.produceUntil(1);
    const double first = double(t.nsecsElapsed()) / 1e6;
    layout.produceAll();
    return {first, double(t.nsecsElapsed()) / 1e6, int(layout.pages().size()), labels.printed()};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int contacts = argc > 1 ? atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? atoi(argv[2]) : 5;
    QTemporaryDir dir;
    const QString db = dir.filePath("BENCH.QVX");
    bench::createWithSchema(db);
    bench::isql(db, fillScript(contacts));

    for (const ContactScope scope : {ContactScope::Shown, ContactScope::Group}) {
        std::vector<double> bare, total, first;
        Run last{};
        for (int r = 0; r < runs; ++r) {
            // A fresh attachment each run; which goes first alternates, so neither always finds the other's cache.
            Connection connection;
            connection.setDatabaseName(db);
            connection.params = QStringList{"user_name=SYSDBA", "password=x", "lc_ctype=ISO8859_1"};
            connection.open();
            {
                DbTransaction tr(connection, DbTransaction::readCommitted());
                ContactChoice choice{.scope = scope, .groupId = 1};
                if (scope == ContactScope::Shown)
                    choice.shownIds = listKeys(tr);
                if (r % 2 == 0)
                    bare.push_back(bareStatements(tr, choice));
                last = labels(tr, choice);
                total.push_back(last.totalMs);
                first.push_back(last.firstMs);
                if (r % 2 == 1)
                    bare.push_back(bareStatements(tr, choice));
            }
            connection.close();
        }
        std::printf("%s: %d contacts, %d labels on %d sheets, %d runs, medians in ms\n",
                    scope == ContactScope::Shown ? "the list's keys" : "a group", contacts, last.labels, last.pages,
                    runs);
        std::printf("  bare statements:  %8.1f\n", median(bare));
        std::printf("  labels laid out:  %8.1f   ratio %.2f (goal <= 1.5)\n", median(total),
                    median(total) / median(bare));
        std::printf("  first sheet:      %8.1f   (goal <= 500)\n", median(first));
    }
    return 0;
}
