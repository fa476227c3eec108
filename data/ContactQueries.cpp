#include "data/ContactQueries.h"

#include <QStringList>

namespace pellori::queries {

QString upperAsciiLetters(QString text)
{
    for (QChar& c : text)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return text;
}

QString sqlLiteral(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

QString initialContacts()
{
    return QStringLiteral("select * from p_view_company_and_person order by o_name collate de_de");
}

QString textSearch(const QString& searchText)
{
    QStringList lines{QStringLiteral("select * from p_view_company_and_person")};
    if (!searchText.isEmpty()) {
        const QString pattern = QLatin1Char('%') + upperAsciiLetters(searchText) + QLatin1Char('%');
        lines << QStringLiteral("where upper(o_name) like ") + sqlLiteral(pattern);
    }
    lines << QStringLiteral("order by o_name");
    return lines.join(QLatin1Char('\n'));
}

QString groupSearch(const QString& groupValue)
{
    QStringList lines{QStringLiteral("select * from p_view_company_and_person")};
    if (!groupValue.isEmpty())
        lines << QStringLiteral("where o_id in (select b2g_oid from belong2group where b2g_gid = ") + groupValue
                     + QLatin1Char(')');
    lines << QStringLiteral("order by o_name");
    return lines.join(QLatin1Char('\n'));
}

} // namespace pellori::queries
