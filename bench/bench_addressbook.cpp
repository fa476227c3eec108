// Times the address book of all contacts on a database of 10,000 contacts with
// numbers, internet entries, addresses and employers: laying it out to its last
// page without showing it, beside the same queries run bare (the master list,
// and for every contact the five detail queries closed, given their keys,
// opened and read). Prints the medians of the runs, the ratio, pages per
// second and the time until the first page is ready.
// Usage: bench_addressbook [contacts] [runs]
#include "BenchCommon.h"
#include "data/Connection.h"
#include "data/ContactQueries.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "data/Postcode.h"
#include "printing/engine/ReportLayout.h"
#include "printing/f_print_address_book.h"
#include "services/Session.h"
#include "settings/Language.h"
#include "settings/Settings.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>

using namespace pellori;

namespace {

using pellori::bench::isql;
using pellori::bench::median;

class BenchSession final : public Session {
public:
    explicit BenchSession(const QString& path)
    {
        m_connection.setDatabaseName(path);
        m_connection.params = QStringList{"user_name=SYSDBA", "password=x", "lc_ctype=ISO8859_1"};
        m_connection.open();
        m_main = std::make_unique<DbTransaction>(m_connection, DbTransaction::readCommitted());
    }
    ~BenchSession() override
    {
        m_main.reset();
        m_connection.close();
    }
    Connection& connection() override { return m_connection; }
    DbTransaction& mainTransaction() override { return *m_main; }
    const TLang& lang() const override { return m_lang; }
    StandardValues& standardValues() override { return m_standard; }
    QString configPath() const override { return {}; }
    bool canWrite() override { return true; }
    QAction* faqAction() override { return &m_faq; }
    void openPersonEditor(int) override {}
    void openCompanyEditor(int) override {}

private:
    Connection m_connection;
    std::unique_ptr<DbTransaction> m_main;
    TLang m_lang;
    StandardValues m_standard;
    QAction m_faq;
};

// Every fifth contact a company; every other person works at the company before it.
// Each contact has two numbers, an e-mail address and a postal address.
QByteArray fillScript(int contacts)
{
    return QString(R"(set term ^;
execute block as declare i integer = 0; declare id integer; declare company integer; begin
  while (i < %1) do begin
    id = gen_id(g_object_o_id, 1);
    if (mod(i, 5) = 0) then begin
      insert into object (o_id, o_type, o_name1, o_name2, o_additional)
        values (:id, 'C', 'Firma ' || lpad(mod(:i * 7919, %1), 6, '0'), 'GmbH', iif(mod(:i, 3) = 0, 'Lieferant', null));
      company = id;
    end else begin
      insert into object (o_id, o_type, o_name1, o_name2)
        values (:id, 'P', 'Name' || lpad(mod(:i * 7919, %1), 6, '0'), 'Vorname ' || :i);
      if (mod(i, 2) = 0) then update person set p_cid = :company where p_id = :id;
    end
    insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number, c_assistent)
      values (:id, 1, '@', '0351', 100000 + :i, iif(mod(:i, 7) = 0, 'Frau Lange', null));
    insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (:id, 3, '-', '0170', 200000 + :i);
    insert into internet (i_oid, i_itid, i_name, i_pref) values (:id, 1, 'kontakt' || :i || '@example.de', '@');
    insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street, a_country)
      values (:id, 1, '@', mod(:i * 37, 99999), 'Dresden', 'Prager Strasse ' || :i, 'Deutschland');
    i = i + 1;
  end
end^
set term ;^
commit;
)").arg(contacts).toLatin1();
}

// Declares the columns as the report does: only these are decoded.
void declare(DataSet& ds, std::initializer_list<std::pair<const char*, FieldKind>> columns)
{
    for (const auto& [name, kind] : columns) {
        FieldDef f;
        f.name = QLatin1String(name);
        f.kind = kind;
        ds.addField(f);
    }
}

// Closes, sets the keys, opens and reads every row.
void rerun(DataSet& ds, std::initializer_list<std::pair<const char*, int>> params)
{
    ds.close();
    for (const auto& [name, value] : params)
        ds.setParam(QLatin1String(name), value);
    ds.open();
    for (; !ds.atEnd(); ds.next())
        for (const FieldDef& f : ds.fields())
            (void)ds.value(f.name);
}

// The report's queries without the report: what it cannot do faster than.
double bareQueries(Session& session)
{
    constexpr FieldKind T = FieldKind::Text;
    QElapsedTimer t;
    t.start();
    DbTransaction& tr = session.mainTransaction();
    QueryDataSet master(tr), comm(tr), inet(tr), addr(tr), company(tr), staff(tr);
    master.setSelectSql(queries::addressBookAll());
    comm.setSelectSql(queries::addressBookCommunication());
    inet.setSelectSql(queries::addressBookInternet());
    addr.setSelectSql(queries::addressBookAddress(postcode::hasWrittenColumn(tr)));
    company.setSelectSql(queries::addressBookCompany());
    staff.setSelectSql(queries::addressBookEmployees());
    declare(master, {{"O_ID", FieldKind::Integer}, {"O_CID", FieldKind::Integer}, {"O_NAME", T},
                     {"O_ADDITIONAL", FieldKind::Memo}});
    declare(comm, {{"C_ASSISTENT", T}, {"C_NUMBER", T}, {"C_PREF", T}, {"C_PREFIX", T}, {"CT_NAME", T}});
    declare(inet, {{"I_NAME", T}, {"I_PREF", T}, {"IT_NAME", T}});
    declare(addr, {{"A_COUNTRY", T}, {"A_POSTCODE", FieldKind::BigInt}, {"A_PREF", T}, {"A_STREET", T},
                   {"A_TOWN", T}, {"AT_NAME", T}});
    declare(company, {{"O_NAME1", T}, {"O_NAME2", T}});
    declare(staff, {{"O_NAME", T}});
    master.open();
    for (master.first(); !master.atEnd(); master.next()) {
        const int id = master.value("O_ID").toInt();
        const int cid = master.isNull("O_CID") ? 0 : master.value("O_CID").toInt();
        rerun(comm, {{"c_oid", id}, {"o_cid", cid}});
        rerun(inet, {{"i_oid", id}, {"o_cid", cid}});
        rerun(addr, {{"a_oid", id}, {"o_cid", cid}});
        rerun(company, {{"o_cid", cid}});
        rerun(staff, {{"o_cid", id}});
        (void)master.value("O_NAME");
        (void)master.value("O_ADDITIONAL");
    }
    return double(t.nsecsElapsed()) / 1e6;
}

struct ReportRun {
    double firstPageMs, totalMs;
    int pages;
};

ReportRun reportLayout(Session& session)
{
    QElapsedTimer t;
    t.start();
    Tf_print_ad_book window(session, nullptr);
    window.setTitle("AddressBook");
    report::ReportLayout layout(window.QuickRep_addressbook);
    layout.produceUntil(1);
    const double first = double(t.nsecsElapsed()) / 1e6;
    layout.produceAll();
    return {first, double(t.nsecsElapsed()) / 1e6, int(layout.pages().size())};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int contacts = argc > 1 ? atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? atoi(argv[2]) : 3;
    QTemporaryDir dir;
    const QString db = dir.filePath("BENCH.QVX");
    isql({}, QString("create database '%1' page_size 8192 default character set ISO8859_1;\n").arg(db).toLatin1());
    QFile schema(PELLORI_SCHEMA_SQL);
    schema.open(QIODevice::ReadOnly);
    isql(db, schema.readAll());
    isql(db, fillScript(contacts));

    std::vector<double> bare, total, first;
    int pages = 0;
    // Each run on a fresh attachment; which goes first alternates, so neither
    // always finds the other's cache.
    for (int r = 0; r < runs; ++r) {
        BenchSession session(db);
        if (r % 2 == 0)
            bare.push_back(bareQueries(session));
        const ReportRun run = reportLayout(session);
        total.push_back(run.totalMs);
        first.push_back(run.firstPageMs);
        pages = run.pages;
        if (r % 2 == 1)
            bare.push_back(bareQueries(session));
    }
    const double ratio = median(total) / median(bare);
    std::printf("contacts: %d, pages: %d, runs: %d, medians in ms\n", contacts, pages, runs);
    std::printf("bare queries:       %8.1f\n", median(bare));
    std::printf("report laid out:    %8.1f   ratio %.2f (goal <= 1.5)\n", median(total), ratio);
    std::printf("pages per second:   %8.1f\n", pages / (median(total) / 1000));
    std::printf("first page ready:   %8.1f   (goal <= 500)\n", median(first));
    return pages > 0 ? 0 : 1;
}
