// A salutation, title, company, communication type or group added while an
// editor is open (through the editor's own context menus) can be chosen there
// and is saved with the record or the new detail row.
#include "WindowTest.h"
#include "data/DataSet.h"
#include "editors/detail/DetailList.h"
#include "editors/f_comp.h"
#include "editors/f_person.h"
#include "lookups/LookupEditor.h"
#include "widgets/DBLookupComboBox.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace pellori;
using namespace pellori::test;

Q_DECLARE_METATYPE(pellori::DetailKind)

namespace {

// The list editor or quick-add dialog the menu opens: the user adds one row and closes it.
void addThere(RecordingMessages& rec, const QVariantHash& row)
{
    rec.modalHandlers << [row](QDialog* d) {
        if (auto* list = qobject_cast<LookupEditor*>(d)) {
            list->dataset().append();
            for (auto it = row.begin(); it != row.end(); ++it)
                list->dataset().setValue(it.key(), it.value());
            list->dataset().post();
            return int(QDialog::Rejected);
        }
        for (auto it = row.begin(); it != row.end(); ++it)
            QTest::keyClicks(the<QLineEdit>(*d, qPrintable(it.key())), it.value().toString());
        the<QPushButton>(*d, "btn_ok")->click();
        return int(QDialog::Accepted);
    };
}

} // namespace

class TestAddedWhileOpen : public QObject {
    Q_OBJECT
private slots:
    void choosingItInTheRecordSaves_data();
    void choosingItInTheRecordSaves();
    void aNewDetailRowOfItSaves_data();
    void aNewDetailRowOfItSaves();
};

void TestAddedWhileOpen::choosingItInTheRecordSaves_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QVariantHash>("row");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");   // the name the person's saved key leads to
    QTest::newRow("salutation") << "NewSalutation1" << QVariantHash{{"S_NAME", "Exzellenz"}} << "dblookup_salutation"
                                << "Exzellenz" << "select s_name from person join salutation on s_id = p_sid where p_id = %1";
    QTest::newRow("title") << "newTitle1" << QVariantHash{{"T_NAME", "Prof. h.c."}} << "dblookup_title"
                           << "Prof. h.c." << "select t_name from person join title on t_id = p_tid where p_id = %1";
    QTest::newRow("company") << "newCompany1" << QVariantHash{{"dbedit_name1", "Neue Firma"}} << "dblookup_worksat"
                             << "Neue Firma" << "select o_name1 from person join object on o_id = p_cid where p_id = %1";
}

void TestAddedWhileOpen::choosingItInTheRecordSaves()
{
    QFETCH(QString, menu);
    QFETCH(QVariantHash, row);
    QFETCH(QString, box);
    QFETCH(QString, name);
    QFETCH(QString, stored);
    WindowTest t(TestDb::Demo);
    const int key = t.committed("select o_id from object where o_name1 = 'Meier' and o_name2 = 'Hans'").value(0).toInt();
    t.start();
    {
        Tf_persons editor(*t.session, nullptr);
        QVERIFY(editor.setContactKey(key));
        editor.show();
        addThere(t.messages, row);
        the<QAction>(editor, qPrintable(menu))->trigger();
        auto* choice = the<DBLookupComboBox>(editor, qPrintable(box));
        const int at = choice->findText(name);
        QVERIFY(at >= 0);
        choice->setCurrentIndex(at);
        emit choice->activated(at);
        the<QPushButton>(editor, "Button1")->click();
        QVERIFY2(t.errors.isEmpty(), qPrintable(t.errors.join('|')));
        QVERIFY(!editor.isVisible());
    }
    QCOMPARE(t.committed(stored.arg(key)), QStringList{name});
}

void TestAddedWhileOpen::aNewDetailRowOfItSaves_data()
{
    QTest::addColumn<bool>("company");
    QTest::addColumn<DetailKind>("kind");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QVariantHash>("row");
    QTest::addColumn<QString>("keyOf");   // the added row's key
    QTest::addColumn<QVariantHash>("fill");   // the new detail row, its key field null (filled from keyOf)
    QTest::addColumn<QString>("stored");   // the added row's name, as the saved key leads to it
    QTest::addColumn<QString>("name");
    const QVariantHash pager{{"CT_NAME", "Pager"}, {"CT_SORTID", 9}};
    const QVariantHash number{{"C_CTID", QVariant()}, {"C_PREFIX", "0171"}, {"C_NUMBER", "555"}};
    const QString numberType = "select ct_name from communication join communicationtype on ct_id = c_ctid "
                               "where c_oid = %1 and c_number = '555'";
    const QString groups = "select g_name from belong2group join groupt on g_id = b2g_gid where b2g_oid = %1 "
                           "and g_name = 'Nachbarn'";
    for (const bool company : {false, true}) {
        const char* who = company ? "company" : "person";
        QTest::addRow("%s: communication type", who)
            << company << DetailKind::Communication << "NewCommunicationtype1" << pager
            << "select ct_id from communicationtype where ct_name = 'Pager'" << number << numberType << "Pager";
        QTest::addRow("%s: group", who) << company << DetailKind::Group << "NewGroup1"
                                        << QVariantHash{{"G_NAME", "Nachbarn"}}
                                        << "select g_id from groupt where g_name = 'Nachbarn'"
                                        << QVariantHash{{"B2G_GID", QVariant()}} << groups << "Nachbarn";
    }
}

void TestAddedWhileOpen::aNewDetailRowOfItSaves()
{
    QFETCH(bool, company);
    QFETCH(DetailKind, kind);
    QFETCH(QString, menu);
    QFETCH(QVariantHash, row);
    QFETCH(QString, keyOf);
    QFETCH(QVariantHash, fill);
    QFETCH(QString, stored);
    QFETCH(QString, name);
    WindowTest t(TestDb::Demo);
    const int key = t.committed(company ? "select min(c_id) from company"
                                        : "select o_id from object where o_name1 = 'Meier' and o_name2 = 'Hans'")
                        .value(0)
                        .toInt();
    t.start();
    {
        std::unique_ptr<ContactEditor> editor;
        if (company) {
            auto* e = new Tf_company(*t.session, nullptr);
            editor.reset(e);
            QVERIFY(e->setContactKey(key));
        } else {
            auto* e = new Tf_persons(*t.session, nullptr);
            editor.reset(e);
            QVERIFY(e->setContactKey(key));
        }
        editor->show();
        addThere(t.messages, row);
        the<QAction>(*editor->detailList(int(kind)), qPrintable(menu))->trigger();
        const QVariant added = t.committed(keyOf).value(0).toInt();
        EditableDataSet& rows = editor->detailList(int(kind))->dataSet();
        rows.append();
        for (auto it = fill.begin(); it != fill.end(); ++it)
            rows.setValue(it.key(), it.value().isNull() ? added : it.value());
        guarded([&] { rows.post(); });
        QVERIFY2(t.errors.isEmpty(), qPrintable(t.errors.join('|')));
    }
    QCOMPARE(t.committed(stored.arg(key)), QStringList{name});
}

QTEST_MAIN(TestAddedWhileOpen)
#include "tst_addedwhileopen.moc"
