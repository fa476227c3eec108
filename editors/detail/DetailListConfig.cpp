#include "editors/detail/DetailListConfig.h"

#include "data/Postcode.h"
#include "data/tables/Tables.h"

namespace pellori {

namespace {

bool isPerson(Variant v) { return v == Variant::Person; }

// The flag check stands first for persons and last for companies.
QList<RowCheck> withFlagCheck(Variant v, const QString& flagField, QList<RowCheck> others)
{
    const RowCheck flag{.kind = RowCheck::ValidFlag, .field = flagField, .messageKey = QStringLiteral("fillincurrent")};
    if (isPerson(v))
        others.prepend(flag);
    else
        others.append(flag);
    return others;
}

DetailListConfig address(Variant v)
{
    return {
        .kind = DetailKind::Address,
        .tabName = QStringLiteral("tab_address"),
        .tabKey = QStringLiteral("address"),
        .tabTitle = QStringLiteral("Address"),
        .dataSetName = QStringLiteral("dataset_address"),
        .transactionName = QStringLiteral("transaction_address"),
        .gridName = QStringLiteral("RxDBGrid_address"),
        .lookupName = QStringLiteral("dataset_addresstype"),
        .selectSql = QStringLiteral("select address.*, address.rdb$record_version as a_version from address, "
                                    "addresstype where ((address.a_oid = :p_id) and "
                                    "(address.a_atid = addresstype.at_id)) order by ")
                     + (isPerson(v) ? QStringLiteral("address.a_pref desc, addresstype.at_sortid asc")
                                    : QStringLiteral("addresstype.at_sortid asc")),
        .table = &tables::address(),
        .ownerField = QStringLiteral("A_OID"),
        .ownerParam = QStringLiteral("p_id"),
        .flagField = QStringLiteral("A_PREF"),
        .flagOfNewRow = isPerson(v) ? QStringLiteral("@") : QStringLiteral("-"),
        .typeField = QStringLiteral("A_ATID"),
        .standardType = isPerson(v) ? &StandardValues::addressType : &StandardValues::addressTypeCompany,
        .lookupSql = QStringLiteral("Select * from  addresstype order by at_name"),
        .lookupKeyField = QStringLiteral("AT_ID"),
        .lookupTextField = QStringLiteral("AT_NAME"),
        .columns = {
            {.field = QStringLiteral("A_ID"), .kind = FieldKind::Integer, .visible = false},
            {.field = QStringLiteral("A_VERSION"), .kind = FieldKind::BigInt, .visible = false},
            {.field = QStringLiteral("A_OID"), .kind = FieldKind::Integer, .required = true, .visible = false},
            // The user types the postcode as written; the number follows from it.
            {.field = QStringLiteral("A_POSTCODE"), .kind = FieldKind::BigInt, .required = true, .visible = false},
            {.field = QStringLiteral("A_POSTCODE_TEXT"), .size = postcode::kWrittenLength,
             .titleKey = QStringLiteral("postcode"), .title = QStringLiteral("Postcode"), .width = 80},
            {.field = QStringLiteral("A_TOWN"), .size = 100, .required = true,
             .titleKey = QStringLiteral("town"), .title = QStringLiteral("Town"), .width = 135},
            {.field = QStringLiteral("A_STREET"), .size = 100, .required = true,
             .titleKey = QStringLiteral("street"), .title = QStringLiteral("Street"), .width = 176},
            {.field = QStringLiteral("A_COUNTRY"), .size = 30,
             .titleKey = QStringLiteral("country"), .title = QStringLiteral("Country"), .width = 102},
            {.field = QStringLiteral("A_PREF"), .size = 1, .required = true,
             .titleKey = QStringLiteral("current"), .title = QStringLiteral("Current"), .width = 43, .pickFlag = true},
            {.field = QStringLiteral("A_ATID"), .kind = FieldKind::Integer, .required = true, .visible = false},
            {.field = isPerson(v) ? QStringLiteral("L_ATYPE") : QStringLiteral("TYPE"), .size = 50,
             .titleKey = QStringLiteral("type"), .title = QStringLiteral("Type"), .width = 112,
             .lookupOf = QStringLiteral("A_ATID")},
        },
        .checks = withFlagCheck(v, QStringLiteral("A_PREF"),
                                {{.kind = RowCheck::Filled, .field = QStringLiteral("A_POSTCODE_TEXT"),
                                  .messageKey = QStringLiteral("fillinpostcode")},
                                 {.kind = RowCheck::Filled, .field = QStringLiteral("A_TOWN"),
                                  .messageKey = QStringLiteral("fillintown")},
                                 {.kind = RowCheck::Filled, .field = QStringLiteral("A_STREET"),
                                  .messageKey = QStringLiteral("fillinstreet")}}),
        .dropDownRows = isPerson(v) ? 15 : 7,
        .menuName = QStringLiteral("NewAdresstype1"),
        .menuText = QStringLiteral("New Adresstype"),
        .lookupEditor = LookupList::AddressTypes,
        .writtenPostcode = true,
    };
}

DetailListConfig communication(Variant v)
{
    return {
        .kind = DetailKind::Communication,
        .tabName = QStringLiteral("tab_communication"),
        .tabKey = QStringLiteral("communication"),
        .tabTitle = QStringLiteral("Communication"),
        .dataSetName = QStringLiteral("dataset_communication"),
        .transactionName = QStringLiteral("transaction_communication"),
        .gridName = QStringLiteral("RxDBGrid_communication"),
        .lookupName = QStringLiteral("IBDataSet_ctype"),
        .selectSql = QStringLiteral("select communication.c_id, communication.c_oid, communication.c_ctid, "
                                    "communication.c_pref, communication.c_prefix, communication.c_number, "
                                    "communication.c_assistent, communication.rdb$record_version as c_version "
                                    "from communication, communicationtype where "
                                    "((communication.c_oid = :c_oid) and (communication.c_ctid = "
                                    "communicationtype.ct_id)) ")
                     + (isPerson(v) ? QStringLiteral("order by communication.c_pref desc\n, communicationtype.ct_sortid")
                                    : QStringLiteral("order by communicationtype.ct_sortid")),
        .table = &tables::communication(),
        .ownerField = QStringLiteral("C_OID"),
        .ownerParam = QStringLiteral("c_oid"),
        .flagField = QStringLiteral("C_PREF"),
        .flagOfNewRow = isPerson(v) ? QStringLiteral("@") : QStringLiteral("-"),
        .typeField = QStringLiteral("C_CTID"),
        .standardType = isPerson(v) ? &StandardValues::communicationType : &StandardValues::communicationTypeCompany,
        .lookupSql = QStringLiteral("select * from communicationtype order by ct_name"),
        .lookupKeyField = QStringLiteral("CT_ID"),
        .lookupTextField = QStringLiteral("CT_NAME"),
        .columns = {
            {.field = QStringLiteral("C_ID"), .kind = FieldKind::Integer, .visible = false},
            {.field = QStringLiteral("C_VERSION"), .kind = FieldKind::BigInt, .visible = false},
            {.field = QStringLiteral("C_OID"), .kind = FieldKind::Integer, .required = true, .visible = false},
            {.field = QStringLiteral("C_CTID"), .kind = FieldKind::Integer, .required = true, .visible = false},
            {.field = QStringLiteral("C_PREFIX"), .size = 10, .required = true,
             .titleKey = QStringLiteral("prefix"), .title = QStringLiteral("Prefix"), .width = 63},
            {.field = QStringLiteral("C_NUMBER"), .size = 20, .required = true,
             .titleKey = QStringLiteral("number"), .title = QStringLiteral("Number"), .width = 134},
            {.field = QStringLiteral("C_ASSISTENT"), .size = 50,
             .titleKey = QStringLiteral("assistent"), .title = QStringLiteral("Assistent"), .width = 280},
            {.field = QStringLiteral("C_PREF"), .size = 1, .required = true,
             .titleKey = QStringLiteral("current"), .title = QStringLiteral("Current"), .width = 43, .pickFlag = true},
            {.field = QStringLiteral("L_CTYPE"), .size = 50,
             .titleKey = QStringLiteral("type"), .title = QStringLiteral("Type"), .width = 141,
             .lookupOf = QStringLiteral("C_CTID")},
        },
        .checks = withFlagCheck(v, QStringLiteral("C_PREF"),
                                {{.kind = RowCheck::Filled, .field = QStringLiteral("C_PREFIX"),
                                  .messageKey = QStringLiteral("fillinprefix")},
                                 {.kind = RowCheck::Filled, .field = QStringLiteral("C_NUMBER"),
                                  .messageKey = QStringLiteral("fillinnumber")}}),
        .dropDownRows = isPerson(v) ? 15 : 7,
        .menuName = QStringLiteral("NewCommunicationtype1"),
        .menuText = QStringLiteral("New Communicationtype"),
        .lookupEditor = LookupList::CommunicationTypes,
    };
}

DetailListConfig internet(Variant v)
{
    return {
        .kind = DetailKind::Internet,
        .tabName = QStringLiteral("tab_internet"),
        .tabKey = QStringLiteral("internet"),
        .tabTitle = QStringLiteral("Internet"),
        .dataSetName = QStringLiteral("dataset_internet"),
        .transactionName = QStringLiteral("transaction_internet"),
        .gridName = QStringLiteral("RxDBGrid_internet"),
        .lookupName = QStringLiteral("IBDataSet_itype"),
        .selectSql = QStringLiteral("select internet.*, internet.rdb$record_version as i_version from internet, "
                                    "internettype where ((internet.i_itid = "
                                    "internettype.it_id) and (internet.i_oid = :i_oid))")
                     + (isPerson(v) ? QStringLiteral(" order by internet.i_pref desc, internettype.it_sort") : QString()),
        .table = &tables::internet(),
        .ownerField = QStringLiteral("I_OID"),
        .ownerParam = QStringLiteral("i_oid"),
        .flagField = QStringLiteral("I_PREF"),
        .flagOfNewRow = isPerson(v) ? QStringLiteral("@") : QStringLiteral("-"),
        .typeField = QStringLiteral("I_ITID"),
        .standardType = isPerson(v) ? &StandardValues::internetType : &StandardValues::internetTypeCompany,
        .lookupSql = QStringLiteral("select * from internettype order by it_name"),
        .lookupKeyField = QStringLiteral("IT_ID"),
        .lookupTextField = QStringLiteral("IT_NAME"),
        .columns = {
            {.field = QStringLiteral("I_ID"), .kind = FieldKind::Integer, .visible = false},
            {.field = QStringLiteral("I_VERSION"), .kind = FieldKind::BigInt, .visible = false},
            {.field = QStringLiteral("I_OID"), .kind = FieldKind::Integer, .required = true, .visible = false},
            {.field = QStringLiteral("I_ITID"), .kind = FieldKind::Integer, .required = true, .visible = false},
            {.field = QStringLiteral("I_NAME"), .size = 100, .required = true,
             .titleKey = QStringLiteral("name"), .title = QStringLiteral("Name"), .width = 304},
            {.field = QStringLiteral("I_PREF"), .size = 1, .required = true,
             .titleKey = QStringLiteral("current"), .title = QStringLiteral("Current"), .width = 43, .pickFlag = true},
            {.field = QStringLiteral("L_ITYPE"), .size = 50,
             .titleKey = QStringLiteral("type"), .title = QStringLiteral("Type"), .width = 193,
             .lookupOf = QStringLiteral("I_ITID")},
        },
        .checks = withFlagCheck(v, QStringLiteral("I_PREF"),
                                {{.kind = RowCheck::Filled, .field = QStringLiteral("I_NAME"),
                                  .messageKey = QStringLiteral("fillinname")}}),
        .dropDownRows = isPerson(v) ? 15 : 7,
        .menuName = QStringLiteral("NewInternettype1"),
        .menuText = QStringLiteral("New Internettype"),
        .lookupEditor = LookupList::InternetTypes,
    };
}

DetailListConfig group(Variant v)
{
    return {
        .kind = DetailKind::Group,
        .tabName = QStringLiteral("tab_group"),
        .tabKey = QStringLiteral("groups"),
        .tabTitle = QStringLiteral("Group"),
        .dataSetName = QStringLiteral("dataset_group"),
        .transactionName = QStringLiteral("transaction_group"),
        .gridName = QStringLiteral("RxDBGrid_group"),
        .lookupName = QStringLiteral("IBDataSet_g"),
        .selectSql = QStringLiteral("select belong2group.b2g_oid, belong2group.b2g_gid from belong2group, groupt "
                                    "where ((belong2group.b2g_oid = :b2g_oid) and (belong2group.b2g_gid = "
                                    "groupt.g_id)) order by groupt.g_name"),
        .table = &tables::belong2group(),
        // A membership changes its group only.
        .writes = {.modified = {"B2G_GID"}, .rowCheck = true},
        .ownerField = QStringLiteral("B2G_OID"),
        .ownerParam = QStringLiteral("b2g_oid"),
        .lookupSql = QStringLiteral("select * from groupt order by g_name"),
        .lookupKeyField = QStringLiteral("G_ID"),
        .lookupTextField = QStringLiteral("G_NAME"),
        .columns = {
            {.field = QStringLiteral("B2G_OID"), .kind = FieldKind::Integer, .required = true, .visible = false},
            {.field = QStringLiteral("B2G_GID"), .kind = FieldKind::Integer, .required = true, .visible = false},
            {.field = isPerson(v) ? QStringLiteral("L_G") : QStringLiteral("L_GROUP"), .size = 50,
             .titleKey = QStringLiteral("belongs2group"), .title = QStringLiteral("Belongs to Group"), .width = 304,
             .lookupOf = QStringLiteral("B2G_GID")},
        },
        .dropDownRows = isPerson(v) ? 15 : 7,
        .tabLeavesGrid = !isPerson(v),
        .menuName = QStringLiteral("NewGroup1"),
        .menuText = QStringLiteral("New Group"),
        .lookupEditor = LookupList::Groups,
    };
}

} // namespace

const DetailListConfig& detailListConfig(DetailKind kind, Variant variant)
{
    static const QList<DetailListConfig> person{communication(Variant::Person), internet(Variant::Person),
                                                group(Variant::Person), address(Variant::Person)};
    static const QList<DetailListConfig> company{communication(Variant::Company), internet(Variant::Company),
                                                 group(Variant::Company), address(Variant::Company)};
    return (variant == Variant::Person ? person : company)[int(kind)];
}

} // namespace pellori
