#include "printing/postal/PostalTexts.h"

#include "printing/postal/LabelSheet.h"
#include "settings/Language.h"

#include <QLocale>

namespace pellori::postal {

namespace {

constexpr int kNamedLeftOut = 12;

QString measure(double mm) { return QLocale::system().toString(mm, 'g', 6); }

} // namespace

QString message(const TLang& lang, const char* key, const QList<std::pair<QString, QString>>& values)
{
    QString text = ReplaceReturn(lang.text(QLatin1String(key)));
    for (const auto& [placeholder, value] : values)
        text.replace(placeholder, value);
    return text;
}

QString sheetCaption(const TLang& lang, const LabelSheet& sheet)
{
    return message(lang, "postal_preset",
                   {{QStringLiteral("%COLUMNS%"), QString::number(sheet.columns)},
                    {QStringLiteral("%ROWS%"), QString::number(sheet.rows)},
                    {QStringLiteral("%WIDTH%"), measure(sheet.labelWidthMm)},
                    {QStringLiteral("%HEIGHT%"), measure(sheet.labelHeightMm)}});
}

QString startPlace(const TLang& lang, const LabelSheet& sheet, int index)
{
    const int columns = qMax(1, sheet.columns);
    return message(lang, "postal_startwhere",
                   {{QStringLiteral("%ROW%"), QString::number(index / columns + 1)},
                    {QStringLiteral("%COLUMN%"), QString::number(index % columns + 1)}});
}

QString lettersCaption(const TLang& lang, const QString& letters)
{
    if (letters.isEmpty())
        return lang.text(QStringLiteral("postal_allletters"));
    QStringList parts;
    for (const QChar c : letters)
        parts << c + QStringLiteral("...");
    return parts.join(QStringLiteral(", "));
}

QString leftOutNote(const TLang& lang, const QStringList& names)
{
    if (names.isEmpty())
        return QString();
    QString named = names.mid(0, kNamedLeftOut).join(QStringLiteral("; "));
    if (names.size() > kNamedLeftOut)
        named += QStringLiteral("; ...");
    return message(lang, "postal_leftout",
                   {{QStringLiteral("%COUNT%"), QString::number(names.size())}, {QStringLiteral("%NAMES%"), named}});
}

} // namespace pellori::postal
