#include "exchange/ImportSummary.h"

#include <iterator>
#include <numeric>

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
// When cards were contacts of the book already: every card says what became of it.
const MessageKey kMatched{"vcard_matched", "Contacts added: %ADDED%, updated: %UPDATED%, unchanged: %UNCHANGED%, "
                                           "skipped: %SKIPPED%, from %CARDS% cards in \"%FILE%\"."};
const MessageKey kOutcomeAdded{"vcard_outcome_added", "added"};
const MessageKey kOutcomeUpdated{"vcard_outcome_updated", "updated: %ADDED%"};
const MessageKey kOutcomeUnchanged{"vcard_outcome_unchanged", "unchanged"};
const MessageKey kOutcomeSkipped{"vcard_outcome_skipped", "skipped: a contact of the book already"};

QString quotedList(const QStringList& names)
{
    QStringList quoted;
    for (const QString& n : names)
        quoted << u'"' + n + u'"';
    return quoted.join(QLatin1String(", "));
}

QString outcomeText(const CardReport& card, const TextSource& texts)
{
    switch (card.outcome) {
    case CardOutcome::Added: return messageText(kOutcomeAdded, texts);
    case CardOutcome::Unchanged: return messageText(kOutcomeUnchanged, texts);
    case CardOutcome::Skipped: return messageText(kOutcomeSkipped, texts);
    case CardOutcome::Updated: break;
    }
    QStringList added;
    for (const auto& [field, value] : card.added)
        added << (value.isEmpty() ? fieldName(field, texts) : fieldName(field, texts) + QStringLiteral(" \"") + value + u'"');
    return fillPlaceholders(messageText(kOutcomeUpdated, texts), {{QStringLiteral("%ADDED%"), added.join(QLatin1String(", "))}});
}

} // namespace

const QList<MessageKey>& summaryKeys()
{
    static const QList<MessageKey> keys = {kAdded,        kAddedOneCard,   kDefaultSalutation, kAllStored,
                                           kCompanies,    kGroups,         kTitles,            kCard,
                                           kUnnamedCard,  kMatched,        kOutcomeAdded,      kOutcomeUpdated,
                                           kOutcomeUnchanged, kOutcomeSkipped};
    return keys;
}

ImportSummary importSummary(const ImportPlan& plan, const QString& fileName, const TextSource& texts)
{
    ImportSummary s;
    int outcomes[4] = {};
    for (const CardReport& card : plan.cards)
        if (card.imported)
            ++outcomes[int(card.outcome)];
    const bool matched = outcomes[int(CardOutcome::Added)] < std::accumulate(std::begin(outcomes), std::end(outcomes), 0);
    s.headline = fillPlaceholders(messageText(matched ? kMatched : plan.cards.size() == 1 ? kAddedOneCard : kAdded, texts),
                                  {{QStringLiteral("%ADDED%"), QString::number(plan.contacts.size())},
                                   {QStringLiteral("%UPDATED%"), QString::number(outcomes[int(CardOutcome::Updated)])},
                                   {QStringLiteral("%UNCHANGED%"), QString::number(outcomes[int(CardOutcome::Unchanged)])},
                                   {QStringLiteral("%SKIPPED%"), QString::number(outcomes[int(CardOutcome::Skipped)])},
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
        if (card.notes.isEmpty() && !(matched && card.imported))
            continue;
        CardSummary c;
        c.heading = fillPlaceholders(messageText(card.name.isEmpty() ? kUnnamedCard : kCard, texts),
                                     {{QStringLiteral("%LINE%"), QString::number(card.line)},
                                      {QStringLiteral("%NAME%"), card.name}});
        if (matched && card.imported)
            c.notes << outcomeText(card, texts);
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
