#include "exchange/csv/CsvMessages.h"

namespace pellori::exchange {

using exchange::MessageKey;
using exchange::TextSource;
using exchange::fillPlaceholders;
using exchange::messageText;

namespace {

struct ErrorText {
    CsvErrorKind kind;
    MessageKey text;
};

const ErrorText kErrors[] = {
    {CsvErrorKind::Empty, {"csv_empty", "The file holds no rows."}},
    {CsvErrorKind::UnbalancedQuote,
     {"csv_unbalancedquote", "Line %LINE%: the quotation mark that opens a field here is never closed."}},
    {CsvErrorKind::RowLength,
     {"csv_rowlength", "Line %LINE%: the row has %FOUND% fields, the first row %EXPECTED%: the file is no table "
                       "with this separator."}},
    {CsvErrorKind::Binary, {"csv_binary", "Line %LINE%: the file holds characters no text file holds: it is no "
                                          "CSV file, or of another encoding."}},
};

const MessageKey kNoPreset{"csv_nopreset", "none: the columns guessed"};
const MessageKey kDayMonth{"csv_dates_dmy", "day.month.year"};
const MessageKey kMonthDay{"csv_dates_mdy", "month/day/year"};
const MessageKey kYearMonth{"csv_dates_ymd", "year-month-day"};
const MessageKey kComma{"csv_separator_comma", "Comma"};
const MessageKey kSemicolon{"csv_separator_semicolon", "Semicolon"};
const MessageKey kTab{"csv_separator_tab", "Tab"};

} // namespace

QString csvErrorText(const CsvError& error, const TextSource& texts)
{
    for (const ErrorText& e : kErrors)
        if (e.kind == error.kind)
            return fillPlaceholders(messageText(e.text, texts),
                                    {{QStringLiteral("%LINE%"), QString::number(error.line)},
                                     {QStringLiteral("%FOUND%"), QString::number(error.found)},
                                     {QStringLiteral("%EXPECTED%"), QString::number(error.expected)}});
    return QString();
}

QString presetCaption(int preset, const TextSource& texts)
{
    return preset >= 0 && preset < presets().size() ? presetName(presets()[preset]) : messageText(kNoPreset, texts);
}

QString dateOrderCaption(DateOrder order, const TextSource& texts)
{
    switch (order) {
    case DateOrder::DayMonthYear: return messageText(kDayMonth, texts);
    case DateOrder::MonthDayYear: return messageText(kMonthDay, texts);
    case DateOrder::YearMonthDay: return messageText(kYearMonth, texts);
    }
    return QString();
}

QString separatorCaption(QChar separator, const TextSource& texts)
{
    if (separator == u';')
        return messageText(kSemicolon, texts);
    if (separator == u'\t')
        return messageText(kTab, texts);
    return messageText(kComma, texts);
}

QList<FieldChoice> choicesFor(const FieldChoice& current)
{
    QList<FieldChoice> list = fieldChoices();
    if (!list.contains(current))
        list.insert(1, current);
    return list;
}

const QList<MessageKey>& csvMessageKeys()
{
    static const QList<MessageKey> keys = [] {
        QList<MessageKey> all;
        for (const ErrorText& e : kErrors)
            all << e.text;
        all << kNoPreset << kDayMonth << kMonthDay << kYearMonth << kComma << kSemicolon << kTab;
        all << fieldKeys();
        return all;
    }();
    return keys;
}

} // namespace pellori::exchange
