#include "data/upgrades/UpgradeSteps.h"

namespace pellori::upgrades {

const std::vector<Step>& steps()
{
    static const std::vector<Step> kSteps = {
        {
            // Deleted contacts, each with every row it had, until restored or purged.
            .name = step::kTrash,
            .feature = "upgrade_feature_trash",
            .statements =
                {
                    "create generator G_PELLORI_TRASH_PT_ID",
                    "create table pellori_trash ("
                    " PT_ID      integer not null,"
                    " PT_OID     integer not null,"
                    " PT_TYPE    char(1) character set ISO8859_1 not null,"
                    " PT_NAME    varchar(255) character set ISO8859_1,"
                    " PT_DELETED timestamp default current_timestamp not null,"
                    " PT_USER    varchar(63) character set UTF8 default current_user,"
                    " PT_ROWS    blob sub_type 0 not null,"
                    " constraint PK_PELLORI_TRASH primary key (PT_ID))",
                    "grant all on pellori_trash to public",
                    "grant usage on generator G_PELLORI_TRASH_PT_ID to public",
                },
        },
        {
            // The postcode as written ("01069", "SW1A 1AA") beside the number
            // the original column keeps. No row gets a guess: old rows keep
            // NULL until the user edits them. The check makes the step harmless
            // in a book whose column came some other way.
            .name = step::kWrittenPostcode,
            .feature = "upgrade_feature_writtenpostcode",
            .statements =
                {
                    "execute block as begin"
                    "  if (not exists(select 1 from rdb$relation_fields"
                    "                 where rdb$relation_name = 'ADDRESS' and rdb$field_name = 'A_POSTCODE_TEXT'))"
                    "  then execute statement"
                    "    'alter table address add A_POSTCODE_TEXT varchar(16) character set ISO8859_1';"
                    " end",
                },
        },
        {
            // Who changed which contact when, on a shared book: written by
            // triggers, so no program can leave a change out, and by them alone
            // (the users may only read it). One row per contact and transaction:
            // a save or a delete with all its detail rows is one change. Kinds:
            // I added, U changed, D deleted, R restored (added again after a
            // delete, as the trash restores it, under its old key).
            .name = step::kHistory,
            .feature = "upgrade_feature_history",
            .statements =
                {
                    "create generator G_PELLORI_HISTORY_PH_ID",
                    "create table pellori_history ("
                    " PH_ID   bigint not null,"
                    " PH_OID  integer not null,"
                    " PH_KIND char(1) character set ISO8859_1 not null,"
                    " PH_USER varchar(63) character set UTF8 not null,"
                    " PH_AT   timestamp not null,"
                    " PH_TX   bigint not null,"
                    " constraint PK_PELLORI_HISTORY primary key (PH_ID),"
                    " constraint CHK_PELLORI_HISTORY_KIND check (PH_KIND in ('I', 'U', 'D', 'R')))",
                    "create index IDX_PELLORI_HISTORY_OID on pellori_history (PH_OID)",
                    "create procedure P_PELLORI_CONTACT_CHANGED (OID integer, KIND char(1) character set ISO8859_1)"
                    " as"
                    " declare id bigint;"
                    " begin"
                    "   if (KIND = 'I' and exists(select 1 from pellori_history"
                    "                              where PH_OID = :OID and PH_KIND = 'D')) then"
                    "     KIND = 'R';"
                    "   select first 1 PH_ID from pellori_history"
                    "    where PH_OID = :OID and PH_TX = current_transaction order by PH_ID desc into :id;"
                    "   if (id is null) then"
                    "     insert into pellori_history (PH_ID, PH_OID, PH_KIND, PH_USER, PH_AT, PH_TX)"
                    "     values (gen_id(G_PELLORI_HISTORY_PH_ID, 1), :OID, :KIND, current_user, current_timestamp,"
                    "             current_transaction);"
                    "   else"
                    "     update pellori_history set PH_AT = current_timestamp,"
                    "            PH_KIND = case when :KIND = 'U' then PH_KIND else :KIND end"
                    "      where PH_ID = :id;"
                    " end",
                    "create trigger OBJECT_PELLORI_HISTORY for object active after insert or update or delete"
                    " position 100 as begin"
                    "   if (deleting) then execute procedure P_PELLORI_CONTACT_CHANGED(OLD.O_ID, 'D');"
                    "   else execute procedure P_PELLORI_CONTACT_CHANGED(NEW.O_ID, iif(inserting, 'I', 'U'));"
                    " end",
                    "create trigger PERSON_PELLORI_HISTORY for person active after update position 100 as begin"
                    "   execute procedure P_PELLORI_CONTACT_CHANGED(NEW.P_ID, 'U');"
                    " end",
                    "create trigger ADDRESS_PELLORI_HISTORY for address active after insert or update or delete"
                    " position 100 as begin"
                    "   if (not inserting) then execute procedure P_PELLORI_CONTACT_CHANGED(OLD.A_OID, 'U');"
                    "   if (inserting or (updating and NEW.A_OID <> OLD.A_OID))"
                    "     then execute procedure P_PELLORI_CONTACT_CHANGED(NEW.A_OID, 'U');"
                    " end",
                    "create trigger COMMUNICATION_PELLORI_HISTORY for communication active after insert or update"
                    " or delete position 100 as begin"
                    "   if (not inserting) then execute procedure P_PELLORI_CONTACT_CHANGED(OLD.C_OID, 'U');"
                    "   if (inserting or (updating and NEW.C_OID <> OLD.C_OID))"
                    "     then execute procedure P_PELLORI_CONTACT_CHANGED(NEW.C_OID, 'U');"
                    " end",
                    "create trigger INTERNET_PELLORI_HISTORY for internet active after insert or update or delete"
                    " position 100 as begin"
                    "   if (not inserting) then execute procedure P_PELLORI_CONTACT_CHANGED(OLD.I_OID, 'U');"
                    "   if (inserting or (updating and NEW.I_OID <> OLD.I_OID))"
                    "     then execute procedure P_PELLORI_CONTACT_CHANGED(NEW.I_OID, 'U');"
                    " end",
                    "create trigger BELONG2GROUP_PELLORI_HISTORY for belong2group active after insert or update"
                    " or delete position 100 as begin"
                    "   if (not inserting) then execute procedure P_PELLORI_CONTACT_CHANGED(OLD.B2G_OID, 'U');"
                    "   if (inserting or (updating and NEW.B2G_OID <> OLD.B2G_OID))"
                    "     then execute procedure P_PELLORI_CONTACT_CHANGED(NEW.B2G_OID, 'U');"
                    " end",
                    // The recorder and the triggers hold the rights; the users may only read.
                    "grant select, insert, update on pellori_history to procedure P_PELLORI_CONTACT_CHANGED",
                    "grant usage on generator G_PELLORI_HISTORY_PH_ID to procedure P_PELLORI_CONTACT_CHANGED",
                    "grant execute on procedure P_PELLORI_CONTACT_CHANGED to trigger OBJECT_PELLORI_HISTORY",
                    "grant execute on procedure P_PELLORI_CONTACT_CHANGED to trigger PERSON_PELLORI_HISTORY",
                    "grant execute on procedure P_PELLORI_CONTACT_CHANGED to trigger ADDRESS_PELLORI_HISTORY",
                    "grant execute on procedure P_PELLORI_CONTACT_CHANGED to trigger COMMUNICATION_PELLORI_HISTORY",
                    "grant execute on procedure P_PELLORI_CONTACT_CHANGED to trigger INTERNET_PELLORI_HISTORY",
                    "grant execute on procedure P_PELLORI_CONTACT_CHANGED to trigger BELONG2GROUP_PELLORI_HISTORY",
                    "grant select on pellori_history to public",
                },
            .serverOnly = true,
        },
        {
            // Each contact's lasting identifier, which an export writes as its
            // UID and an import finds it by again, and the time of its last
            // change (its REV). The triggers give every new contact its own
            // identifier, however it is made, and keep the time of every change
            // to it, its details included. A contact older than the step gets
            // its identifier at its first change or export, and no time until
            // its first change: when it last changed is not known. A row of a
            // contact that is being deleted goes with it.
            .name = step::kIdentity,
            .feature = "upgrade_feature_identity",
            .statements =
                {
                    "create table pellori_identity ("
                    " PI_OID     integer not null,"
                    " PI_UID     varchar(255) character set ISO8859_1 not null,"
                    " PI_CHANGED timestamp default current_timestamp,"
                    " constraint PK_PELLORI_IDENTITY primary key (PI_OID))",
                    // Identifiers are compared without regard to case (hexadecimal digits
                    // of a UUID). Not unique: a contact restored from the trash may meet
                    // one that an import gave the same card's identifier meanwhile.
                    "create index IDX_PELLORI_IDENTITY_UID on pellori_identity computed by (upper(PI_UID))",
                    "create procedure P_PELLORI_CONTACT_TOUCHED (OID integer)"
                    " as"
                    " begin"
                    "   update pellori_identity set PI_CHANGED = current_timestamp where PI_OID = :OID;"
                    "   if (row_count = 0) then"
                    "     insert into pellori_identity (PI_OID, PI_UID, PI_CHANGED)"
                    "     values (:OID, 'urn:uuid:' || lower(uuid_to_char(gen_uuid())), current_timestamp);"
                    " end",
                    "create trigger OBJECT_PELLORI_IDENTITY for object active after insert or update or delete"
                    " position 110 as begin"
                    "   if (deleting) then delete from pellori_identity where PI_OID = OLD.O_ID;"
                    "   else execute procedure P_PELLORI_CONTACT_TOUCHED(NEW.O_ID);"
                    " end",
                    "create trigger PERSON_PELLORI_IDENTITY for person active after update position 110 as begin"
                    "   execute procedure P_PELLORI_CONTACT_TOUCHED(NEW.P_ID);"
                    " end",
                    "create trigger ADDRESS_PELLORI_IDENTITY for address active after insert or update or delete"
                    " position 110 as begin"
                    "   if (not inserting) then execute procedure P_PELLORI_CONTACT_TOUCHED(OLD.A_OID);"
                    "   if (inserting or (updating and NEW.A_OID <> OLD.A_OID))"
                    "     then execute procedure P_PELLORI_CONTACT_TOUCHED(NEW.A_OID);"
                    " end",
                    "create trigger COMMUNICATION_PELLORI_IDENTITY for communication active after insert or update"
                    " or delete position 110 as begin"
                    "   if (not inserting) then execute procedure P_PELLORI_CONTACT_TOUCHED(OLD.C_OID);"
                    "   if (inserting or (updating and NEW.C_OID <> OLD.C_OID))"
                    "     then execute procedure P_PELLORI_CONTACT_TOUCHED(NEW.C_OID);"
                    " end",
                    "create trigger INTERNET_PELLORI_IDENTITY for internet active after insert or update or delete"
                    " position 110 as begin"
                    "   if (not inserting) then execute procedure P_PELLORI_CONTACT_TOUCHED(OLD.I_OID);"
                    "   if (inserting or (updating and NEW.I_OID <> OLD.I_OID))"
                    "     then execute procedure P_PELLORI_CONTACT_TOUCHED(NEW.I_OID);"
                    " end",
                    "create trigger BELONG2GROUP_PELLORI_IDENTITY for belong2group active after insert or update"
                    " or delete position 110 as begin"
                    "   if (not inserting) then execute procedure P_PELLORI_CONTACT_TOUCHED(OLD.B2G_OID);"
                    "   if (inserting or (updating and NEW.B2G_OID <> OLD.B2G_OID))"
                    "     then execute procedure P_PELLORI_CONTACT_TOUCHED(NEW.B2G_OID);"
                    " end",
                    "grant select, insert, update on pellori_identity to procedure P_PELLORI_CONTACT_TOUCHED",
                    "grant delete on pellori_identity to trigger OBJECT_PELLORI_IDENTITY",
                    "grant execute on procedure P_PELLORI_CONTACT_TOUCHED to trigger OBJECT_PELLORI_IDENTITY",
                    "grant execute on procedure P_PELLORI_CONTACT_TOUCHED to trigger PERSON_PELLORI_IDENTITY",
                    "grant execute on procedure P_PELLORI_CONTACT_TOUCHED to trigger ADDRESS_PELLORI_IDENTITY",
                    "grant execute on procedure P_PELLORI_CONTACT_TOUCHED to trigger COMMUNICATION_PELLORI_IDENTITY",
                    "grant execute on procedure P_PELLORI_CONTACT_TOUCHED to trigger INTERNET_PELLORI_IDENTITY",
                    "grant execute on procedure P_PELLORI_CONTACT_TOUCHED to trigger BELONG2GROUP_PELLORI_IDENTITY",
                    // The export gives an identifier to a contact older than the step,
                    // an import keeps a card's own, the trash copies and restores them.
                    "grant all on pellori_identity to public",
                },
        },
        searchStep(),
    };
    return kSteps;
}

} // namespace pellori::upgrades
