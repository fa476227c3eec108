#include "data/upgrades/UpgradeSteps.h"

// The contact list stored with its display name, so that an index in German
// order answers the list at once, and the words of every detail a search
// looks at. The statements are ISO-8859-1 text (the umlauts of PELLORI_WORDS).
namespace pellori::upgrades {

Step searchStep()
{
    return {
        .name = step::kSearch,
        .feature = "upgrade_feature_search",
        .statements = {
        // One row per contact: the display name as p_view_company_and_person composes
        // it, indexed in German order both ways. Narrow, so that a name search
        // that must read every name reads few pages.
        R"SQL(create table pellori_contact (
 PC_OID  integer not null,
 PC_TYPE char(1) character set ISO8859_1 not null,
 PC_NAME varchar(122) character set ISO8859_1 not null collate DE_DE,
 constraint PK_PELLORI_CONTACT primary key (PC_OID)))SQL",
        R"SQL(create index IDX_PELLORI_CONTACT_NAME on pellori_contact (PC_NAME, PC_OID))SQL",
        R"SQL(create descending index IDX_PELLORI_CONTACT_NAME_DESC on pellori_contact (PC_NAME, PC_OID))SQL",
        // The optional columns of the list: the first town, number and e-mail
        // address (an entry with "@") of the contact, current ones first, then the
        // oldest; the company a person works at.
        R"SQL(create table pellori_column (
 PCC_OID     integer not null,
 PCC_TOWN    varchar(100) character set ISO8859_1 collate DE_DE,
 PCC_PHONE   varchar(33) character set ISO8859_1 collate DE_DE,
 PCC_EMAIL   varchar(100) character set ISO8859_1 collate DE_DE,
 PCC_COMPANY varchar(122) character set ISO8859_1 collate DE_DE,
 constraint PK_PELLORI_COLUMN primary key (PCC_OID)))SQL",
        // Every word of every searchable detail, folded (see PELLORI_WORDS), with the
        // contact, the kind of detail and its row: N name, K nickname, X notes,
        // C the company a person works at, G a group, T a number, I an internet
        // entry, S street, P postcode and town, Y country.
        R"SQL(create table pellori_word (
 PW_WORD varchar(24) character set ISO8859_1 not null,
 PW_OID  integer not null,
 PW_KIND char(1) character set ISO8859_1 not null,
 PW_SRC  integer not null))SQL",
        R"SQL(create index IDX_PELLORI_WORD on pellori_word (PW_WORD))SQL",
        // A contact's words, each found without reading the others.
        R"SQL(create index IDX_PELLORI_WORD_OID on pellori_word (PW_OID, PW_WORD))SQL",
        // One row once the fill has read the whole book.
        R"SQL(create table pellori_search_state (
 PSS_FILLED timestamp default current_timestamp not null))SQL",
        // The words of a text. MODE 0: upper case, accents and umlauts to their
        // base letters (ß to SS, Þ to TH), an E after A, O or U dropped (so ue
        // and ü meet), everything but letters and digits a separator; each
        // word once, cut to 24 characters. MODE 1: a telephone number, one word of
        // its digits, a leading +49 or 0049 read as 0 and any other + as 00.
        // search/SearchText.cpp folds what the user types by the same rules.
        R"SQL(create procedure PELLORI_WORDS (
 T varchar(8000) character set ISO8859_1,
 MODE smallint)
returns (WORD varchar(24) character set ISO8859_1)
as
declare n integer;
declare i integer = 1;
declare c varchar(1) character set ISO8859_1;
declare p integer;
declare m varchar(2) character set ISO8859_1;
declare w varchar(8000) character set ISO8859_1 = '';
declare seen varchar(8100) character set ISO8859_1 = ' ';
declare plus smallint = 0;
begin
 if (t is null) then exit;
 if (mode = 1) then
 begin
  t = trim(t);
  n = char_length(t);
  while (i <= n) do
  begin
   c = substring(t from i for 1);
   if (c >= '0' and c <= '9') then w = w || c;
   else if (c = '+' and w = '') then plus = 1;
   i = i + 1;
  end
  if (w = '') then exit;
  if (plus = 1 and w starting with '49') then w = '0' || substring(w from 3);
  else if (plus = 1) then w = '00' || w;
  else if (w starting with '0049') then w = '0' || substring(w from 5);
  word = left(w, 24);
  suspend;
  exit;
 end
 t = upper(t) || ' ';
 n = char_length(t);
 while (i <= n) do
 begin
  c = substring(t from i for 1);
  if ((c >= 'A' and c <= 'Z') or (c >= '0' and c <= '9')) then m = c;
  else
  begin
   p = position(c in ')SQL" "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF\xFF" R"SQL(');
   if (p = 0) then m = '';
   else m = trim(substring('A A A A A A A C E E E E I I I I D N O O O O O O U U U U Y THSSY ' from 2 * p - 1 for 2));
  end
  if (m = '') then
  begin
   if (w <> '') then
   begin
    w = left(w, 24);
    if (position(' ' || w || ' ' in seen) = 0) then
    begin
     seen = seen || w || ' ';
     word = w;
     suspend;
    end
    w = '';
   end
  end
  else
  begin
   if (m starting with 'E' and right(w, 1) in ('A', 'O', 'U')) then m = substring(m from 2);
   w = w || m;
  end
  i = i + 1;
 end
end)SQL",
        // Replaces the words of one detail row.
        R"SQL(create procedure PELLORI_SET_WORDS (
 OID integer,
 KIND char(1) character set ISO8859_1,
 SRC integer,
 T varchar(8000) character set ISO8859_1,
 T2 varchar(8000) character set ISO8859_1,
 MODE smallint)
as
declare w varchar(24) character set ISO8859_1;
begin
 delete from pellori_word where PW_OID = :oid and PW_KIND = :kind and PW_SRC = :src;
 for select WORD from PELLORI_WORDS(:t, :mode) into :w do
  insert into pellori_word (PW_WORD, PW_OID, PW_KIND, PW_SRC) values (:w, :oid, :kind, :src);
 for select WORD from PELLORI_WORDS(:t2, :mode) into :w do
  if (not exists (select 1 from pellori_word where PW_OID = :oid and PW_WORD = :w and PW_KIND = :kind
                  and PW_SRC = :src)) then
   insert into pellori_word (PW_WORD, PW_OID, PW_KIND, PW_SRC) values (:w, :oid, :kind, :src);
end)SQL",
        // The list row of one contact, composed again; gone with the contact.
        R"SQL(create procedure PELLORI_CONTACT_ROW (OID integer)
as
declare t char(1) character set ISO8859_1;
declare n varchar(122) character set ISO8859_1;
begin
 select O_TYPE, F_CONTACT_NAME(O_TYPE, O_NAME1, O_NAME2) from object where O_ID = :oid into :t, :n;
 if (row_count = 0) then
  delete from pellori_contact where PC_OID = :oid;
 else
  update or insert into pellori_contact (PC_OID, PC_TYPE, PC_NAME) values (:oid, :t, :n) matching (PC_OID);
end)SQL",
        // The optional columns of one contact, composed again.
        R"SQL(create procedure PELLORI_CONTACT_COLUMNS (OID integer)
as
begin
 if (not exists (select 1 from object where O_ID = :oid)) then
  delete from pellori_column where PCC_OID = :oid;
 else
 update or insert into pellori_column (PCC_OID, PCC_TOWN, PCC_PHONE, PCC_EMAIL, PCC_COMPANY)
 values (:oid,
  (select first 1 A_TOWN from address where A_OID = :oid order by A_PREF desc, A_ID),
  (select first 1 iif(trim(C_PREFIX) = '', C_NUMBER, C_PREFIX || ' / ' || C_NUMBER)
     from communication where C_OID = :oid order by C_PREF desc, C_ID),
  (select first 1 I_NAME from internet where I_OID = :oid and I_NAME containing '@' order by I_PREF desc, I_ID),
  (select F_CONTACT_NAME(o.O_TYPE, o.O_NAME1, o.O_NAME2) from person p join object o on o.O_ID = p.P_CID
    where p.P_ID = :oid))
 matching (PCC_OID);
end)SQL",
        // The postcode as every reader shows it: as written (A_POSTCODE_TEXT of
        // the step before) while that still agrees with the number (gives it, or
        // the number is 0), else the number, with its leading zeros back in a
        // German, Austrian or Swiss address (data/Postcode.cpp).
        R"SQL(create function PELLORI_POSTCODE (
 WRITTEN varchar(16) character set ISO8859_1,
 N bigint,
 COUNTRY varchar(30) character set ISO8859_1)
returns varchar(20) character set ISO8859_1
as
declare c varchar(30) character set ISO8859_1;
begin
 if (trim(coalesce(written, '')) <> '' and (n = 0 or (trim(written) similar to '[0-9]+'
     and char_length(trim(written)) < 19 and cast(trim(written) as bigint) = n))) then
  return trim(written);
 if (n is null or n <= 0) then
  return n;
 c = lower(trim(coalesce(country, '')));
 if (c in ('deutschland', 'germany', 'de', 'd', 'brd', 'bundesrepublik deutschland')) then
  return lpad(n, 5, '0');
 if (c in (')SQL" "\xF6" R"SQL(sterreich', 'austria', 'at', 'a', 'schweiz', 'switzerland', 'ch', 'suisse', 'svizzera')) then
  return lpad(n, 4, '0');
 return n;
end)SQL",
        // The detail a word belongs to, as the list shows why a contact was found.
        R"SQL(create function PELLORI_MATCH_TEXT (
 KIND char(1) character set ISO8859_1,
 SRC integer)
returns varchar(255) character set ISO8859_1
as
declare r varchar(255) character set ISO8859_1;
begin
 if (kind = 'T') then
  select coalesce(t.CT_NAME || ' ', '') || iif(trim(c.C_PREFIX) = '', c.C_NUMBER, c.C_PREFIX || ' / ' || c.C_NUMBER)
    from communication c left join communicationtype t on t.CT_ID = c.C_CTID where c.C_ID = :src into :r;
 else if (kind = 'I') then
  select coalesce(t.IT_NAME || ' ', '') || i.I_NAME
    from internet i left join internettype t on t.IT_ID = i.I_ITID where i.I_ID = :src into :r;
 else if (kind = 'S') then
  select A_STREET from address where A_ID = :src into :r;
 else if (kind = 'P') then
  select PELLORI_POSTCODE(A_POSTCODE_TEXT, A_POSTCODE, A_COUNTRY) || ' ' || A_TOWN from address where A_ID = :src into :r;
 else if (kind = 'Y') then
  select A_COUNTRY from address where A_ID = :src into :r;
 else if (kind = 'K') then
  select P_NICKNAME from person where P_ID = :src into :r;
 else if (kind = 'C') then
  select F_CONTACT_NAME(o.O_TYPE, o.O_NAME1, o.O_NAME2) from person p join object o on o.O_ID = p.P_CID
   where p.P_ID = :src into :r;
 else if (kind = 'G') then
  select G_NAME from groupt where G_ID = :src into :r;
 else if (kind = 'X') then
  select replace(replace(cast(substring(O_ADDITIONAL from 1 for 100) as varchar(100) character set ISO8859_1),
                 ascii_char(13), ''), ascii_char(10), ' ')
    from object where O_ID = :src into :r;
 return r;
end)SQL",
        // The triggers keep both tables current, also for changes made by other
        // programs; they run after the schema's own (position 100).
        R"SQL(create trigger PELLORI_OBJECT_SEARCH for object
active after insert or update or delete position 100
as
declare p integer;
declare n varchar(122) character set ISO8859_1;
begin
 if (deleting) then
 begin
  delete from pellori_word where PW_OID = old.O_ID;
  delete from pellori_contact where PC_OID = old.O_ID;
  delete from pellori_column where PCC_OID = old.O_ID;
  exit;
 end
 if (inserting or new.O_NAME1 is distinct from old.O_NAME1 or new.O_NAME2 is distinct from old.O_NAME2
     or new.O_TYPE is distinct from old.O_TYPE) then
 begin
  execute procedure PELLORI_SET_WORDS(new.O_ID, 'N', new.O_ID, new.O_NAME1 || ' ' || coalesce(new.O_NAME2, ''), null, 0);
  execute procedure PELLORI_CONTACT_ROW(new.O_ID);
  if (inserting) then
   execute procedure PELLORI_CONTACT_COLUMNS(new.O_ID);
  if (updating) then
  begin
   n = F_CONTACT_NAME(new.O_TYPE, new.O_NAME1, new.O_NAME2);
   for select P_ID from person where P_CID = new.O_ID into :p do
   begin
    execute procedure PELLORI_SET_WORDS(:p, 'C', :p, :n, null, 0);
    update pellori_column set PCC_COMPANY = :n where PCC_OID = :p;
   end
  end
 end
 if (inserting or new.O_ADDITIONAL is distinct from old.O_ADDITIONAL) then
  execute procedure PELLORI_SET_WORDS(new.O_ID, 'X', new.O_ID,
   cast(substring(new.O_ADDITIONAL from 1 for 2000) as varchar(2000) character set ISO8859_1), null, 0);
end)SQL",
        R"SQL(create trigger PELLORI_PERSON_SEARCH for person
active after insert or update or delete position 100
as
declare n varchar(122) character set ISO8859_1;
begin
 if (deleting) then
 begin
  delete from pellori_word where PW_OID = old.P_ID and PW_KIND in ('K', 'C');
  update pellori_column set PCC_COMPANY = null where PCC_OID = old.P_ID;
  exit;
 end
 if (inserting or new.P_NICKNAME is distinct from old.P_NICKNAME) then
  execute procedure PELLORI_SET_WORDS(new.P_ID, 'K', new.P_ID, new.P_NICKNAME, null, 0);
 if (inserting or new.P_CID is distinct from old.P_CID) then
 begin
  n = (select F_CONTACT_NAME(O_TYPE, O_NAME1, O_NAME2) from object where O_ID = new.P_CID);
  execute procedure PELLORI_SET_WORDS(new.P_ID, 'C', new.P_ID, :n, null, 0);
  update pellori_column set PCC_COMPANY = :n where PCC_OID = new.P_ID;
 end
end)SQL",
        R"SQL(create trigger PELLORI_ADDRESS_SEARCH for address
active after insert or update or delete position 100
as
begin
 if (not inserting) then
 begin
  delete from pellori_word where PW_OID = old.A_OID and PW_SRC = old.A_ID and PW_KIND in ('S', 'P', 'Y');
  if (deleting or new.A_OID <> old.A_OID) then
   execute procedure PELLORI_CONTACT_COLUMNS(old.A_OID);
 end
 if (not deleting) then
 begin
  execute procedure PELLORI_SET_WORDS(new.A_OID, 'S', new.A_ID, new.A_STREET, null, 0);
  execute procedure PELLORI_SET_WORDS(new.A_OID, 'P', new.A_ID,
   PELLORI_POSTCODE(new.A_POSTCODE_TEXT, new.A_POSTCODE, new.A_COUNTRY) || iif(new.A_POSTCODE = 0, '', ' ' ||
   iif(char_length(new.A_POSTCODE) < 5, lpad(new.A_POSTCODE, 5, '0'), '') || ' ' || new.A_POSTCODE) || ' ' || new.A_TOWN,
   null, 0);
  execute procedure PELLORI_SET_WORDS(new.A_OID, 'Y', new.A_ID, new.A_COUNTRY, null, 0);
  execute procedure PELLORI_CONTACT_COLUMNS(new.A_OID);
 end
end)SQL",
        R"SQL(create trigger PELLORI_COMMUNICATION_SEARCH for communication
active after insert or update or delete position 100
as
begin
 if (not inserting) then
 begin
  delete from pellori_word where PW_OID = old.C_OID and PW_KIND = 'T' and PW_SRC = old.C_ID;
  if (deleting or new.C_OID <> old.C_OID) then
   execute procedure PELLORI_CONTACT_COLUMNS(old.C_OID);
 end
 if (not deleting) then
 begin
  execute procedure PELLORI_SET_WORDS(new.C_OID, 'T', new.C_ID, new.C_PREFIX || ' ' || new.C_NUMBER, new.C_NUMBER, 1);
  execute procedure PELLORI_CONTACT_COLUMNS(new.C_OID);
 end
end)SQL",
        R"SQL(create trigger PELLORI_INTERNET_SEARCH for internet
active after insert or update or delete position 100
as
begin
 if (not inserting) then
 begin
  delete from pellori_word where PW_OID = old.I_OID and PW_KIND = 'I' and PW_SRC = old.I_ID;
  if (deleting or new.I_OID <> old.I_OID) then
   execute procedure PELLORI_CONTACT_COLUMNS(old.I_OID);
 end
 if (not deleting) then
 begin
  execute procedure PELLORI_SET_WORDS(new.I_OID, 'I', new.I_ID, new.I_NAME, null, 0);
  execute procedure PELLORI_CONTACT_COLUMNS(new.I_OID);
 end
end)SQL",
        R"SQL(create trigger PELLORI_BELONG2GROUP_SEARCH for belong2group
active after insert or update or delete position 100
as
begin
 if (not inserting) then
  delete from pellori_word where PW_OID = old.B2G_OID and PW_KIND = 'G' and PW_SRC = old.B2G_GID;
 if (not deleting) then
  execute procedure PELLORI_SET_WORDS(new.B2G_OID, 'G', new.B2G_GID,
   (select G_NAME from groupt where G_ID = new.B2G_GID), null, 0);
end)SQL",
        R"SQL(create trigger PELLORI_GROUPT_SEARCH for groupt
active after update position 100
as
declare m integer;
begin
 if (new.G_NAME is distinct from old.G_NAME or new.G_ID <> old.G_ID) then
  for select B2G_OID from belong2group where B2G_GID = new.G_ID into :m do
   execute procedure PELLORI_SET_WORDS(:m, 'G', new.G_ID, new.G_NAME, null, 0);
end)SQL",
        R"SQL(grant all on pellori_contact to public)SQL",
        R"SQL(grant all on pellori_column to public)SQL",
        R"SQL(grant all on pellori_word to public)SQL",
        R"SQL(grant all on pellori_search_state to public)SQL",
        R"SQL(grant execute on procedure PELLORI_WORDS to public)SQL",
        R"SQL(grant execute on procedure PELLORI_SET_WORDS to public)SQL",
        R"SQL(grant execute on procedure PELLORI_CONTACT_ROW to public)SQL",
        R"SQL(grant execute on procedure PELLORI_CONTACT_COLUMNS to public)SQL",
        R"SQL(grant execute on function PELLORI_MATCH_TEXT to public)SQL",
        R"SQL(grant execute on function PELLORI_POSTCODE to public)SQL",
        },
        // Every contact and detail as the triggers would have written them; a
        // row the triggers wrote meanwhile is written again the same.
        .fill = {
        R"SQL(execute block as
declare id integer;
declare k integer;
declare a varchar(8000) character set ISO8859_1;
declare b varchar(8000) character set ISO8859_1;
declare c varchar(8000) character set ISO8859_1;
declare x blob sub_type text character set ISO8859_1;
begin
 for select O_ID, O_NAME1 || ' ' || coalesce(O_NAME2, ''), O_ADDITIONAL from object into :id, :a, :x do
 begin
  execute procedure PELLORI_CONTACT_ROW(:id);
  execute procedure PELLORI_CONTACT_COLUMNS(:id);
  execute procedure PELLORI_SET_WORDS(:id, 'N', :id, :a, null, 0);
  execute procedure PELLORI_SET_WORDS(:id, 'X', :id, cast(substring(:x from 1 for 2000) as varchar(2000) character set ISO8859_1), null, 0);
 end
 for select P_ID, P_NICKNAME, (select F_CONTACT_NAME(O_TYPE, O_NAME1, O_NAME2) from object where O_ID = P_CID) from person into :id, :a, :b do
 begin
  execute procedure PELLORI_SET_WORDS(:id, 'K', :id, :a, null, 0);
  execute procedure PELLORI_SET_WORDS(:id, 'C', :id, :b, null, 0);
 end
 for select A_OID, A_ID, A_STREET, PELLORI_POSTCODE(A_POSTCODE_TEXT, A_POSTCODE, A_COUNTRY) || iif(A_POSTCODE = 0, '', ' ' ||
   iif(char_length(A_POSTCODE) < 5, lpad(A_POSTCODE, 5, '0'), '') || ' ' || A_POSTCODE) || ' ' || A_TOWN, A_COUNTRY
  from address into :id, :k, :a, :b, :c do
 begin
  execute procedure PELLORI_SET_WORDS(:id, 'S', :k, :a, null, 0);
  execute procedure PELLORI_SET_WORDS(:id, 'P', :k, :b, null, 0);
  execute procedure PELLORI_SET_WORDS(:id, 'Y', :k, :c, null, 0);
 end
 for select C_OID, C_ID, C_PREFIX || ' ' || C_NUMBER, C_NUMBER from communication into :id, :k, :a, :b do
  execute procedure PELLORI_SET_WORDS(:id, 'T', :k, :a, :b, 1);
 for select I_OID, I_ID, I_NAME from internet into :id, :k, :a do
  execute procedure PELLORI_SET_WORDS(:id, 'I', :k, :a, null, 0);
 for select B2G_OID, B2G_GID, G_NAME from belong2group join groupt on G_ID = B2G_GID into :id, :k, :a do
  execute procedure PELLORI_SET_WORDS(:id, 'G', :k, :a, null, 0);
 if (not exists (select 1 from pellori_search_state)) then
  insert into pellori_search_state default values;
end)SQL",
        },
        .filled = "select count(*) from pellori_search_state",
    };
}

} // namespace pellori::upgrades
