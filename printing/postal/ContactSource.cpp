#include "printing/postal/ContactSource.h"

#include "data/ContactQueries.h"
#include "printing/DataSetQuery.h"

namespace pellori::postal {

namespace {

// The contact list's keys, as it showed them when the command began.
class KeyList final : public report::ReportQuery {
public:
    explicit KeyList(QList<int> keys) : m_keys(std::move(keys)) {}
    void first() override { m_at = 0; }
    void next() override { m_at = qMin(m_at + 1, int(m_keys.size())); }
    bool atEnd() const override { return m_at >= m_keys.size(); }
    QVariant value(const QString& column) const override
    {
        return atEnd() || column.compare(QLatin1String("O_ID"), Qt::CaseInsensitive) != 0 ? QVariant()
                                                                                          : QVariant(m_keys[m_at]);
    }

private:
    QList<int> m_keys;
    int m_at = 0;
};

QString statementOf(const ContactChoice& choice)
{
    if (choice.scope == ContactScope::Group)
        return queries::livingGroupMembers(choice.groupId);
    return choice.letters.isEmpty() ? queries::addressBookAll() : queries::addressBookLetters(choice.letters);
}

} // namespace

ContactSource::ContactSource(DbTransaction& transaction, const ContactChoice& choice)
{
    if (choice.scope == ContactScope::Shown) {
        m_query = std::make_unique<KeyList>(choice.shownIds);
        return;
    }
    m_statement = reports::reportQuery(transaction, statementOf(choice), {{"O_ID", FieldKind::Integer}});
    m_statement->open();
    m_query = std::make_unique<reports::DataSetQuery>(*m_statement);
}

ContactSource::~ContactSource() = default;

int ContactSource::currentKey() const
{
    const QVariant v = m_query->value(QStringLiteral("O_ID"));
    return v.isNull() || !v.isValid() ? 0 : v.toInt();
}

} // namespace pellori::postal
