#include "safety/Trash.h"

#include "data/ContactTables.h"
#include "data/DbTransaction.h"
#include "data/Savepoint.h"
#include "data/Statement.h"
#include "data/upgrades/Upgrades.h"
#include "settings/Settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pellori {

namespace trashrows {

// A one-letter tag, then the value's text: the type survives the round trip
// exactly (a 64-bit number, a time of day, bytes), and the text stays legible.
static QString tagged(char tag, const QString& text) { return QString(QLatin1Char(tag)) + text; }

QString encode(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong: return tagged('i', QString::number(v.toLongLong()));
    case QMetaType::Double: return tagged('f', QString::number(v.toDouble(), 'g', 17));
    case QMetaType::QDate: return tagged('d', v.toDate().toString(Qt::ISODate));
    case QMetaType::QDateTime: return tagged('t', v.toDateTime().toString(Qt::ISODateWithMs));
    case QMetaType::QTime: return tagged('m', v.toTime().toString(Qt::ISODateWithMs));
    case QMetaType::Bool: return tagged('l', QString(QLatin1Char(v.toBool() ? '1' : '0')));
    case QMetaType::QByteArray: return tagged('x', QString::fromLatin1(v.toByteArray().toBase64()));
    default: return tagged('s', v.toString());
    }
}

QVariant decode(const QString& text)
{
    if (text.isNull())
        return QVariant();
    const QString rest = text.mid(1);
    switch ((text.isEmpty() ? QChar() : text.at(0)).unicode()) {
    case 'i': return QVariant(rest.toLongLong());
    case 'f': return QVariant(rest.toDouble());
    case 'd': return QVariant(QDate::fromString(rest, Qt::ISODate));
    case 't': return QVariant(QDateTime::fromString(rest, Qt::ISODateWithMs));
    case 'm': return QVariant(QTime::fromString(rest, Qt::ISODateWithMs));
    case 'l': return QVariant(rest == QLatin1String("1"));
    case 'x': return QVariant(QByteArray::fromBase64(rest.toLatin1()));
    default: return QVariant(rest);
    }
}

} // namespace trashrows

namespace {

using contacttables::ContactTable;
using contacttables::Reference;
using contacttables::WhenGone;

const ContactTable* describedTable(const QString& name)
{
    for (const ContactTable& t : contacttables::all())
        if (name.compare(QLatin1String(t.table), Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

// The columns a row can be written back to (computed ones cannot), in their order.
QStringList writableColumns(DbTransaction& tr, const QString& table)
{
    Statement q(tr.connection(),
                QStringLiteral("select trim(rf.rdb$field_name) from rdb$relation_fields rf"
                               " join rdb$fields f on f.rdb$field_name = rf.rdb$field_source"
                               " where rf.rdb$relation_name = :t and f.rdb$computed_blr is null"
                               " order by rf.rdb$field_position"));
    q.openCursor(tr, [&](const QString&) { return QVariant(table.toUpper()); });
    QStringList columns;
    QList<QVariant> row;
    while (q.fetch(row))
        columns << row.value(0).toString();
    return columns;
}

QVariant single(DbTransaction& tr, const QString& sql, const QVariant& value)
{
    Statement q(tr.connection(), sql);
    return q.execute(tr, [&](const QString&) { return value; }).value(0);
}

bool rowExists(DbTransaction& tr, const Reference& ref, const QVariant& value)
{
    return single(tr, QStringLiteral("select count(*) from %1 where %2 = :v").arg(QLatin1String(ref.table), QLatin1String(ref.key)), value)
               .toInt() > 0;
}

int standardType(contacttables::TypeKind kind, bool company, const StandardValues& s)
{
    switch (kind) {
    case contacttables::TypeKind::Address: return company ? s.addressTypeCompany : s.addressType;
    case contacttables::TypeKind::Communication: return company ? s.communicationTypeCompany : s.communicationType;
    case contacttables::TypeKind::Internet: return company ? s.internetTypeCompany : s.internetType;
    case contacttables::TypeKind::None: break;
    }
    return 0;
}

QString shownRow(const ContactTable& t, const QHash<QString, QVariant>& values)
{
    QStringList parts;
    for (const char* column : t.shown) {
        const QString text = values.value(QLatin1String(column)).toString().trimmed();
        if (!text.isEmpty())
            parts << text;
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

Trash::Trash(DbTransaction& transaction) : m_transaction(transaction) {}

Trash::~Trash() = default;

bool Trash::available()
{
    if (!m_available)
        m_available = upgrades::isApplied(m_transaction, upgrades::step::kTrash);
    return m_available;
}

QStringList Trash::columnsOf(DbTransaction& tr, const QString& table)
{
    auto it = m_columns.find(table);
    if (it == m_columns.end())
        it = m_columns.insert(table, writableColumns(tr, table));
    return *it;
}

int Trash::keep(DbTransaction& tr, int key)
{
    if (!m_available)
        m_available = upgrades::isApplied(tr, upgrades::step::kTrash);
    if (!m_available)
        return 0;
    QStringList tables;
    for (const ContactTable& t : contacttables::all())
        if (t.schema)
            tables << QString::fromLatin1(t.table);
    tables << presentFurtherTables(tr);

    QJsonArray document;
    QString type;
    for (const QString& table : std::as_const(tables)) {
        const ContactTable* t = describedTable(table);
        if (t->kind && !type.isEmpty() && type != QLatin1Char(t->kind))
            continue;   // a person has no company row, and the other way round
        const QStringList columns = columnsOf(tr, table);
        std::unique_ptr<Statement>& copy = m_copies[table];
        if (!copy)
            copy = std::make_unique<Statement>(tr.connection(), QStringLiteral("select %1 from %2 where %3")
                                                                    .arg(columns.join(QStringLiteral(", ")), table, QLatin1String(t->owned)));
        Statement& q = *copy;
        q.openCursor(tr, [key](const QString&) { return QVariant(key); });
        QJsonArray rows;
        QList<QVariant> row;
        while (q.fetch(row)) {
            QJsonObject values;
            for (int i = 0; i < columns.size(); ++i) {
                const QString text = trashrows::encode(row.value(i));
                values.insert(columns[i], text.isNull() ? QJsonValue() : QJsonValue(text));
            }
            if (table == QLatin1String("object"))
                type = row.value(columns.indexOf(QStringLiteral("O_TYPE"))).toString();
            rows.append(values);
        }
        if (table == QLatin1String("object") && rows.isEmpty())
            return 0;   // no such contact: nothing to keep
        if (!rows.isEmpty())
            document.append(QJsonObject{{QStringLiteral("table"), table}, {QStringLiteral("rows"), rows}});
    }
    const QByteArray rows = QJsonDocument(document).toJson(QJsonDocument::Compact);
    if (!m_insert)
        m_insert = std::make_unique<Statement>(
            tr.connection(), QStringLiteral("insert into pellori_trash (PT_ID, PT_OID, PT_TYPE, PT_NAME, PT_ROWS) values "
                                            "(gen_id(G_PELLORI_TRASH_PT_ID, 1), :o_id, :type, (select F_CONTACT_NAME(O_TYPE, "
                                            "O_NAME1, O_NAME2) from object where O_ID = :o_id), :rows) returning PT_ID"));
    return m_insert
        ->execute(tr,
                  [&](const QString& name) -> QVariant {
                      if (name == QLatin1String("o_id"))
                          return key;
                      if (name == QLatin1String("type"))
                          return type;
                      return rows;
                  })
        .value(0)
        .toInt();
}

QList<TrashEntry> Trash::entries()
{
    if (!available())
        return {};
    Statement q(m_transaction.connection(),
                QStringLiteral("select PT_ID, PT_OID, PT_TYPE, PT_NAME, PT_DELETED, PT_USER from pellori_trash "
                               "order by PT_DELETED desc, PT_ID desc"));
    q.openCursor(m_transaction, {});
    QList<TrashEntry> list;
    QList<QVariant> r;
    while (q.fetch(r))
        list << TrashEntry{r[0].toInt(), r[1].toInt(), r[2].toString(), r[3].toString(), r[4].toDateTime(),
                           r[5].toString().trimmed()};
    return list;
}

Restored Trash::restore(int entry, const StandardValues& standard)
{
    DbTransaction& tr = m_transaction;
    Restored result;
    Savepoint all(tr, QStringLiteral("PELLORI_RESTORE"));
    // Taking the row out first claims the entry: a second user restoring or
    // purging it meanwhile finds it gone, or held by this transaction.
    Statement claim(tr.connection(), QStringLiteral("delete from pellori_trash where PT_ID = :id "
                                                    "returning PT_OID, PT_TYPE, PT_NAME, PT_ROWS"));
    const QList<QVariant> taken = claim.execute(tr, [entry](const QString&) { return QVariant(entry); });
    if (taken.value(0).isNull())
        return result;
    result.contact = taken[0].toInt();
    result.name = taken[2].toString();
    const bool company = taken[1].toString() == QLatin1String("C");
    if (single(tr, QStringLiteral("select count(*) from object where O_ID = :k"), result.contact).toInt() > 0) {
        result.outcome = Restored::Outcome::AlreadyThere;
        return result;   // the savepoint puts the entry back
    }

    const QJsonArray document = QJsonDocument::fromJson(taken[3].toByteArray()).array();
    for (const QJsonValue& tableValue : document) {
        const QString table = tableValue[QStringLiteral("table")].toString();
        const ContactTable* described = describedTable(table);
        const QStringList columns = columnsOf(tr, table);
        if (!described || columns.isEmpty()) {
            result.notes << RestoreNote{QStringLiteral("trash_note_tablegone"), table};
            continue;
        }
        for (const QJsonValue& rowValue : tableValue[QStringLiteral("rows")].toArray()) {
            const QJsonObject stored = rowValue.toObject();
            QHash<QString, QVariant> values;
            for (auto it = stored.begin(); it != stored.end(); ++it)
                if (columns.contains(it.key()))
                    values.insert(it.key(), trashrows::decode(it.value().isNull() ? QString() : it.value().toString()));
            bool keepRow = true;
            for (const Reference& ref : described->references) {
                const QString column = QLatin1String(ref.column);
                const QVariant value = values.value(column);
                if (value.isNull() || rowExists(tr, ref, value))
                    continue;
                QString note = QLatin1String(ref.note);
                switch (ref.whenGone) {
                case WhenGone::StandardType: {
                    const int type = standardType(ref.typeKind, company, standard);
                    if (rowExists(tr, ref, type))
                        values[column] = type;
                    else {
                        keepRow = false;
                        note = QStringLiteral("trash_note_rowdropped");
                    }
                    break;
                }
                case WhenGone::FirstRow:
                    values[column] = single(tr, QStringLiteral("select min(%1) from %2").arg(QLatin1String(ref.key), QLatin1String(ref.table)), {});
                    keepRow = !values[column].isNull();
                    break;
                case WhenGone::Null: values[column] = QVariant(); break;
                case WhenGone::DropRow: keepRow = false; break;
                }
                result.notes << RestoreNote{note, shownRow(*described, values)};
            }
            if (!keepRow)
                continue;
            QStringList names, markers;
            QList<QVariant> ordered;
            for (const QString& c : columns)
                if (values.contains(c)) {
                    names << c;
                    markers << QStringLiteral(":p%1").arg(ordered.size());
                    ordered << values.value(c);
                }
            // A row that a trigger made when its parent came back is overwritten, not doubled.
            const QString sql = QStringLiteral("update or insert into %1 (%2) values (%3) matching (%4)")
                                    .arg(table, names.join(QStringLiteral(", ")), markers.join(QStringLiteral(", ")),
                                         QLatin1String(described->key));
            Statement write(tr.connection(), sql);
            write.execute(tr, [&](const QString& name) { return ordered.value(name.mid(1).toInt()); });
        }
    }
    all.release();
    tr.commitRetaining();
    result.outcome = Restored::Outcome::Done;
    return result;
}

bool Trash::purge(int entry)
{
    Statement q(m_transaction.connection(), QStringLiteral("delete from pellori_trash where PT_ID = :id returning PT_ID"));
    const bool found = !q.execute(m_transaction, [entry](const QString&) { return QVariant(entry); }).value(0).isNull();
    m_transaction.commitRetaining();
    return found;
}

void Trash::empty(int upToEntry)
{
    Statement q(m_transaction.connection(), QStringLiteral("delete from pellori_trash where PT_ID <= :id"));
    q.execute(m_transaction, [upToEntry](const QString&) { return QVariant(upToEntry); });
    m_transaction.commitRetaining();
}

} // namespace pellori
