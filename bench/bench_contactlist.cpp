// Times the contact list on a database of 100,000 contacts: opening its first
// statement up to the first row, and fetching every row. Pellori's data set
// (with the list's three fields) stands beside the same statement read
// in-process through Firebird's interface with the fewest allocations (the
// engine's floor) and beside isql-fb's whole process. Both with and without a
// 300-character note on every contact, which the list does not show. Also
// prints the memory the data set keeps per row.
// Usage: bench_contactlist [contacts] [runs]
#include "BenchCommon.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <firebird/Interface.h>
#include <functional>
#include <malloc.h>

using namespace pellori;

namespace {

using pellori::bench::isql;
using pellori::bench::median;
using pellori::bench::timeMs;

const QString kStatement = "select * from p_view_company_and_person order by o_name collate de_de";

QString makeDatabase(const QTemporaryDir& dir, const QString& name, int contacts, bool notes)
{
    const QString db = dir.filePath(name);
    pellori::bench::createWithSchema(db);
    // Every fifth contact a company, the others persons with a first name.
    const QByteArray fill = QString(
        "set term ^;\n"
        "execute block as declare i integer = 0; declare id integer; begin\n"
        "  while (i < %1) do begin\n"
        "    id = gen_id(g_object_o_id, 1);\n"
        "    insert into object (o_id, o_type, o_name1, o_name2, o_additional) values (:id,\n"
        "      iif(mod(:i, 5) = 0, 'C', 'P'), 'N' || lpad(mod(:i * 7919, %1), 7, '0'),\n"
        "      iif(mod(:i, 3) = 0, null, 'Vorname' || :i), %2);\n"
        "    i = i + 1;\n"
        "  end\n"
        "end^\nset term ;^\ncommit;\n")
        .arg(contacts)
        .arg(notes ? "rpad('Notiz ' || :i || ' ', 300, 'x')" : "null")
        .toLatin1();
    isql(db, fill);
    return db;
}

// The same statement through Firebird's own interface: one status, one message
// buffer, nothing decoded. firstOnly stops after the first row.
int floorRead(const QString& db, bool firstOnly)
{
    using namespace Firebird;
    IMaster* master = fb_get_master_interface();
    ThrowStatusWrapper st(master->getStatus());
    IUtil* util = master->getUtilInterface();
    IXpbBuilder* dpb = util->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
    dpb->insertString(&st, isc_dpb_user_name, "SYSDBA");
    dpb->insertString(&st, isc_dpb_lc_ctype, "ISO8859_1");
    IProvider* prov = master->getDispatcher();
    IAttachment* att = prov->attachDatabase(&st, db.toLocal8Bit().constData(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
    IXpbBuilder* tpb = util->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
    tpb->insertTag(&st, isc_tpb_read_committed);
    tpb->insertTag(&st, isc_tpb_rec_version);
    tpb->insertTag(&st, isc_tpb_nowait);
    ITransaction* tra = att->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
    const QByteArray sql = kStatement.toLatin1();
    IStatement* stmt = att->prepare(&st, tra, unsigned(sql.size()), sql.constData(), 3, 0);
    IMessageMetadata* meta = stmt->getOutputMetadata(&st);
    std::vector<unsigned char> buffer(meta->getMessageLength(&st));
    IResultSet* rs = stmt->openCursor(&st, tra, nullptr, nullptr, meta, 0);
    int rows = 0;
    while (rs->fetchNext(&st, buffer.data()) == IStatus::RESULT_OK) {
        ++rows;
        if (firstOnly)
            break;
    }
    rs->close(&st);
    meta->release();
    stmt->free(&st);
    tra->commit(&st);
    att->detach(&st);
    tpb->dispose();
    dpb->dispose();
    prov->release();
    st.dispose();
    return rows;
}

struct Figures {
    std::vector<double> first, all, floorFirst, floorAll, isqlFirst, isqlAll, bytesPerRow;
    int rows = 0;
};

Figures measure(const QString& db, int runs)
{
    Figures f;
    for (int r = 0; r < runs; ++r) {
        {
            Connection c;
            c.setDatabaseName(db);
            c.params = QStringList{"user_name=SYSDBA", "password=x", "lc_ctype=ISO8859_1"};
            DbTransaction tr(c, DbTransaction::readCommitted());
            QueryDataSet ds(tr);
            ds.setSelectSql(kStatement);
            // The contact list's fields.
            ds.addField({.name = "O_ID", .kind = FieldKind::Integer, .visible = false});
            ds.addField({.name = "O_NAME", .kind = FieldKind::Text, .size = 255});
            ds.addField({.name = "O_TYPE", .kind = FieldKind::Text, .size = 1, .visible = false});
            const size_t before = mallinfo2().uordblks;
            f.first.push_back(timeMs([&] { ds.open(); }));
            f.all.push_back(f.first.back() + timeMs([&] { ds.last(); }));
            f.rows = ds.rowCount();
            f.bytesPerRow.push_back(double(mallinfo2().uordblks - before) / qMax(1, f.rows));
        }
        f.floorFirst.push_back(timeMs([&] { floorRead(db, true); }));
        f.floorAll.push_back(timeMs([&] { floorRead(db, false); }));
        // isql attaches, runs the statement and prints; output is discarded.
        f.isqlFirst.push_back(timeMs([&] { isql(db, ("set rowcount 1;\n" + kStatement + ";\n").toLatin1()); }));
        f.isqlAll.push_back(timeMs([&] { isql(db, ("set heading off;\n" + kStatement + ";\n").toLatin1()); }));
    }
    return f;
}

void print(const char* label, const Figures& f)
{
    std::printf("%s (rows read: %d)\n", label, f.rows);
    std::printf("  open + first row: pellori %8.1f   floor %8.1f   isql-fb %8.1f   pellori/floor %.2f\n",
                median(f.first), median(f.floorFirst), median(f.isqlFirst), median(f.first) / median(f.floorFirst));
    std::printf("  fetch all rows:   pellori %8.1f   floor %8.1f   isql-fb %8.1f   pellori/floor %.2f\n",
                median(f.all), median(f.floorAll), median(f.isqlAll), median(f.all) / median(f.floorAll));
    std::printf("  kept per row: %.0f bytes\n", median(f.bytesPerRow));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int contacts = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? atoi(argv[2]) : 3;
    QTemporaryDir dir;
    const QString plain = makeDatabase(dir, "PLAIN.QVX", contacts, false);
    const QString noted = makeDatabase(dir, "NOTES.QVX", contacts, true);
    std::printf("contacts: %d, runs: %d, medians in ms\n", contacts, runs);
    const Figures a = measure(plain, runs);
    print("without notes", a);
    const Figures b = measure(noted, runs);
    print("with a 300-character note on every contact", b);
    return a.rows == contacts && b.rows == contacts ? 0 : 1;
}
