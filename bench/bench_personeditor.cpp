// The person editor on a book of 100,000 contacts, 20,000 of them companies
// (every one a "Works at" choice): the editor created, loaded with a person
// and shown offscreen, then released; beside it the same statements run bare
// in the same process, each prepared once, opened with the person's key and
// read to its last row without a value decoded.
// Usage: bench_personeditor [contacts] [runs]
#include "SearchBook.h"
#include "app/session/PelloriSession.h"
#include "data/EditorQueries.h"
#include "data/Statement.h"
#include "editors/detail/DetailListConfig.h"
#include "editors/f_person.h"
#include "settings/IniFile.h"
#include "services/Session.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <memory>

using namespace pellori;
using pellori::bench::median;
using pellori::bench::timeMs;

namespace {

class BenchSession final : public Session {
public:
    explicit BenchSession(const QString& db) : m_session(QFileInfo(db).absolutePath())
    {
        m_session.connection().setDatabaseName(db);
        m_session.connection().params = {"user_name=SYSDBA", "password=x", "lc_ctype=ISO8859_1"};
        m_session.connection().open();
    }
    Connection& connection() override { return m_session.connection(); }
    DbTransaction& mainTransaction() override { return m_session.mainTransaction(); }
    const TLang& lang() const override { return m_session.lang(); }
    StandardValues& standardValues() override { return m_session.standardValues(); }
    QString configPath() const override { return {}; }
    bool canWrite() override { return true; }
    QAction* faqAction() override { return &m_faq; }
    void openPersonEditor(int) override {}
    void openCompanyEditor(int) override {}

private:
    PelloriSession m_session;
    QAction m_faq;
};

// What the editor reads: its record, its four lists with their type and group
// names, and the choices of salutation, title, employer and alive.
QStringList editorStatements()
{
    QStringList sql{queries::personRecord(), queries::salutations(), queries::titles(), queries::employers(),
                    queries::yesNo()};
    for (DetailKind kind : detailKinds()) {
        const DetailListConfig& config = detailListConfig(kind, Variant::Person);
        sql << config.selectSql << config.lookupSql;
    }
    return sql;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int contacts = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? atoi(argv[2]) : 20;
    const QString db = bench::searchBook(contacts, false);
    BenchSession session(db);
    const int key = 8;   // a person who works at a company, with an address and numbers

    // Bare: each statement prepared once, then opened and read to its end per run.
    std::vector<std::unique_ptr<Statement>> statements;
    for (const QString& sql : editorStatements())
        statements.push_back(std::make_unique<Statement>(session.connection(), sql));
    const auto bareRun = [&] {
        DbTransaction tr(session.connection(), DbTransaction::readCommitted());
        int rows = 0;
        for (auto& s : statements) {
            s->openCursor(tr, [key](const QString&) { return QVariant(key); });
            while (s->fetch())
                ++rows;
        }
        return rows;
    };
    const auto editorRun = [&] {
        auto editor = std::make_unique<Tf_persons>(session, nullptr);
        editor->setContactKey(key);
        editor->show();
        QCoreApplication::processEvents();
        editor.reset();
    };
    bareRun();
    editorRun();   // the first run prepares and reads the metadata
    std::vector<double> bare, shown;
    int rows = 0;
    for (int r = 0; r < runs; ++r) {
        bare.push_back(timeMs([&] { rows = bareRun(); }));
        shown.push_back(timeMs(editorRun));
    }
    std::printf("contacts: %d, runs: %d, medians in ms (rows read bare: %d)\n", contacts, runs, rows);
    std::printf("  bare statements   %7.1f\n  editor shown      %7.1f   (%.2f x bare; goal <= 1.5)\n", median(bare),
                median(shown), median(shown) / median(bare));
    return 0;
}
