// A book shared on the loopback server as its administrator sets it up: each
// person logs in as themselves, and their role decides what they may do. A
// reader reads and is refused every change with a message saying why, nothing
// written; a user without a role reads nothing; PUBLIC holds nothing; each
// editor's change is recorded under their own name. A reader's program offers
// no command that changes the book, and its editors open read-only.
#include "RecordingMessages.h"
#include "SharedBook.h"
#include "app/f_main.h"
#include "app/session/PelloriSession.h"
#include "data/ContactHistory.h"
#include "data/DataSet.h"
#include "editors/detail/DetailList.h"
#include "editors/f_person.h"
#include "settings/IniFile.h"
#include "services/Session.h"
#include "widgets/DBEdit.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace pellori;
using namespace pellori::test;

namespace {

const QString kChristine = QStringLiteral("Bauer, Christine");

QString builtIn(const char* key)
{
    return ReplaceReturn(TLang().text(QLatin1String(key)));
}

// Everything a change could leave behind, as the administrator reads it.
QString fingerprint(const SharedBook& book)
{
    return book
        .committed(QStringLiteral(
            "select (select count(*) from object) || '/' || (select count(*) from person) || '/' || (select count(*) "
            "from address) || '/' || (select count(*) from communication) || '/' || (select count(*) from internet) "
            "|| '/' || (select count(*) from belong2group) || '/' || (select count(*) from groupt) || '/' || "
            "gen_id(G_OBJECT_O_ID, 0) || '/' || (select count(*) from pellori_history) || '/' || (select "
            "list(coalesce(p_nickname, '-')) from person) from rdb$database"))
        .value(0);
}

// The main window as a program sees it that was started while its user still
// had a role that may write: the right is asked of the server once per run.
class StartedAsWriter final : public Session {
public:
    explicit StartedAsWriter(Session& s) : m_s(s) {}
    Connection& connection() override { return m_s.connection(); }
    DbTransaction& mainTransaction() override { return m_s.mainTransaction(); }
    const TLang& lang() const override { return m_s.lang(); }
    StandardValues& standardValues() override { return m_s.standardValues(); }
    QString configPath() const override { return m_s.configPath(); }
    bool canWrite() override { return true; }
    QAction* faqAction() override { return m_s.faqAction(); }
    void openPersonEditor(int key) override { m_s.openPersonEditor(key); }
    void openCompanyEditor(int key) override { m_s.openCompanyEditor(key); }

private:
    Session& m_s;
};

void saveNickname(Session& w, int key, const QString& nickname)
{
    Tf_persons editor(w, nullptr);
    editor.setContactKey(key);
    editor.show();
    auto* field = editor.findChild<DBEdit*>(QStringLiteral("dbedit_nickname"));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, nickname);
    editor.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
}

bool canWrite(const SharedBook& book)
{
    PelloriSession session(book.path());
    session.setUpConnection(session.readConfiguration());
    session.connection().open();
    return session.canWrite();
}

} // namespace

class tst_SharedBook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void publicHoldsNothing();
    void eachUserMayWhatTheirRoleAllows_data();
    void eachUserMayWhatTheirRoleAllows();
    void aReaderIsRefusedEveryChange_data();
    void aReaderIsRefusedEveryChange();
    void eachEditorsChangeIsRecordedUnderTheirName();
    void aReaderIsOfferedNoChange_data();
    void aReaderIsOfferedNoChange();

private:
    LocalServer m_server;
};

void tst_SharedBook::initTestCase()
{
    const SharedBook::Made made = SharedBook::make(m_server);
    if (!made.skip.isEmpty())
        QSKIP(qPrintable(made.skip));
    QVERIFY2(made.failure.isEmpty(), qPrintable(made.failure));
}

void tst_SharedBook::publicHoldsNothing()
{
    SharedBook book;
    // Every object of the book's own (tables, views, procedures, functions, generators).
    const QString grants = QStringLiteral(
        "select count(*) from rdb$user_privileges p where p.rdb$user = '%1' and p.rdb$privilege in (%2) and ("
        " exists(select 1 from rdb$relations o where o.rdb$relation_name = p.rdb$relation_name and "
        "coalesce(o.rdb$system_flag, 0) = 0) or"
        " exists(select 1 from rdb$procedures o where o.rdb$procedure_name = p.rdb$relation_name and "
        "coalesce(o.rdb$system_flag, 0) = 0) or"
        " exists(select 1 from rdb$functions o where o.rdb$function_name = p.rdb$relation_name and "
        "coalesce(o.rdb$system_flag, 0) = 0) or"
        " exists(select 1 from rdb$generators o where o.rdb$generator_name = p.rdb$relation_name and "
        "coalesce(o.rdb$system_flag, 0) = 0))");
    const QString anything = QStringLiteral("'S', 'I', 'U', 'D', 'R', 'X', 'G'"), changes = QStringLiteral("'I', 'U', 'D', 'G'");
    QCOMPARE(book.committed(grants.arg("PUBLIC", anything)), QStringList{"0"});
    QCOMPARE(book.committed(grants.arg("PELLORI_READER", changes)), QStringList{"0"});
    QVERIFY(book.committed(grants.arg("PELLORI_READER", "'S'")).value(0).toInt() > 10);
    QVERIFY(book.committed(grants.arg("PELLORI_EDITOR", changes)).value(0).toInt() > 10);
}

void tst_SharedBook::eachUserMayWhatTheirRoleAllows_data()
{
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("role");   // "own": the user's own
    QTest::addColumn<bool>("reads");
    QTest::addColumn<bool>("writes");
    QTest::newRow("editor") << "editor" << "own" << true << true;
    QTest::newRow("reader") << "reader" << "own" << true << false;
    QTest::newRow("a user without a role") << "norole" << "own" << false << false;
    QTest::newRow("a reader naming no role") << "reader" << "" << false << false;
    QTest::newRow("a reader naming the editor's role") << "reader" << "PELLORI_EDITOR" << false << false;
}

void tst_SharedBook::eachUserMayWhatTheirRoleAllows()
{
    QFETCH(QString, who);
    QFETCH(QString, role);
    QFETCH(bool, reads);
    QFETCH(bool, writes);
    SharedBook book;
    book.configure(who, role == "own" ? std::nullopt : std::optional<QString>(role));
    RecordingMessages rec;
    {
        Tf_mainForm w(book.path());
        QCOMPARE(w.contacts().isOpen() && w.contacts().locate(QStringLiteral("O_NAME"), kChristine), reads);
        if (reads)
            QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
        else
            QCOMPARE(rec.messages, QStringList{"Database Error:\n\r\n\r" + builtIn("shared_noreadaccess")});
        QVERIFY(!w.terminationRequested());
    }
    QCOMPARE(canWrite(book), writes);
}

void tst_SharedBook::aReaderIsRefusedEveryChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("saving in the person editor") << "save";
    QTest::newRow("deleting a contact") << "delete";
    QTest::newRow("adding a person") << "add";
}

void tst_SharedBook::aReaderIsRefusedEveryChange()
{
    QFETCH(QString, change);
    SharedBook book;
    book.configure(QStringLiteral("reader"));
    const QString before = fingerprint(book);
    RecordingMessages rec;
    {
        Tf_mainForm w(book.path());
        QVERIFY(w.contacts().locate(QStringLiteral("O_NAME"), kChristine));
        // The reader's program offers none of these; the server refuses them all
        // the same, as to a program started before the role was taken away.
        StartedAsWriter started(w);
        const auto command = [&w](const char* name) {
            auto* action = w.findChild<QAction*>(QLatin1String(name));
            QVERIFY(!action->isEnabled());
            action->setEnabled(true);
            action->trigger();
        };
        if (change == "save") {
            saveNickname(started, w.contacts().value(QStringLiteral("O_ID")).toInt(), QStringLiteral("Tina"));
        } else if (change == "delete") {
            rec.answers << true;
            command("popup_deleteitem");
        } else {
            rec.modalHandlers << [](QDialog* add) {
                for (const char* field : {"dbedit_familyname", "dbedit_firstname"}) {
                    auto* edit = add->findChild<DBEdit*>(QLatin1String(field));
                    edit->setFocus();
                    QTest::keyClicks(edit, QStringLiteral("Neu"));
                }
                add->findChild<QPushButton*>(QStringLiteral("btn_OK"))->click();
                return int(QDialog::Rejected);
            };
            command("m_person");
        }
    }
    QVERIFY(!rec.messages.isEmpty());
    for (const QString& shown : std::as_const(rec.messages))
        QVERIFY2(shown.contains(builtIn("shared_readonly")), qPrintable(shown));
    QCOMPARE(fingerprint(book), before);
}

void tst_SharedBook::eachEditorsChangeIsRecordedUnderTheirName()
{
    SharedBook book;
    const int key = book.committed(QStringLiteral("select o_id from object where o_name1 = 'Bauer' and o_name2 = "
                                                  "'Christine'"))
                        .value(0)
                        .toInt();
    RecordingMessages rec;
    for (const QString who : {"editor", "editor2"}) {
        book.configure(who);
        Tf_mainForm w(book.path());
        saveNickname(w, key, who);
    }
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
    QCOMPARE(book.committed(QStringLiteral("select p_nickname from person where p_id = %1").arg(key)),
             QStringList{"editor2"});
    // The reader sees who changed her last.
    book.configure(QStringLiteral("reader"));
    Tf_mainForm w(book.path());
    const std::optional<ContactChange> last = lastChange(w.mainTransaction(), key);
    QVERIFY(last.has_value());
    QCOMPARE(last->user, SharedBook::userName("editor2"));
    QCOMPARE(last->kind, QLatin1Char('U'));
    QCOMPARE(lastChangeText(*last, w.lang()),
             "Last changed by PELLORI_TEST_EDITOR2 on " + value::formatDate(last->at.date()));
    QCOMPARE(book.committed(QStringLiteral("select count(*) from pellori_history where ph_oid = %1").arg(key)),
             QStringList{"2"});
    // And the reader's person editor says so.
    Tf_persons editor(w, nullptr);
    QVERIFY(editor.setContactKey(key));
    QCOMPARE(editor.findChild<QLabel*>(QStringLiteral("lbl_lastchange"))->text(), lastChangeText(*last, w.lang()));
}

void tst_SharedBook::aReaderIsOfferedNoChange_data()
{
    QTest::addColumn<QString>("who");
    QTest::addColumn<bool>("mayChange");
    QTest::newRow("editor") << "editor" << true;
    QTest::newRow("reader") << "reader" << false;
}

void tst_SharedBook::aReaderIsOfferedNoChange()
{
    QFETCH(QString, who);
    QFETCH(bool, mayChange);
    SharedBook book;
    book.configure(who);
    RecordingMessages rec;
    Tf_mainForm w(book.path());
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
    const auto enabled = [&w](const QStringList& names) {
        QStringList on;
        for (const QString& name : names) {
            QAction* action = w.findChild<QAction*>(name);
            if (!action)
                action = w.findChild<QMenu*>(name)->menuAction();
            if (action->isEnabled())
                on << name;
        }
        return on;
    };
    const QStringList reading{"m_details",     "miShowDetails", "m_trash",          "m_exportvcard", "m_exportcsv",
                              "m_exportldif",  "m_print_labels", "m_standardvalues", "m_exit"};
    const QStringList changing{"m_person",      "m_company",   "m_add_new_person", "popup_deleteitem", "m_importvcard",
                               "m_importcsv",   "m_importldif", "m_groups",         "m_restorebackup"};
    const QStringList menus{"m_add", "m_add_new", "m_admin"};
    QCOMPARE(enabled(reading), reading);
    QCOMPARE(enabled(changing), mayChange ? changing : QStringList());
    QCOMPARE(enabled(menus), mayChange ? menus : QStringList());

    // The editor: its fields, rows and context items as the user may use them; Save only where it can save.
    QVERIFY(w.contacts().locate(QStringLiteral("O_NAME"), kChristine));
    Tf_persons editor(w, nullptr);
    QVERIFY(editor.setContactKey(w.contacts().value(QStringLiteral("O_ID")).toInt()));
    QCOMPARE(editor.findChild<DBEdit*>(QStringLiteral("dbedit_nickname"))->isReadOnly(), !mayChange);
    QCOMPARE(editor.findChild<QPushButton*>(QStringLiteral("Button1"))->isHidden(), !mayChange);
    QCOMPARE(editor.findChild<QAction*>(QStringLiteral("NewSalutation1"))->isEnabled(), mayChange);
    QCOMPARE(editor.detailList(0)->dataSet().canInsert(), mayChange);
}

QTEST_MAIN(tst_SharedBook)
#include "tst_sharedbook.moc"
