#include "app/ContactList.h"

#include "data/ContactQueries.h"
#include "search/ListTexts.h"

namespace pellori {
namespace {
const QString kKey = QStringLiteral("O_ID");
}

ContactList::ContactList(DbTransaction& main) : m_main(main)
{
    dbdataset_object = std::make_unique<EditableDataSet>(main);
    dbdataset_object->setObjectName(QStringLiteral("dbdataset_object"));
    dbdataset_object->setSelectSql(queries::initialContacts());
    dbdataset_object->addField({.name = kKey, .kind = FieldKind::Integer, .visible = false});
    dbdataset_object->addField(
        {.name = QStringLiteral("O_NAME"), .kind = FieldKind::Text, .size = 255, .title = QStringLiteral("Name")});
    dbdataset_object->addField(
        {.name = QStringLiteral("O_TYPE"), .kind = FieldKind::Text, .size = 1, .visible = false});
    // Shown when asked for; a statement without them leaves them empty.
    for (search::Column c : search::kOptionalColumns)
        dbdataset_object->addField({.name = search::columnField(c), .kind = FieldKind::Text, .visible = false});
    dbdataset_object->addField(
        {.name = QLatin1String(search::kMatchField), .kind = FieldKind::Text, .visible = false});

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

void ContactList::show(const search::ListRequest& request)
{
    m_main.startIfInactive();
    search::ContactListQuery query(m_main);
    search::ListRequest r = request;
    r.labels = m_request.labels;
    const QString statement = query.statement(r);
    const bool tools = query.stored();
    for (search::Column c : search::kOptionalColumns)
        dbdataset_object->field(search::columnField(c)).visible = tools && r.columns.contains(c);
    dbdataset_object->field(QLatin1String(search::kMatchField)).visible =
        tools && r.scope == search::Scope::Everywhere && !r.text.trimmed().isEmpty();
    m_request = r;
    search(statement);
}

bool ContactList::offersSearchTools()
{
    m_main.startIfInactive();
    return search::ContactListQuery(m_main).stored();
}

void ContactList::setTexts(const TLang& lang)
{
    for (search::Column c : search::kOptionalColumns)
        dbdataset_object->field(search::columnField(c)).title = search::columnTitle(c, lang);
    dbdataset_object->field(QLatin1String(search::kMatchField)).title = search::matchTitle(lang);
    m_request.labels = search::matchLabels(lang);
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
