#include "exchange/ImportSummary.h"

namespace pellori::exchange {

namespace {

const MessageKey kAdded{"vcard_added", "Contacts added: %ADDED%, from %CARDS% cards in \"%FILE%\"."};
const MessageKey kAddedOneCard{"vcard_added_onecard", "Contacts added: %ADDED%, from 1 card in \"%FILE%\"."};
const MessageKey kDefaultSalutation{"vcard_defaultsalutation",
                                    "Persons given the salutation \"%NAME%\", the first of the book's, as their "
                                    "cards name none: %COUNT%."};
const MessageKey kAllStored{"vcard_allstored", "Every card was stored as it was."};
const MessageKey kCompanies{"vcard_companiescreated", "Companies created, as persons of the file work there: %NAMES%."};
const MessageKey kGroups{"vcard_groupscreated", "Groups created: %NAMES%."};
const MessageKey kTitles{"vcard_titlescreated", "Titles created: %NAMES%."};
const MessageKey kCard{"vcard_card", "Line %LINE%: %NAME%"};
const MessageKey kUnnamedCard{"vcard_cardunnamed", "Line %LINE%"};

QString quotedList(const QStringList& names)
{
    QStringList quoted;
    for (const QString& n : names)
        quoted << u'"' + n + u'"';
    return quoted.join(QLatin1String(", "));
}

} // namespace

const QList<MessageKey>& summaryKeys()
{
    static const QList<MessageKey> keys = {kAdded,  kAddedOneCard, kDefaultSalutation, kAllStored, kCompanies,
                                           kGroups, kTitles,       kCard,              kUnnamedCard};
    return keys;
}

ImportSummary importSummary(const ImportPlan& plan, const QString& fileName, const TextSource& texts,
                            const SummaryHeadline* headline)
{
    ImportSummary s;
    const MessageKey& many = headline ? headline->many : kAdded;
    const MessageKey& one = headline ? headline->one : kAddedOneCard;
    s.headline = fillPlaceholders(messageText(plan.cards.size() == 1 ? one : many, texts),
                                  {{QStringLiteral("%ADDED%"), QString::number(plan.contacts.size())},
                                   {QStringLiteral("%CARDS%"), QString::number(plan.cards.size())},
                                   {QStringLiteral("%FILE%"), fileName}});
    QStringList companies;
    for (const PlannedContact& c : plan.contacts)
        if (c.card < 0)
            companies << listName(c.O_TYPE, c.O_NAME1, c.O_NAME2);
    const std::pair<const MessageKey*, QStringList> created[] = {
        {&kCompanies, companies}, {&kGroups, plan.newGroups}, {&kTitles, plan.newTitles}};
    for (const auto& [key, names] : created)
        if (!names.isEmpty())
            s.overview << fillPlaceholders(messageText(*key, texts), {{QStringLiteral("%NAMES%"), quotedList(names)}});
    if (plan.defaultSalutations > 0)
        s.overview << fillPlaceholders(messageText(kDefaultSalutation, texts),
                                       {{QStringLiteral("%NAME%"), plan.defaultSalutation},
                                        {QStringLiteral("%COUNT%"), QString::number(plan.defaultSalutations)}});

    for (const CardReport& card : plan.cards) {
        if (card.notes.isEmpty())
            continue;
        CardSummary c;
        c.heading = fillPlaceholders(messageText(card.name.isEmpty() ? kUnnamedCard : kCard, texts),
                                     {{QStringLiteral("%LINE%"), QString::number(card.line)},
                                      {QStringLiteral("%NAME%"), card.name}});
        for (const Note& note : card.notes)
            c.notes << noteText(note, texts);
        s.cards << c;
    }
    if (s.cards.isEmpty())
        s.overview << messageText(kAllStored, texts);
    return s;
}

QString ImportSummary::text() const
{
    QStringList lines = overview;
    for (const CardSummary& card : cards) {
        if (!lines.isEmpty())
            lines << QString();
        lines << card.heading;
        for (const QString& note : card.notes)
            lines << QLatin1String("    ") + note;
    }
    return lines.join(u'\n');
}

} // namespace pellori::exchange
