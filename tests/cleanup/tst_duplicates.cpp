// System > Find duplicates... as the user meets it: the groups with their
// reasons, one merged through the side-by-side window, and nothing to find
// in a book without duplicates.
#include "WindowTest.h"
#include "cleanup/CleanupCommands.h"
#include "cleanup/f_duplicates.h"
#include "data/Connection.h"
#include "data/upgrades/Upgrades.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace pellori;
using namespace pellori::cleanup;
using namespace pellori::test;

class TestDuplicates : public QObject {
    Q_OBJECT
private slots:
    void findAndMergeThroughTheWindows()
    {
        WindowTest t(TestDb::Demo);
        t.db.isql(QString::fromUtf8(
            "insert into object (o_id, o_type, o_name1, o_name2) values (900, 'P', 'Mueller', 'Anna');\n"
            "insert into object (o_id, o_type, o_name1, o_name2) values (901, 'P', 'Lang', 'Xaver');\n"
            "insert into object (o_id, o_type, o_name1, o_name2) values (902, 'P', 'Lang', 'Xaver');\ncommit;\n"));
        t.start();
        {
            Connection c;
            c.setDatabaseName(t.db.path());
            c.params = QStringList{"user_name=SYSDBA", "password=x", "lc_ctype=ISO8859_1"};
            upgrades::applyMissing(c);
        }
        QStringList shown, after;
        t.messages.modalHandlers << [&](QDialog* d) {
            auto* grid = the<QTableWidget>(*d, "grid_duplicates");
            for (int r = 0; r < grid->rowCount(); ++r)
                shown << grid->item(r, 0)->text() + u'|' + grid->item(r, 1)->text();
            grid->setCurrentCell(int(shown.indexOf(QRegularExpression(QStringLiteral(".*Mueller, Anna.*")))), 0);
            t.messages.modalHandlers << [](QDialog* merge) {
                the<QPushButton>(*merge, "btn_merge")->click();
                return merge->result();
            };
            the<QPushButton>(*d, "btn_merge")->click();
            for (int r = 0; r < grid->rowCount(); ++r)
                after << grid->item(r, 0)->text() + u'|' + grid->item(r, 1)->text();
            return int(QDialog::Accepted);
        };
        QCOMPARE(findDuplicates(*t.session, &t.owner), 15);
        QCOMPARE(shown, QStringList({"same name|Lang, Xaver; Lang, Xaver", QString::fromUtf8("same name|Müller, Anna; Mueller, Anna")}));
        QCOMPARE(after, shown.mid(0, 1));
        QCOMPARE(t.committed(QStringLiteral("select count(*) from object where o_id in (15, 900)")), QStringList{"1"});
        QCOMPARE(t.committed(QStringLiteral("select count(*) from pellori_trash")), QStringList{"1"});
        QCOMPARE(t.messages.messages.size(), 1);
        QCOMPARE(t.errors, QStringList());
    }

    void nothingToFind()
    {
        WindowTest t;
        t.start();
        QCOMPARE(findDuplicates(*t.session, &t.owner), 0);
        QCOMPARE(t.messages.messages, QStringList{t.session->lang().text(QStringLiteral("cleanup_none"))});
        QCOMPARE(t.messages.modalTitles, QStringList());
    }
};

QTEST_MAIN(TestDuplicates)
#include "tst_duplicates.moc"
