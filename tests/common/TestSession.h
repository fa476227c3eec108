#pragma once
// A stand-in for the main window as the windows see it: a connection to a test
// database, the read-committed main transaction, a catalogue, standard values,
// the FAQ action, and open-editor operations that only record the key.
#include "data/Connection.h"
#include "data/DbTransaction.h"
#include "settings/Language.h"
#include "settings/Settings.h"
#include "widgets/Session.h"

#include <QAction>
#include <QList>
#include <QMap>
#include <QStringList>
#include <memory>

namespace pellori::test {

class TestSession final : public Session {
public:
    explicit TestSession(const QString& databasePath);
    ~TestSession() override;

    Connection& connection() override { return m_connection; }
    DbTransaction& mainTransaction() override { return *m_main; }
    const TLang& lang() const override { return m_lang; }
    StandardValues& standardValues() override { return m_standard; }
    QString configPath() const override { return m_configPath; }
    QAction* faqAction() override { return &m_faq; }
    void openPersonEditor(int key) override { openedPersons << key; }
    void openCompanyEditor(int key) override { openedCompanies << key; }

    // Writes a language file into `dir` in which every key's text is prefix + key,
    // and loads it into the catalogue.
    void loadCatalogue(const QString& dir, const QString& prefix);
    TLang& language() { return m_lang; }

    QString databasePath;
    QList<int> openedPersons, openedCompanies;

private:
    Connection m_connection;
    std::unique_ptr<DbTransaction> m_main;
    TLang m_lang;
    StandardValues m_standard;
    QString m_configPath;
    QAction m_faq;
};

// The first column of every row a select returns, read through an attachment of
// its own in a fresh transaction: what has been committed.
QStringList committedValues(const QString& databasePath, const QString& select);

} // namespace pellori::test
