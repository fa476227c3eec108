#include "data/ContactQueries.h"

#include "data/Postcode.h"

#include <QStringList>

namespace pellori::queries {

QString upperLatin1Letters(QString text)
{
    // The small letters a to z and \u00E0 to \u00FE (less the division sign) lie
    // 0x20 above their capitals; \u00DF and \u00FF have no capital in Latin-1.
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
            c = QChar(char16_t(u - 0x20));
    }
    return text;
}

QString sqlLiteral(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

QList<DeleteStatement> contactDeleteStatements()
{
    return {
        {"sql_delete_address", "delete  from address where address.a_oid = :o_id"},
        {"sql_delete_communication", "delete  from communication where c_oid = :o_id"},
        {"sql_delete_groups", "delete  from belong2group where b2g_oid = :o_id"},
        {"sql_delete_internet", "delete  from internet where i_oid = :o_id"},
        {"sql_delete_person", "delete from person where p_id = :o_id"},
        {"sql_delete_company", "delete from company where c_id = :o_id"},
        {"sql_delete_object", "delete from object where o_id = :o_id"},
    };
}

namespace {
// Every list of contacts is in German order, whichever statement made it.
const QString kOrderByName = QStringLiteral("order by o_name collate de_de");
} // namespace

QString initialContacts()
{
    return QStringLiteral("select * from p_view_company_and_person ") + kOrderByName;
}

QString textSearch(const QString& searchText)
{
    QStringList lines{QStringLiteral("select * from p_view_company_and_person")};
    if (!searchText.isEmpty()) {
        // The database's upper() on a Latin-1 column capitalises the same letters.
        const QString pattern = QLatin1Char('%') + upperLatin1Letters(searchText) + QLatin1Char('%');
        lines << QStringLiteral("where upper(o_name) like ") + sqlLiteral(pattern);
    }
    lines << kOrderByName;
    return lines.join(QLatin1Char('\n'));
}

QString groupSearch(const QString& groupValue)
{
    QStringList lines{QStringLiteral("select * from p_view_company_and_person")};
    if (!groupValue.isEmpty())
        lines << QStringLiteral("where o_id in (select b2g_oid from belong2group where b2g_gid = ") + groupValue
                     + QLatin1Char(')');
    lines << kOrderByName;
    return lines.join(QLatin1Char('\n'));
}

QString groupSearchChoices() { return QStringLiteral("Select * from groupt order by g_name collate de_de"); }

QString addressBookAll()
{
    return QStringLiteral("select * from p_view_company_and_person where (o_alive = '@') order by o_name collate de_de");
}

QString addressBookLetters(const QString& letters)
{
    QString where = QStringLiteral("where ((o_alive = ") + sqlLiteral(QStringLiteral("@")) + QStringLiteral(") and (");
    for (qsizetype i = 0; i < letters.size(); ++i) {
        if (i > 0)
            where += QStringLiteral(" or ");
        where += QStringLiteral("(upper(o_name) like ") + sqlLiteral(letters.at(i) + QStringLiteral("%")) + QLatin1Char(')');
    }
    where += QStringLiteral("))");
    return QStringList{QStringLiteral("select * from p_view_company_and_person"), where,
                       QStringLiteral("order by o_name collate de_de")}
        .join(QLatin1Char('\n'));
}

QString addressBookGroup(int groupId)
{
    // The key enters as a number: nothing but digits can reach the statement.
    return QStringList{QStringLiteral("select * from p_view_company_and_person"),
                       QStringLiteral("where ((o_id in (select b2g_oid from belong2group where (b2g_gid = ")
                           + QString::number(groupId) + QStringLiteral("))) and (o_alive = ")
                           + sqlLiteral(QStringLiteral("@")) + QStringLiteral("))"),
                       QStringLiteral("order by o_name")}
        .join(QLatin1Char('\n'));
}

QString addressBookCommunication()
{
    return QStringLiteral(
        "select communication.c_assistent, communication.c_number, communication.c_oid, communication.c_pref, "
        "communication.c_prefix, communicationtype.ct_name from communication, communicationtype where "
        "((communication.c_ctid = communicationtype.ct_id) and ((communication.c_oid = :c_oid) or "
        "(communication.c_oid = :o_cid))) order by  communication.c_pref desc, communicationtype.ct_sortid");
}

QString addressBookInternet()
{
    return QStringLiteral(
        "select internet.i_name, internet.i_oid, internet.i_pref, internettype.it_name from internet, internettype "
        "where ((internet.i_itid = internettype.it_id) and ((internet.i_oid = :i_oid) or (internet.i_oid = :o_cid))) "
        "order by internet.i_pref desc, internettype.it_sort");
}

QString addressBookAddress(bool writtenPostcode)
{
    return QStringLiteral(
               "select address.a_country, address.a_oid, address.a_postcode, %1, address.a_pref, address.a_street, "
               "address.a_town, addresstype.at_name from address, addresstype where ((address.a_atid = "
               "addresstype.at_id) and ((address.a_oid = :a_oid) or (address.a_oid = :o_cid))) order by "
               "address.a_pref desc, addresstype.at_sortid")
        .arg(postcode::writtenColumnSql(writtenPostcode, QStringLiteral("address")));
}

QString addressBookCompany() { return QStringLiteral("select o_name1, o_name2 from object where (o_id = :o_cid)"); }

QString addressBookEmployees()
{
    // The persons whose employer is :o_cid, named as the contact list names them. Asked
    // of the contact view, the key cannot reach the procedure behind it, which then
    // composes every contact for every contact printed; p_view_person takes the key.
    return QStringLiteral("select o_name from p_view_person(:o_cid) order by o_name collate de_de");
}

QString birthdayMonths() { return QStringLiteral("select distinct o_month from v_birthday order by o_month"); }

QString birthdayPersons()
{
    return QStringLiteral(
        "select * from p_view_birthday where (o_month = :o_month) order by o_month, o_day, o_age desc");
}

namespace {

// The address a contact is written to, as its key: current before other, then
// in the order of the address types, then the oldest.
QString chosenAddress(const char* owner)
{
    return QStringLiteral("(select first 1 x.a_id from address x left join addresstype xt on xt.at_id = x.a_atid "
                          "where x.a_oid = %1 order by x.a_pref desc, xt.at_sortid, x.a_id)")
        .arg(QLatin1String(owner));
}

// Companies count as living; a person only when the flag says so.
const char* const kLiving = "(o.o_type = 'C' or p.p_alive = '@')";

} // namespace

QString livingGroupMembers(int groupId)
{
    return QStringLiteral("select o_id from p_view_company_and_person where o_alive = '@' and o_id in "
                          "(select b2g_oid from belong2group where b2g_gid = %1) order by o_name collate de_de")
        .arg(groupId);
}

QString postalContact(bool writtenPostcode)
{
    return QStringLiteral(
               "select c.o_id, c.o_type, c.o_name1, c.o_name2, s.s_name, t.t_name, a.a_street, a.a_postcode, %4, "
               "a.a_town, a.a_country, e.o_name1 as e_name1, e.o_name2 as e_name2 from (select o.o_id, o.o_type, "
               "o.o_name1, o.o_name2, p.p_sid, p.p_tid, coalesce(%1, %2) as a_id from object o left join person p "
               "on p.p_id = o.o_id where o.o_id = :o_id and %3) c left join salutation s on s.s_id = c.p_sid left "
               "join title t on t.t_id = c.p_tid left join address a on a.a_id = c.a_id left join object e on "
               "e.o_id = a.a_oid and a.a_oid <> c.o_id")
        .arg(chosenAddress("o.o_id"), chosenAddress("p.p_cid"), QLatin1String(kLiving),
             postcode::writtenColumnSql(writtenPostcode, QStringLiteral("a")));
}

QString livingContact()
{
    return QStringLiteral("select o.o_type, o.o_name1, o.o_name2 from object o left join person p on p.p_id = o.o_id "
                          "where o.o_id = :o_id and %1")
        .arg(QLatin1String(kLiving));
}

QString currentNumbers()
{
    return QStringLiteral("select ct.ct_name, c.c_prefix, c.c_number from communication c join communicationtype ct "
                          "on ct.ct_id = c.c_ctid where c.c_oid = :o_id and c.c_pref = '@' and c.c_number <> '' "
                          "order by ct.ct_sortid, ct.ct_name");
}

QString groupChoices() { return QStringLiteral("select g_id, g_name from groupt order by g_name collate de_de"); }

QString livingBirthdays()
{
    return QStringLiteral("select o_id, o_name, o_name1, o_name2, o_birthday from p_view_birthday "
                          "where o_alive = '@' order by o_name");
}

QString livingBirthdaysInMonths()
{
    return QStringLiteral("select o_id, o_name, o_name1, o_name2, o_birthday from p_view_birthday "
                          "where o_alive = '@' and o_month in (:m1, :m2) order by o_name");
}

} // namespace pellori::queries
