// The trash over real books: a deleted contact comes back with every row as it
// was, undo goes newest first, what has gone meanwhile is said, and two users
// meet on one entry without doubling it.
#include "RecordingMessages.h"
#include "TestConnection.h"
#include "TestDb.h"
#include "TestSession.h"
#include "data/ContactIdentity.h"
#include "data/ContactTables.h"
#include "data/DbError.h"
#include "data/Statement.h"
#include "data/upgrades/Upgrades.h"
#include "safety/TrashCommands.h"
#include "safety/f_trash.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace pellori;
using namespace pellori::test;

namespace {

// Every row the contact has in every table that holds its rows, as text.
QStringList contactRows(const QString& path, int key)
{
    Connection c;
    attachTo(c, path);
    DbTransaction tr(c);
    QStringList rows;
    const QStringList further = presentFurtherTables(tr);
    for (const contacttables::ContactTable& t : contacttables::all()) {
        if (!t.schema && !further.contains(QLatin1String(t.table)))
            continue;
        Statement q(c, QStringLiteral("select * from %1 where %2").arg(QLatin1String(t.table), QLatin1String(t.owned)));
        q.openCursor(tr, [key](const QString&) { return QVariant(key); });
        QList<QVariant> row;
        while (q.fetch(row)) {
            QStringList values{QLatin1String(t.table)};
            for (const QVariant& v : row)
                values << (v.isNull() ? QStringLiteral("<null>") : v.toString());
            rows << values.join(u'|');
        }
    }
    rows.sort();
    return rows;
}

void upgrade(const QString& path)
{
    Connection c;
    attachTo(c, path);
    upgrades::applyMissing(c);
    // Every contact with an identifier, as after an export: it comes back with the contact.
    DbTransaction tr(c);
    identity::giveMissing(tr, std::nullopt);
    tr.commit();
}

void exec(Session& s, const QString& sql)
{
    Statement(s.connection(), sql).execute(s.mainTransaction(), {});
    s.mainTransaction().commitRetaining();
}

} // namespace

class TestTrash : public QObject {
    Q_OBJECT
private slots:
    void valuesKeepTheirType_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("null") << QVariant();
        QTest::newRow("integer") << QVariant(-42);
        QTest::newRow("64-bit") << QVariant(qlonglong(9007199254740993LL));
        QTest::newRow("date") << QVariant(QDate(1604, 2, 29));
        QTest::newRow("timestamp") << QVariant(QDateTime(QDate(2024, 5, 1), QTime(13, 7, 9, 123)));
        QTest::newRow("text") << QVariant(QStringLiteral("M\u00fcller \"x\" i5"));
        QTest::newRow("bytes") << QVariant(QByteArray("\0\xff\x01", 3));
    }
    void valuesKeepTheirType()
    {
        QFETCH(QVariant, value);
        const QVariant back = trashrows::decode(trashrows::encode(value));
        QCOMPARE(back.isNull(), value.isNull());
        if (!value.isNull())
            QCOMPARE(back.toString(), value.toString());
        if (value.typeId() == QMetaType::QByteArray)
            QCOMPARE(back.toByteArray(), value.toByteArray());
    }

    void sharedBookIsTheOneReachedThroughAServer_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shared");
        QTest::newRow("beside the program") << "/home/anna/pellori/PELLORI.QVX" << false;
        QTest::newRow("colon in a folder") << "/home/anna/a:b/PELLORI.QVX" << false;
        QTest::newRow("server") << "officepc:/var/lib/firebird/3.0/data/PELLORI.QVX" << true;
        QTest::newRow("server and port") << "officepc/3051:/data/PELLORI.QVX" << true;
    }
    void sharedBookIsTheOneReachedThroughAServer()
    {
        QFETCH(QString, name);
        QFETCH(bool, shared);
        QCOMPARE(trashcommands::sharedBook(name), shared);
    }

    void bookWithoutTheTrashDeletesAsBefore()
    {
        TestDb db(TestDb::Demo);   // not upgraded, as a server book before its administrator's script
        TestSession session(db.path());
        RecordingMessages messages;
        UndoDeletes undo(session);
        undo.deleteContact(14);
        QVERIFY(!undo.canUndo());
        QCOMPARE(contactRows(db.path(), 14), QStringList());
        QCOMPARE(openTrash(session, nullptr, &undo), 0);
        QCOMPARE(messages.messages, QStringList{session.lang().text(QStringLiteral("trash_unavailable")).replace(QLatin1String("%RETURN%"), QLatin1String("\r\n"))});
    }

    void deleteAndRestoreKeepEveryRow_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("person with employer, numbers, e-mail, group") << 13;
        QTest::newRow("company with addresses and a group") << 2 + 1;   // company 3 has no employees
        QTest::newRow("person who died, with a note") << 29;
    }
    void deleteAndRestoreKeepEveryRow()
    {
        QFETCH(int, key);
        TestDb db(TestDb::Demo);
        upgrade(db.path());
        // Postcodes as written, a column the upgrade added: kept as well.
        db.isql(QStringLiteral("update address set A_POSTCODE_TEXT = 'SW1A ' || A_ID;\ncommit;\n"));
        const QStringList before = contactRows(db.path(), key);
        QVERIFY(before.join(u' ').contains(QStringLiteral("|SW1A ")));
        QVERIFY(before.size() > 2);
        TestSession session(db.path());
        RecordingMessages messages;
        UndoDeletes undo(session);
        undo.deleteContact(key);
        QCOMPARE(contactRows(db.path(), key), QStringList());
        QCOMPARE(undo.undo(nullptr), key);
        QCOMPARE(contactRows(db.path(), key), before);
        QCOMPARE(messages.messages, QStringList());
        QCOMPARE(committedValues(db.path(), QStringLiteral("select count(*) from pellori_trash")), QStringList{"0"});
    }

    void refusedCompanyKeepsEverythingAndLeavesNoCopy()
    {
        TestDb db(TestDb::Demo);
        upgrade(db.path());
        const QStringList before = contactRows(db.path(), 6);   // Meier works there
        TestSession session(db.path());
        UndoDeletes undo(session);
        QVERIFY_THROWS_EXCEPTION(DbError, undo.deleteContact(6));
        QVERIFY(!undo.canUndo());
        QCOMPARE(contactRows(db.path(), 6), before);
        QCOMPARE(committedValues(db.path(), QStringLiteral("select count(*) from pellori_trash")), QStringList{"0"});
    }

    void undoGoesNewestFirst()
    {
        TestDb db(TestDb::Demo);
        upgrade(db.path());
        TestSession session(db.path());
        RecordingMessages messages;
        UndoDeletes undo(session);
        for (int key : {14, 15, 16})
            undo.deleteContact(key);
        QList<int> back;
        for (int i = 0; i < 4; ++i)
            back << undo.undo(nullptr);
        QCOMPARE(back, (QList<int>{16, 15, 14, 0}));
        QCOMPARE(messages.messages, QStringList{session.lang().text(QStringLiteral("trash_nothingtoundo"))});
    }

    void restoreSaysWhatHasGone()
    {
        TestDb db(TestDb::Demo);
        db.isql(QStringLiteral(
            "insert into object (O_ID, O_TYPE, O_NAME1) values (900, 'C', 'Gone GmbH');\n"
            "insert into addresstype (AT_ID, AT_NAME, AT_SORTID) values (90, 'Gone type', 9);\n"
            "insert into groupt (G_ID, G_NAME) values (90, 'Gone group');\n"
            "insert into object (O_ID, O_TYPE, O_NAME1, O_NAME2) values (901, 'P', 'Solo', 'Sam');\n"
            "update person set P_CID = 900, P_TID = 1 where P_ID = 901;\n"
            "insert into address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET) values (901, 90, '@', 1, 'Town', 'Street 1');\n"
            "insert into belong2group values (901, 90);\ninsert into belong2group values (901, 1);\ncommit;"));
        upgrade(db.path());
        TestSession session(db.path());
        RecordingMessages messages;
        UndoDeletes undo(session);
        undo.deleteContact(901);
        undo.deleteContact(900);
        exec(session, QStringLiteral("delete from groupt where G_ID = 90"));
        exec(session, QStringLiteral("delete from addresstype where AT_ID = 90"));
        const TrashEntry person = undo.trash().entries().last();
        QCOMPARE(person.contact, 901);
        QCOMPARE(trashcommands::restore(session, undo.trash(), nullptr, person), 901);
        QCOMPARE(messages.messages.size(), 1);
        const QString said = messages.messages.first();
        for (const char* key : {"trash_note_type", "trash_note_group", "trash_note_employer"})
            QVERIFY2(said.contains(session.lang().text(QLatin1String(key)).replace(QLatin1String("%ROW%"), QLatin1String("Street 1 Town"))), qPrintable(said));
        const QStringList rows = contactRows(db.path(), 901);
        QVERIFY(rows.contains(QStringLiteral("person|901|1|1|<null>|<null>|<null>|@")));   // no employer, title kept
        QCOMPARE(rows.filter(QRegularExpression(QStringLiteral("^address\\|\\d+\\|901\\|1\\|@\\|1\\|Town\\|"))).size(), 1);
        QCOMPARE(rows.filter(QStringLiteral("belong2group")), QStringList{QStringLiteral("belong2group|901|1")});
    }

    void purgeAndEmptyAskAndTellWhatHasGone()
    {
        TestDb db(TestDb::Demo);
        upgrade(db.path());
        TestSession session(db.path());
        RecordingMessages messages;
        UndoDeletes undo(session);
        for (int key : {14, 15, 16})
            undo.deleteContact(key);
        Trash& trash = undo.trash();
        const TrashEntry newest = trash.entries().first();
        messages.answers = {false, true, true};
        QVERIFY(!trashcommands::purge(session, trash, nullptr, newest));   // No: kept
        QVERIFY(trashcommands::purge(session, trash, nullptr, newest));
        QVERIFY(!trashcommands::purge(session, trash, nullptr, newest));   // gone meanwhile
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.messages.first().contains(newest.name));
        messages.answers = {true};
        QVERIFY(trashcommands::empty(session, trash, nullptr, trash.entries()));
        QCOMPARE(trash.entries().size(), 0);
        QCOMPARE(contactRows(db.path(), 16), QStringList());
    }

    void twoUsersMeetOnOneEntry()
    {
        TestDb db(TestDb::Demo);
        upgrade(db.path());
        TestSession first(db.path()), second(db.path());
        RecordingMessages messages;
        UndoDeletes undo(first);
        undo.deleteContact(14);
        Trash other(second.mainTransaction());
        const TrashEntry entry = other.entries().first();
        {
            // Another user holds the entry just now: nothing happens here.
            Connection c;
            attachTo(c, db.path());
            DbTransaction holding(c, DbTransaction::readCommitted());
            Statement(c, QStringLiteral("delete from pellori_trash")).execute(holding, {});
            QCOMPARE(trashcommands::restore(second, other, nullptr, entry), 0);
            holding.rollback();
        }
        QCOMPARE(undo.undo(nullptr), 14);
        QCOMPARE(trashcommands::restore(second, other, nullptr, entry), 0);
        QCOMPARE(messages.messages.size(), 2);
        QVERIFY(messages.messages[0].startsWith(QStringLiteral("Another user")));
        QVERIFY(messages.messages[1].contains(QStringLiteral("no longer in the trash")));
        QCOMPARE(committedValues(db.path(), QStringLiteral("select count(*) from object where O_ID = 14")), QStringList{"1"});
    }

    void windowRestoresTheChosenContact()
    {
        TestDb db(TestDb::Demo);
        upgrade(db.path());
        TestSession session(db.path());
        RecordingMessages messages;
        UndoDeletes undo(session);
        const QString name = QStringLiteral("select F_CONTACT_NAME(O_TYPE, O_NAME1, O_NAME2) from object where O_ID = %1");
        const QStringList expected = committedValues(db.path(), name.arg(15)) + committedValues(db.path(), name.arg(14));
        undo.deleteContact(14);
        undo.deleteContact(15);
        QStringList names;
        messages.modalHandlers << [&](QDialog* d) {
            auto* grid = d->findChild<QTableWidget*>(QStringLiteral("grid_trash"));
            for (int r = 0; r < grid->rowCount(); ++r)
                names << grid->item(r, 0)->text();
            grid->setCurrentCell(1, 0);
            d->findChild<QPushButton*>(QStringLiteral("btn_restore"))->click();
            return int(QDialog::Accepted);
        };
        QCOMPARE(openTrash(session, nullptr, &undo), 14);
        QCOMPARE(names, expected);   // newest first
        QCOMPARE(undo.undo(nullptr), 15);   // 14 was forgotten by the window
        QVERIFY(!undo.canUndo());
    }
};

QTEST_MAIN(TestTrash)
#include "tst_trash.moc"
