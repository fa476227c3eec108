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
    void itCanBeChosenAndSaved_data();
    void itCanBeChosenAndSaved();
};

void TestAddedWhileOpen::itCanBeChosenAndSaved_data()
{
    QTest::addColumn<bool>("company");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QVariantHash>("row");      // what the user adds there
    QTest::addColumn<QString>("name");          // and then chooses
    QTest::addColumn<QString>("box");           // in this box of the record; empty: in a new row of the list
    QTest::addColumn<DetailKind>("list");
    QTest::addColumn<QVariantHash>("fill");     // the new row besides its type or group
    QTest::addColumn<QString>("stored");        // the name the saved key leads to
    const auto record = [](const char* name, const char* menu, const QVariantHash& row, const char* chosen,
                           const char* box, const char* stored) {
        QTest::newRow(name) << false << menu << row << chosen << box << DetailKind::Group << QVariantHash{} << stored;
    };
    record("salutation", "NewSalutation1", {{"S_NAME", "Exzellenz"}}, "Exzellenz", "dblookup_salutation",
           "select s_name from person join salutation on s_id = p_sid where p_id = %1");
    record("title", "newTitle1", {{"T_NAME", "Prof. h.c."}}, "Prof. h.c.", "dblookup_title",
           "select t_name from person join title on t_id = p_tid where p_id = %1");
    record("company", "newCompany1", {{"dbedit_name1", "Neue Firma"}}, "Neue Firma", "dblookup_worksat",
           "select o_name1 from person join object on o_id = p_cid where p_id = %1");
    for (const bool company : {false, true}) {
        QTest::addRow("%s: communication type", company ? "company" : "person")
            << company << "NewCommunicationtype1" << QVariantHash{{"CT_NAME", "Pager"}, {"CT_SORTID", 9}} << "Pager"
            << "" << DetailKind::Communication << QVariantHash{{"C_PREFIX", "0171"}, {"C_NUMBER", "555"}}
            << "select ct_name from communication join communicationtype on ct_id = c_ctid where c_oid = %1";
        QTest::addRow("%s: group", company ? "company" : "person")
            << company << "NewGroup1" << QVariantHash{{"G_NAME", "Nachbarn"}} << "Nachbarn" << "" << DetailKind::Group
            << QVariantHash{} << "select g_name from belong2group join groupt on g_id = b2g_gid where b2g_oid = %1";
    }
}

void TestAddedWhileOpen::itCanBeChosenAndSaved()
{
    QFETCH(bool, company);
    QFETCH(QString, menu);
    QFETCH(QVariantHash, row);
    QFETCH(QString, name);
    QFETCH(QString, box);
    QFETCH(DetailKind, list);
    QFETCH(QVariantHash, fill);
    QFETCH(QString, stored);
    WindowTest t(TestDb::Demo);
    const int key = t.committed(company ? "select min(c_id) from company"
                                        : "select o_id from object where o_name1 = 'Meier' and o_name2 = 'Hans'")
                        .value(0)
                        .toInt();
    t.start();
    {
        std::unique_ptr<ContactEditor> editor;
        if (company)
            editor = std::make_unique<Tf_company>(*t.session, nullptr);
        else
            editor = std::make_unique<Tf_persons>(*t.session, nullptr);
        QVERIFY(company ? static_cast<Tf_company&>(*editor).setContactKey(key)
                        : static_cast<Tf_persons&>(*editor).setContactKey(key));
        editor->show();
        addThere(t.messages, row);
        the<QAction>(*editor, qPrintable(menu))->trigger();
        if (!box.isEmpty()) {
            auto* choice = the<DBLookupComboBox>(*editor, qPrintable(box));
            const int at = choice->findText(name);
            QVERIFY(at >= 0);
            choice->setCurrentIndex(at);
            emit choice->activated(at);
            the<QPushButton>(*editor, "Button1")->click();
        } else {
            EditableDataSet& rows = editor->detailList(int(list))->dataSet();
            rows.append();
            for (int f = 0; f < rows.fieldCount(); ++f)
                if (rows.field(f).isLookup())   // chosen by its name, as in the grid
                    rows.setValue(f, name);
            for (auto it = fill.begin(); it != fill.end(); ++it)
                rows.setValue(it.key(), it.value());
            guarded([&] { rows.post(); });
        }
        QVERIFY2(t.errors.isEmpty(), qPrintable(t.errors.join('|')));
    }   // released: committed
    QVERIFY(t.committed(stored.arg(key)).contains(name));
}

QTEST_MAIN(TestAddedWhileOpen)
#include "tst_addedwhileopen.moc"
