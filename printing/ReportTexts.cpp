#include "printing/ReportTexts.h"

#include "data/Postcode.h"

#include "settings/Language.h"

#include <QDate>
#include <QStringList>

namespace pellori::reports {

namespace {

const QChar kDagger(0x2020);

QString textOf(const QVariant& v) { return v.isNull() || !v.isValid() ? QString() : v.toString(); }

// Blanks and control characters off both ends, as a printed line needs.
QString trimControl(const QString& s)
{
    qsizetype begin = 0, end = s.size();
    while (begin < end && s.at(begin).unicode() <= ' ')
        ++begin;
    while (end > begin && s.at(end - 1).unicode() <= ' ')
        --end;
    return s.mid(begin, end - begin);
}

bool isYes(const QVariant& flag) { return textOf(flag) == QLatin1String("@"); }

// A menu caption as printed text: the access key's "&" goes, "&&" prints one "&".
QString withoutAccessKey(const QString& caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && ++i == caption.size())
            break;
        text += caption.at(i);
    }
    return text;
}

// The catalogue shares these keys with menu items, whose captions carry access keys.
QString titleWord(const TLang& lang, const char* key, const char* builtIn)
{
    return withoutAccessKey(lang.text(QLatin1String(key), QLatin1String(builtIn)));
}

} // namespace

bool hasText(const QVariant& value) { return !textOf(value).isEmpty(); }

QString typeText(const QVariant& typeName, const QVariant& currentFlag)
{
    const QString name = textOf(typeName);
    if (isYes(currentFlag))
        return name + QStringLiteral(" [*]:");
    return name.isEmpty() ? QString() : name + QLatin1Char(':');
}

QString numberText(const QVariant& prefix, const QVariant& number)
{
    if (prefix.isNull() || !prefix.isValid())
        return QString();
    return prefix.toString() + QStringLiteral(" / ") + textOf(number);
}

QString addressText(const QVariant& country, const QVariant& postcode, const QVariant& town, const QVariant& street,
                    const QVariant& writtenPostcode)
{
    if (postcode.isNull() || !postcode.isValid())
        return QString();
    return trimControl(textOf(country) + QLatin1Char(' ') + postcode::shown(writtenPostcode, postcode, textOf(country))
                       + QLatin1Char(' ') + textOf(town) + QStringLiteral(", ") + textOf(street));
}

QString worksAtText(const QVariant& name1, const QVariant& name2)
{
    QString text = QStringLiteral("works at: ") + textOf(name1);
    if (hasText(name2))
        text += QLatin1Char(' ') + textOf(name2);
    return text;
}

QString birthdayName(const QVariant& name, const QVariant& aliveFlag)
{
    if (textOf(aliveFlag) == QLatin1String("-"))
        return kDagger + QLatin1Char(' ') + textOf(name);
    return textOf(name);
}

QString monthName(const TLang& lang, int month)
{
    static const char* const builtIn[] = {"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    if (month < 1 || month > 12)
        return QStringLiteral("[ ERROR ]");
    return lang.text(QStringLiteral("month%1").arg(month, 2, 10, QLatin1Char('0')), QLatin1String(builtIn[month - 1]));
}

QString addressBookTitle(const TLang& lang) { return titleWord(lang, "addressbook", "AddressBook"); }

QString letterRangeTitle(const TLang& lang, const QString& letters)
{
    QStringList parts;
    for (const QChar c : letters)
        parts << c + QStringLiteral("...");
    return addressBookTitle(lang) + QStringLiteral(" - (") + parts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString doctorsTitle(const TLang& lang)
{
    if (!lang.Loaded)
        return QStringLiteral("AddressBook - Doctors");
    return addressBookTitle(lang) + QStringLiteral(" - ") + titleWord(lang, "doctors", "Doctors");
}

QString birthdayListTitle(const TLang& lang, const QDate& today)
{
    return titleWord(lang, "birthdaylist", "Birthdaylist") + QLatin1Char(' ')
           + QString::number(today.year()).rightJustified(4, QLatin1Char('0'));
}

} // namespace pellori::reports
