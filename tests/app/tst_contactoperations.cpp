// Adding, opening and deleting contacts from the main window over the demo
// database, with the real editors and dialogs stacked as the user stacks them.
// A delete is all or nothing, and durable as soon as it is done: a program
// killed right after it does not bring the contact back. Ctrl+Z in the list
// brings this session's deletes back, newest first, in a book made by the
// original schema that the start-up has brought up to date.
#include "ProgramDir.h"
#include "RecordingMessages.h"
#include "TestSession.h"
#include "app/f_main.h"
#include "data/ContactDeletion.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QtTest>

using namespace pellori;
using namespace pellori::test;

namespace {

// Every row of every table a contact's delete touches, for one key.
QString rowsOf(const QString& db, int key)
{
    const QString count = QString(
        "select (select count(*) from object where o_id = %1) || '/' || (select count(*) from person where p_id = %1)"
        " || '/' || (select count(*) from company where c_id = %1) || '/' || (select count(*) from address where a_oid = %1)"
        " || '/' || (select count(*) from communication where c_oid = %1) || '/' || (select count(*) from internet "
        "where i_oid = %1) || '/' || (select count(*) from belong2group where b2g_oid = %1) from rdb$database");
    return committedValues(db, count.arg(key)).value(0);
}

QString allRows(const QString& db)
{
    return committedValues(db, "select (select count(*) from object) || '/' || (select count(*) from address) || '/' "
                               "|| (select count(*) from communication) from rdb$database")
        .value(0);
}

// Starts the main window on a demo folder and makes the named contact current.
std::unique_ptr<Tf_mainForm> startOn(const ProgramDir& dir, const QString& name)
{
    auto w = std::make_unique<Tf_mainForm>(dir.path());
    if (!w->contacts().locate(QStringLiteral("O_NAME"), name))
        qFatal("no contact %s", qPrintable(name));
    return w;
}

void deleteCurrent(Tf_mainForm& w, RecordingMessages& rec)
{
    rec.answers << true;
    w.findChild<QAction*>(QStringLiteral("popup_deleteitem"))->trigger();
}

template <typename T>
T* child(QWidget* w, const char* name)
{
    T* found = w->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no %s in %s", name, qPrintable(w->objectName()));
    return found;
}

} // namespace

class TestContactOperations : public QObject {
    Q_OBJECT
private slots:
    void deletingAPersonRemovesExactlyItsRows();
    void aCompanyWithStaffLosesNothing();
    void aDeleteSurvivesTheProgramBeingKilled();
    void stackedEditorsCloseInReverseOrder();
    void cancelledAddStillReReadsToTheLastRow();
    void aNewContactIsListedAndCurrent_data();
    void aNewContactIsListedAndCurrent();
    void aContactDeletedElsewhereIsSaidGoneAndTheListReadAgain_data();
    void aContactDeletedElsewhereIsSaidGoneAndTheListReadAgain();
    void ctrlZBringsBackTheDeletesNewestFirst_data();
    void ctrlZBringsBackTheDeletesNewestFirst();
};

void TestContactOperations::deletingAPersonRemovesExactlyItsRows()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startOn(dir, QStringLiteral("Bauer, Christine"));
    const int key = w->contacts().value(QStringLiteral("O_ID")).toInt();
    const QStringList before = allRows(dir.database()).split('/');
    const QStringList own = rowsOf(dir.database(), key).split('/');
    QVERIFY(own[3].toInt() + own[4].toInt() > 0);   // she has addresses or numbers
    deleteCurrent(*w, rec);
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
    QCOMPARE(rowsOf(dir.database(), key), QString("0/0/0/0/0/0/0"));
    const QStringList after = allRows(dir.database()).split('/');
    QCOMPARE(after[0].toInt(), before[0].toInt() - 1);
    QCOMPARE(after[1].toInt(), before[1].toInt() - own[3].toInt());
    QCOMPARE(after[2].toInt(), before[2].toInt() - own[4].toInt());
    QVERIFY(w->contacts().atEnd() || w->contacts().recNo() == w->contacts().rowCount() - 1);   // on the last row
}

void TestContactOperations::aCompanyWithStaffLosesNothing()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startOn(dir, QString::fromUtf8("Caf\u00E9 Sch\u00F6nblick"));
    const int key = w->contacts().value(QStringLiteral("O_ID")).toInt();
    const QString before = rowsOf(dir.database(), key);
    deleteCurrent(*w, rec);
    QCOMPARE(rec.messages, QStringList{"Database Error:\n\r\n\rThere exists at least one person which works at this "
                                       "firm you want to delete."});
    QCOMPARE(rowsOf(dir.database(), key), before);
    // The list is not read again: the company is still the current row.
    QCOMPARE(w->contacts().value(QStringLiteral("O_ID")).toInt(), key);
}

void TestContactOperations::aDeleteSurvivesTheProgramBeingKilled()
{
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--delete-and-wait"), dir.path(), QStringLiteral("Weber, Sabine")});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    while (!said.contains("deleted") && child.state() == QProcess::Running && child.waitForReadyRead(60000))
        said += child.readAllStandardOutput();
    QVERIFY2(said.contains("deleted"), said.constData());
    child.kill();   // SIGKILL: no handler runs, nothing is committed on the way out
    QVERIFY(child.waitForFinished());
    QCOMPARE(committedValues(dir.database(), "select count(*) from object where o_name1 = 'Weber' and o_name2 = 'Sabine'"),
             QStringList{"0"});
}

void TestContactOperations::stackedEditorsCloseInReverseOrder()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startOn(dir, QString::fromUtf8("Caf\u00E9 Sch\u00F6nblick"));
    QList<QPointer<QDialog>> released;
    // The company editor opens a person from its staff, whose editor adds a new
    // company, which opens in a second company editor. Each closes in turn.
    rec.modalHandlers << [&](QDialog* company) {
        child<QAction>(company, "miShowDetails")->trigger();
        released << company;
        child<QPushButton>(company, "btn_cancel")->click();
        return int(QDialog::Rejected);
    };
    rec.modalHandlers << [&](QDialog* person) {
        child<QAction>(person, "newCompany1")->trigger();
        released << person;
        child<QPushButton>(person, "Button2")->click();
        return int(QDialog::Rejected);
    };
    rec.modalHandlers << [&](QDialog* add) {
        QTest::keyClicks(child<QLineEdit>(add, "dbedit_name1"), QStringLiteral("Neue Firma"));
        child<QPushButton>(add, "btn_ok")->click();
        released << add;
        return int(QDialog::Accepted);
    };
    QString secondShows;
    rec.modalHandlers << [&](QDialog* second) {
        secondShows = child<QLineEdit>(second, "dbedit_name1")->text();
        released << second;
        child<QPushButton>(second, "btn_cancel")->click();
        return int(QDialog::Rejected);
    };
    w->findChild<QAction*>(QStringLiteral("m_details"))->trigger();
    QCOMPARE(rec.modalTitles, (QStringList{"Company", "Persons", "Add new Company", "Company"}));
    QCOMPARE(secondShows, QStringLiteral("Neue Firma"));
    QCOMPARE(released.size(), 4);
    for (const QPointer<QDialog>& d : std::as_const(released))
        QVERIFY(d.isNull());   // every window released by the call that opened it
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
    QCOMPARE(committedValues(dir.database(), "select count(*) from company join object on o_id = c_id "
                                             "where o_name1 = 'Neue Firma'"),
             QStringList{"1"});
}

void TestContactOperations::cancelledAddStillReReadsToTheLastRow()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startOn(dir, QStringLiteral("Bauer, Christine"));
    w->findChild<QAction*>(QStringLiteral("m_person"))->trigger();   // the dialog is cancelled
    QCOMPARE(rec.modalTitles, QStringList{"Add new Person"});
    QVERIFY(w->contacts().allFetched());
    QCOMPARE(w->contacts().recNo(), w->contacts().rowCount() - 1);
}

void TestContactOperations::aNewContactIsListedAndCurrent_data()
{
    QTest::addColumn<QString>("search");   // a name search; empty: a search for the first group
    QTest::addColumn<bool>("allAgain");
    QTest::newRow("the search finds it") << "neum" << false;
    QTest::newRow("the group search hides it") << "" << true;
}

void TestContactOperations::aNewContactIsListedAndCurrent()
{
    QFETCH(QString, search);
    QFETCH(bool, allAgain);
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    Tf_mainForm w(dir.path());
    auto* text = child<QLineEdit>(&w, "FullTextSearch");
    text->setText(search);
    if (search.isEmpty()) {
        child<QComboBox>(&w, "RxDBLookupCombo_groups")->setCurrentIndex(0);
        child<QPushButton>(&w, "btn_groupsearch")->click();
    } else {
        child<QPushButton>(&w, "btn_fulltextsearch")->click();
    }
    rec.modalHandlers << [](QDialog* add) {
        QTest::keyClicks(child<QLineEdit>(add, "dbedit_familyname"), QStringLiteral("Neumann"));
        QTest::keyClicks(child<QLineEdit>(add, "dbedit_firstname"), QStringLiteral("Nora"));
        child<QPushButton>(add, "btn_OK")->click();
        return int(QDialog::Accepted);
    };
    w.findChild<QAction*>(QStringLiteral("m_person"))->trigger();
    QCOMPARE(w.contacts().value(QStringLiteral("O_NAME")).toString(), QStringLiteral("Neumann, Nora"));
    QCOMPARE(text->text(), allAgain ? QString() : search);
    QCOMPARE(child<QComboBox>(&w, "RxDBLookupCombo_groups")->currentIndex(), -1);
    QCOMPARE(rec.messages.size(), allAgain ? 1 : 0);
}

void TestContactOperations::aContactDeletedElsewhereIsSaidGoneAndTheListReadAgain_data()
{
    QTest::addColumn<QString>("name");   // empty: a search that found nobody
    QTest::addColumn<QStringList>("shown");
    const QStringList gone{"This contact no longer exists: another user has deleted it."};
    QTest::newRow("person") << QStringLiteral("Bauer, Christine") << gone;
    QTest::newRow("company") << QStringLiteral("Leer GmbH") << gone;
    QTest::newRow("empty list") << QString() << QStringList{};
}

void TestContactOperations::aContactDeletedElsewhereIsSaidGoneAndTheListReadAgain()
{
    QFETCH(QString, name);
    QFETCH(QStringList, shown);
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    runIsql(dir.database(), "insert into object (o_id, o_type, o_name1) values (9001, 'C', 'Leer GmbH');\ncommit;\n");
    auto w = startOn(dir, name.isEmpty() ? QStringLiteral("Leer GmbH") : name);
    if (name.isEmpty()) {
        child<QLineEdit>(w.get(), "FullTextSearch")->setText(QStringLiteral("Niemand hier"));
        child<QPushButton>(w.get(), "btn_fulltextsearch")->click();
        QVERIFY(w->contacts().isEmpty());
    } else {
        DbTransaction other(w->connection());
        ContactDeletion(other).deleteContact(w->contacts().value(QStringLiteral("O_ID")).toInt());
        other.commit();
    }
    w->findChild<QAction*>(QStringLiteral("m_details"))->trigger();
    QCOMPARE(rec.messages, shown);
    QVERIFY(rec.modalTitles.isEmpty());   // no empty editor to type into
    if (!name.isEmpty()) {
        QVERIFY(w->contacts().rowCount() > 0);
        QVERIFY(!w->contacts().locate(QStringLiteral("O_NAME"), name));
    }
}

void TestContactOperations::ctrlZBringsBackTheDeletesNewestFirst_data()
{
    QTest::addColumn<QStringList>("deleted");   // in this order
    QTest::addColumn<int>("undos");
    QTest::addColumn<bool>("moreToUndo");
    const QString christine = QStringLiteral("Bauer, Christine"), sabine = QStringLiteral("Weber, Sabine"),
                  peter = QStringLiteral("Schmidt, Peter");
    QTest::newRow("one delete, one undo") << QStringList{christine} << 1 << false;
    QTest::newRow("three deletes, two undos") << QStringList{christine, sabine, peter} << 2 << true;
    QTest::newRow("more undos than deletes") << QStringList{sabine} << 2 << false;
}

void TestContactOperations::ctrlZBringsBackTheDeletesNewestFirst()
{
    QFETCH(QStringList, deleted);
    QFETCH(int, undos);
    QFETCH(bool, moreToUndo);
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    QCOMPARE(committedValues(dir.database(), "select count(*) from rdb$relations where rdb$relation_name = "
                                             "'PELLORI_UPGRADE'"),
             QStringList{"0"});
    Tf_mainForm w(dir.path());
    QVERIFY(committedValues(dir.database(), "select pu_name from pellori_upgrade").contains("trash"));
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* grid = child<QWidget>(&w, "RxDBGrid1");
    grid->setFocus();
    auto* undo = w.findChild<QAction*>(QStringLiteral("m_undodelete"));
    QVERIFY(!undo->isEnabled());

    QList<int> keys;
    QStringList rows;
    for (const QString& name : deleted) {
        QVERIFY(w.contacts().locate(QStringLiteral("O_NAME"), name));
        keys << w.contacts().value(QStringLiteral("O_ID")).toInt();
        rows << rowsOf(dir.database(), keys.last());
        rec.answers << true;
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(rowsOf(dir.database(), keys.last()), QString("0/0/0/0/0/0/0"));
    }
    QVERIFY(undo->isEnabled());
    for (int i = 0; i < undos; ++i)
        QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);

    // The newest come back with every row and their keys, the last one brought back current.
    const qsizetype back = qMin(qsizetype(undos), deleted.size());
    for (qsizetype i = 0; i < deleted.size(); ++i)
        QCOMPARE(rowsOf(dir.database(), keys[i]), i >= deleted.size() - back ? rows[i] : QString("0/0/0/0/0/0/0"));
    QCOMPARE(w.contacts().value(QStringLiteral("O_NAME")).toString(), deleted[deleted.size() - back]);
    QCOMPARE(undo->isEnabled(), moreToUndo);
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
}

// The child of the kill test: deletes one contact, says so, and waits to be killed.
static int deleteAndWait(int argc, char** argv)
{
    QApplication app(argc, argv);
    RecordingMessages rec;
    Tf_mainForm w(QString::fromLocal8Bit(argv[2]));
    if (!w.contacts().locate(QStringLiteral("O_NAME"), QString::fromLocal8Bit(argv[3])))
        return 2;
    rec.answers << true;
    w.findChild<QAction*>(QStringLiteral("popup_deleteitem"))->trigger();
    if (!rec.messages.isEmpty())
        return 3;
    std::fputs("deleted\n", stdout);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--delete-and-wait") == 0)
        return deleteAndWait(argc, argv);
    QApplication app(argc, argv);
    TestContactOperations tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_contactoperations.moc"
