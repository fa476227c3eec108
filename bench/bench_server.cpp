// The shared book beside the single file: one database of 100,000 contacts,
// opened by path through the embedded engine and as 127.0.0.1:path through the
// local Firebird server, with Pellori's own login. Times attaching, the contact
// list up to its first row, and what the person editor reads for one person:
// the person record and its four detail lists with their type and group names.
// Skips, with a message, when no server answers or the login is refused.
// Usage: bench_server [contacts] [runs]
#include "BenchCommon.h"
#include "data/Connection.h"
#include "data/ContactQueries.h"
#include "data/DataSet.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "editors/detail/DetailListConfig.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

using namespace pellori;

namespace {

using pellori::bench::isql;
using pellori::bench::median;
using pellori::bench::timeMs;

// The person editor's record: person.* and object.* are the twelve fields it declares.
const QString kPersonSql =
    "select person.*, object.* from person, object where ((p_id = :p_id) and (object.o_id = person.p_id))";

void createShared(const QString& db)
{
    pellori::bench::createWithSchema(db);
    // The server may run as its own user: it must read and write the file.
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                  | QFile::ReadOther | QFile::WriteOther);
}

// The contacts as bench_contactlist makes them; every person also gets two
// numbers, an e-mail address, a group and a postal address.
QString makeDatabase(const QTemporaryDir& dir, int contacts)
{
    const QString db = dir.filePath("SHARED.QVX");
    createShared(db);
    const QByteArray fill = QString(
        "set term ^;\n"
        "execute block as declare i integer = 0; declare id integer; begin\n"
        "  while (i < %1) do begin\n"
        "    id = gen_id(g_object_o_id, 1);\n"
        "    insert into object (o_id, o_type, o_name1, o_name2) values (:id,\n"
        "      iif(mod(:i, 5) = 0, 'C', 'P'), 'N' || lpad(mod(:i * 7919, %1), 7, '0'),\n"
        "      iif(mod(:i, 3) = 0, null, 'Vorname' || :i));\n"
        "    if (mod(:i, 5) <> 0) then begin\n"
        "      insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number)\n"
        "        values (:id, 1, '@', '0301', :i);\n"
        "      insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number)\n"
        "        values (:id, 3, '-', '0171', :i);\n"
        "      insert into internet (i_oid, i_itid, i_pref, i_name) values (:id, 1, '@', 'p' || :i || '@example.org');\n"
        "      insert into belong2group (b2g_oid, b2g_gid) values (:id, mod(:i, 6) + 1);\n"
        "      insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street)\n"
        "        values (:id, 1, '@', 10000 + mod(:i, 90000), 'Stadt', 'Weg ' || :i);\n"
        "    end\n"
        "    i = i + 1;\n"
        "  end\n"
        "end^\nset term ;^\ncommit;\n")
        .arg(contacts)
        .toLatin1();
    isql(db, fill);
    return db;
}

void login(Connection& c, const QString& name)
{
    c.setDatabaseName(name);
    c.params = QStringList{"user_name=QVXPELLORI", "password=*vemlox!", "lc_ctype=ISO8859_1"};
}

// Attaches, then opens the main window's contact list up to its first row.
int listFirstRow(const QString& name, double& attachMs, double& firstRowMs)
{
    Connection c;
    login(c, name);
    attachMs = timeMs([&] { c.open(); });
    DbTransaction tr(c, DbTransaction::readCommitted());
    QueryDataSet ds(tr);
    ds.setSelectSql(queries::initialContacts());
    ds.addField({.name = "O_ID", .kind = FieldKind::Integer, .visible = false});
    ds.addField({.name = "O_NAME", .kind = FieldKind::Text, .size = 255});
    ds.addField({.name = "O_TYPE", .kind = FieldKind::Text, .size = 1, .visible = false});
    firstRowMs = timeMs([&] { ds.open(); });
    return ds.rowCount();
}

// What the person editor holds open for one person, built as its detail lists build theirs.
struct PersonEditorData {
    struct List {
        std::unique_ptr<DbTransaction> transaction;
        std::unique_ptr<QueryDataSet> lookup;
        std::unique_ptr<EditableDataSet> rows;
    };
    std::unique_ptr<DbTransaction> transaction;
    std::unique_ptr<EditableDataSet> person;
    std::vector<List> lists;

    // Every value a grid would show, names of types and groups looked up.
    static int readAll(DataSet& ds)
    {
        ds.fetchAll();
        for (int r = 0; r < ds.rowCount(); ++r)
            for (int f = 0; f < ds.fieldCount(); ++f)
                ds.text(r, f);
        return ds.rowCount();
    }

    // Returns the rows read: the person's, then each list's.
    QList<int> open(Connection& c, DbTransaction& main, int key)
    {
        transaction = std::make_unique<DbTransaction>(c, DbTransaction::editingCurrent());
        person = std::make_unique<EditableDataSet>(*transaction);
        person->setSelectSql(kPersonSql);
        person->setParam("p_id", key);
        person->open();
        QList<int> rows{readAll(*person)};
        for (DetailKind kind : detailKinds()) {
            const DetailListConfig& config = detailListConfig(kind, Variant::Person);
            List l;
            l.transaction = std::make_unique<DbTransaction>(c, DbTransaction::editingCurrent());
            l.lookup = std::make_unique<QueryDataSet>(main);
            l.lookup->setSelectSql(config.lookupSql);
            l.rows = std::make_unique<EditableDataSet>(*l.transaction);
            l.rows->setSelectSql(config.selectSql);
            for (const DetailColumn& col : config.columns) {
                FieldDef f{.name = col.field, .kind = col.kind, .size = col.size, .visible = col.visible};
                if (!col.lookupOf.isEmpty()) {
                    f.keyField = col.lookupOf;
                    f.lookupDataSet = l.lookup.get();
                    f.lookupKeyField = config.lookupKeyField;
                    f.lookupResultField = config.lookupTextField;
                }
                l.rows->addField(f);
            }
            l.rows->setParam(config.ownerParam, key);
            l.rows->open();
            l.lookup->open();
            rows << readAll(*l.rows);
            lists.push_back(std::move(l));
        }
        return rows;
    }
};

struct Figures {
    std::vector<double> attach, firstRow, editor;
    int listRows = 0;
    QList<int> editorRows;
};

void editorRuns(const QString& name, int key, int runs, Figures& f)
{
    Connection c;
    login(c, name);
    DbTransaction main(c, DbTransaction::readCommitted());
    PersonEditorData{}.open(c, main, key);   // not timed: the first prepares also read metadata
    for (int r = 0; r < runs; ++r) {
        PersonEditorData data;
        f.editor.push_back(timeMs([&] { f.editorRows = data.open(c, main, key); }));
    }
}

void row(const char* label, const std::vector<double>& embedded, const std::vector<double>& server)
{
    const double e = median(embedded), s = median(server);
    std::printf("  %-26s embedded %8.2f   server %8.2f   server/embedded %.2f\n", label, e, s, s / e);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int contacts = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? atoi(argv[2]) : 5;
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                          | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);

    // A small book first: no use building the large one for a server that cannot open it.
    const QString probe = dir.filePath("PROBE.QVX");
    createShared(probe);
    try {
        Connection c;
        login(c, "127.0.0.1:" + probe);
        c.open();
    } catch (const DbError& e) {
        std::printf("skipped: the server on 127.0.0.1 cannot be used as QVXPELLORI on %s\n%s\n",
                    qPrintable(dir.path()), qPrintable(e.message()));
        return 0;
    }
    QFile::remove(probe);

    const QString db = makeDatabase(dir, contacts);
    const QString remote = "127.0.0.1:" + db;
    int i = contacts / 2;
    while (i % 5 == 0)
        ++i;
    const int key = i + 1;   // contact keys are drawn from 1 on

    // The engine and the server each hold the file while attached: one at a time.
    Figures embedded, server;
    for (int r = 0; r < runs; ++r) {
        for (auto [f, name] : {std::pair{&embedded, db}, std::pair{&server, remote}}) {
            double attach = 0, first = 0;
            f->listRows = listFirstRow(name, attach, first);
            f->attach.push_back(attach);
            f->firstRow.push_back(first);
        }
    }
    const int editorTimes = 10 * runs;
    editorRuns(db, key, editorTimes, embedded);
    editorRuns(remote, key, editorTimes, server);

    std::printf("contacts: %d; list %d runs, person editor %d runs; medians in ms\n", contacts, runs, editorTimes);
    row("attach", embedded.attach, server.attach);
    row("contact list, first row", embedded.firstRow, server.firstRow);
    row("person editor's data", embedded.editor, server.editor);
    std::printf("  first row over the server: %.2f x embedded (goal <= 1.5)\n",
                median(server.firstRow) / median(embedded.firstRow));

    // One person row; two numbers, an e-mail address, a group, an address.
    const QList<int> expected{1, 2, 1, 1, 1};
    return embedded.listRows > 0 && server.listRows > 0 && embedded.editorRows == expected
                   && server.editorRows == expected
               ? 0
               : 1;
}
