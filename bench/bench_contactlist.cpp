// Times the contact list on a database of 100,000 contacts: opening its first
// statement up to the first row, and fetching every row, each beside the same
// statement run through isql-fb. Prints the figures (median of the runs) and
// the ratios. Usage: bench_contactlist [contacts] [runs]
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace pellori;

namespace {

const QString kStatement = "select * from p_view_company_and_person order by o_name collate de_de";

QByteArray isql(const QString& db, const QByteArray& input)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(PELLORI_ISQL, db.isEmpty() ? QStringList{"-q"} : QStringList{"-q", "-ch", "ISO8859_1", db});
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(-1);
    return p.readAll();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeMs(const std::function<void()>& f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int contacts = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? atoi(argv[2]) : 5;
    QTemporaryDir dir;
    const QString db = dir.filePath("BENCH.QVX");

    isql({}, QString("create database '%1' page_size 8192 default character set ISO8859_1;\n").arg(db).toLatin1());
    QFile schema(PELLORI_SCHEMA_SQL);
    schema.open(QIODevice::ReadOnly);
    isql(db, schema.readAll());
    // Every fifth contact a company, the others persons with a first name.
    const QByteArray fill = QString(
        "set term ^;\n"
        "execute block as declare i integer = 0; declare id integer; begin\n"
        "  while (i < %1) do begin\n"
        "    id = gen_id(g_object_o_id, 1);\n"
        "    insert into object (o_id, o_type, o_name1, o_name2) values (:id, iif(mod(:i, 5) = 0, 'C', 'P'),\n"
        "      'N' || lpad(mod(:i * 7919, %1), 7, '0'), iif(mod(:i, 3) = 0, null, 'Vorname' || :i));\n"
        "    i = i + 1;\n"
        "  end\n"
        "end^\nset term ;^\ncommit;\n").arg(contacts).toLatin1();
    isql(db, fill);

    std::vector<double> firstRow, allRows, isqlFirst, isqlAll;
    int rows = 0;
    for (int r = 0; r < runs; ++r) {
        {
            Connection c;
            c.setDatabaseName(db);
            c.params = QStringList{"user_name=SYSDBA", "password=x", "lc_ctype=ISO8859_1"};
            DbTransaction tr(c, DbTransaction::readCommitted());
            QueryDataSet ds(tr);
            ds.setSelectSql(kStatement);
            firstRow.push_back(timeMs([&] { ds.open(); }));
            allRows.push_back(firstRow.back() + timeMs([&] { ds.last(); }));
            rows = ds.rowCount();
        }
        // isql attaches, runs the statement and prints; output is discarded.
        isqlFirst.push_back(timeMs([&] { isql(db, ("set rowcount 1;\n" + kStatement + ";\n").toLatin1()); }));
        isqlAll.push_back(timeMs([&] { isql(db, ("set heading off;\n" + kStatement + ";\n").toLatin1()); }));
    }
    std::printf("contacts: %d (rows read: %d), runs: %d, medians in ms\n", contacts, rows, runs);
    std::printf("open + first row: pellori %8.1f   isql-fb %8.1f   ratio %.2f\n", median(firstRow), median(isqlFirst),
                median(firstRow) / median(isqlFirst));
    std::printf("fetch all rows:   pellori %8.1f   isql-fb %8.1f   ratio %.2f\n", median(allRows), median(isqlAll),
                median(allRows) / median(isqlAll));
    return rows == contacts ? 0 : 1;
}
