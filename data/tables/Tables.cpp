#include "data/tables/Tables.h"

namespace pellori::tables {

const Table& object()
{
    static const Table t{.name = "object", .key = "O_ID", .generator = "G_OBJECT_O_ID",
                         .columns = {"O_ADDITIONAL", "O_ID", "O_NAME1", "O_NAME2", "O_TYPE"}, .version = "O_VERSION"};
    return t;
}

const Table& person()
{
    // The key is the object row's.
    static const Table t{.name = "person", .key = "P_ID",
                         .columns = {"P_ID", "P_TID", "P_SID", "P_BIRTHDAY", "P_NICKNAME", "P_CID", "P_ALIVE"},
                         .version = "P_VERSION"};
    return t;
}

Writes newPersonWrites()
{
    return {.columns = {"O_ADDITIONAL", "O_NAME1", "O_NAME2", "O_TYPE", "O_ID"},
            .modified = {"O_NAME1", "O_NAME2", "O_ADDITIONAL"},
            .values = {{"O_TYPE", "'P'"}}};
}

Writes newCompanyWrites()
{
    return {.modified = {"O_NAME1", "O_NAME2", "O_ADDITIONAL"}, .values = {{"O_TYPE", "'C'"}}};
}

const Table& address()
{
    static const Table t{.name = "address", .key = "A_ID", .keyFromDatabase = true,
                         .columns = {"A_ATID", "A_COUNTRY", "A_OID", "A_POSTCODE", "A_PREF", "A_STREET", "A_TOWN"},
                         .version = "A_VERSION"};
    return t;
}

const Table& addressWithWrittenPostcode()
{
    static const Table t{.name = "address", .key = "A_ID", .keyFromDatabase = true,
                         .columns = {"A_ATID", "A_COUNTRY", "A_OID", "A_POSTCODE", "A_POSTCODE_TEXT", "A_PREF",
                                     "A_STREET", "A_TOWN"},
                         .version = "A_VERSION"};
    return t;
}

const Table& communication()
{
    static const Table t{.name = "communication", .key = "C_ID", .keyFromDatabase = true,
                         .columns = {"C_ASSISTENT", "C_CTID", "C_NUMBER", "C_OID", "C_PREF", "C_PREFIX"},
                         .version = "C_VERSION"};
    return t;
}

const Table& internet()
{
    static const Table t{.name = "internet", .key = "I_ID", .keyFromDatabase = true,
                         .columns = {"I_ITID", "I_NAME", "I_OID", "I_PREF"}, .version = "I_VERSION"};
    return t;
}

const Table& belong2group()
{
    // A membership has no key of its own: the owner and the group single it out.
    static const Table t{.name = "belong2group", .columns = {"B2G_GID", "B2G_OID"}};
    return t;
}

const Table& addressType()
{
    static const Table t{.name = "addresstype", .key = "AT_ID", .keyFromDatabase = true,
                         .columns = {"AT_NAME", "AT_SORTID"}};
    return t;
}

const Table& communicationType()
{
    static const Table t{.name = "communicationtype", .key = "CT_ID", .keyFromDatabase = true,
                         .columns = {"CT_NAME", "CT_SORTID"}};
    return t;
}

const Table& internetType()
{
    static const Table t{.name = "internettype", .key = "IT_ID", .keyFromDatabase = true,
                         .columns = {"IT_NAME", "IT_SORT"}};
    return t;
}

// Groups and salutations name their key among the columns, empty for a new row.
const Table& groupt()
{
    static const Table t{.name = "groupt", .key = "G_ID", .keyFromDatabase = true, .columns = {"G_ID", "G_NAME"}};
    return t;
}

const Table& salutation()
{
    static const Table t{.name = "salutation", .key = "S_ID", .keyFromDatabase = true, .columns = {"S_ID", "S_NAME"}};
    return t;
}

const Table& title()
{
    static const Table t{.name = "title", .key = "T_ID", .keyFromDatabase = true, .columns = {"T_NAME"}};
    return t;
}

} // namespace pellori::tables
