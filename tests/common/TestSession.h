#pragma once
// The windows' view of the main window, over a test database: the program's own
// session (connection, main transaction, catalogue, standard values) read from
// the database's folder as the program reads its own, the FAQ action, and
// open-editor operations that only record the key.
#include "app/session/PelloriSession.h"
#include "services/Session.h"

#include <QAction>
#include <QList>
#include <QStringList>

namespace pellori::test {

class TestSession final : public Session {
public:
    // The database file as given; its folder stands for the program's folder.
    explicit TestSession(const QString& databasePath);
    ~TestSession() override;

    Connection& connection() override { return m_session.connection(); }
    DbTransaction& mainTransaction() override { return m_session.mainTransaction(); }
    const TLang& lang() const override { return m_session.lang(); }
    StandardValues& standardValues() override { return m_session.standardValues(); }
    QString configPath() const override { return m_session.configPath(); }
    bool canWrite() override { return m_session.canWrite(); }
    QAction* faqAction() override { return &m_faq; }
    void openPersonEditor(int key) override { openedPersons << key; }
    void openCompanyEditor(int key) override { openedCompanies << key; }

    // Writes a language file into `dir` in which every key's text is prefix + key,
    // and loads it into the catalogue.
    void loadCatalogue(const QString& dir, const QString& prefix);
    TLang& language() { return m_session.lang(); }
    PelloriSession& session() { return m_session; }

    QString databasePath;
    QList<int> openedPersons, openedCompanies;

private:
    PelloriSession m_session;
    QAction m_faq;
};

// The first column of every row a select returns, read through an attachment of
// its own in a fresh transaction: what has been committed. By default with
// the program's built-in login.
QStringList committedValues(const QString& databasePath, const QString& select,
                            const QStringList& login = PelloriSession::builtInLogin());

} // namespace pellori::test
