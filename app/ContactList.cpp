#include "app/ContactList.h"

#include "data/ContactQueries.h"

namespace pellori {
namespace {
const QString kKey = QStringLiteral("O_ID");
}

ContactList::ContactList(DbTransaction& main)
{
    dbdataset_object = std::make_unique<EditableDataSet>(main);
    dbdataset_object->setObjectName(QStringLiteral("dbdataset_object"));
    dbdataset_object->setSelectSql(queries::initialContacts());
    dbdataset_object->addField({.name = kKey, .kind = FieldKind::Integer, .visible = false});
    dbdataset_object->addField(
        {.name = QStringLiteral("O_NAME"), .kind = FieldKind::Text, .size = 255, .title = QStringLiteral("Name")});
    dbdataset_object->addField(
        {.name = QStringLiteral("O_TYPE"), .kind = FieldKind::Text, .size = 1, .visible = false});

    ibquery_listgroups = std::make_unique<QueryDataSet>(main);
    ibquery_listgroups->setObjectName(QStringLiteral("ibquery_listgroups"));
    ibquery_listgroups->setSelectSql(queries::groupSearchChoices());
}

ContactList::~ContactList() = default;

void ContactList::readGroups()
{
    ibquery_listgroups->close();
    ibquery_listgroups->open();
    ibquery_listgroups->last();
}

void ContactList::search(const QString& statement)
{
    dbdataset_object->close();
    dbdataset_object->setSelectSql(statement);
    dbdataset_object->open();
    dbdataset_object->first();
}

ContactList::Place ContactList::place() const
{
    return {.row = dbdataset_object->bookmark(), .contact = dbdataset_object->value(kKey)};
}

bool ContactList::reread(Afterwards afterwards, int named, const Place& before)
{
    DataSet& list = *dbdataset_object;
    if (afterwards == Afterwards::Nothing)
        return true;
    list.close();
    list.open();
    switch (afterwards) {
    case Afterwards::Reread:
        list.moveTo(before.row);
        return true;
    case Afterwards::RereadAndLocate:
        if (named != 0) {
            if (!list.locate(kKey, named))
                list.first();
            return true;
        }
        // Back on the contact that was current, or else on the row the list stood on.
        if (list.bookmarkValid(before.row))
            list.gotoBookmark(before.row);
        list.locate(kKey, before.contact);
        return true;
    default:
        if (named != 0)
            return list.locate(kKey, named);
        list.last();
        return true;
    }
}

QList<int> ContactList::shownKeys()
{
    QList<int> keys;
    if (!dbdataset_object->isOpen())
        return keys;
    dbdataset_object->fetchAll();
    const int key = dbdataset_object->fieldIndex(kKey);
    for (int row = 0; row < dbdataset_object->rowCount(); ++row)
        keys << dbdataset_object->value(row, key).toInt();
    return keys;
}

int ContactList::currentKey() const
{
    return dbdataset_object->recNo() >= 0 ? dbdataset_object->value(kKey).toInt() : 0;
}

} // namespace pellori
