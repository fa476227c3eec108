#include "data/ContactTables.h"

namespace pellori::contacttables {

const std::vector<ContactTable>& all()
{
    static const std::vector<ContactTable> kTables = {
        {.table = "object", .owned = "O_ID = :o_id", .key = "O_ID", .schema = true},
        {.table = "company", .owned = "C_ID = :o_id", .key = "C_ID", .kind = 'C', .schema = true},
        {.table = "person",
         .owned = "P_ID = :o_id",
         .key = "P_ID",
         .references = {{"P_SID", "salutation", "S_ID", WhenGone::FirstRow, TypeKind::None, "trash_note_salutation"},
                        {"P_TID", "title", "T_ID", WhenGone::Null, TypeKind::None, "trash_note_title"},
                        {"P_CID", "company", "C_ID", WhenGone::Null, TypeKind::None, "trash_note_employer"}},
         .kind = 'P',
         .schema = true},
        {.table = "address",
         .owned = "A_OID = :o_id",
         .key = "A_ID",
         .shown = {"A_STREET", "A_TOWN"},
         .references = {{"A_ATID", "addresstype", "AT_ID", WhenGone::StandardType, TypeKind::Address,
                         "trash_note_type"}},
         .schema = true},
        {.table = "communication",
         .owned = "C_OID = :o_id",
         .key = "C_ID",
         .shown = {"C_PREFIX", "C_NUMBER"},
         .references = {{"C_CTID", "communicationtype", "CT_ID", WhenGone::StandardType, TypeKind::Communication,
                         "trash_note_type"}},
         .schema = true},
        {.table = "internet",
         .owned = "I_OID = :o_id",
         .key = "I_ID",
         .shown = {"I_NAME"},
         .references = {{"I_ITID", "internettype", "IT_ID", WhenGone::StandardType, TypeKind::Internet,
                         "trash_note_type"}},
         .schema = true},
        {.table = "belong2group",
         .owned = "B2G_OID = :o_id",
         .key = "B2G_OID, B2G_GID",
         .references = {{"B2G_GID", "groupt", "G_ID", WhenGone::DropRow, TypeKind::None, "trash_note_group"}},
         .schema = true},
        // Its lasting identifier and last change: a restored contact is known again by its old one.
        {.table = "pellori_identity", .owned = "PI_OID = :o_id", .key = "PI_OID"},
    };
    return kTables;
}

} // namespace pellori::contacttables
