#pragma once
// What the program holds for its whole run: the one database connection, the
// main transaction (read committed, record version, no wait), the language
// catalogue, the standard values and the configuration file's path, with the
// start-up steps that fill them. The main window owns one; the tests build
// theirs the same way over a database of their own.
#include "data/Connection.h"
#include "data/DbTransaction.h"
#include "settings/Language.h"
#include "settings/Settings.h"

#include <QString>
#include <optional>

namespace pellori {

class IniSnapshot;

class PelloriSession {
public:
    // The program's folder, where the configuration file, the language file
    // and the database lie (a trailing separator is added when missing).
    explicit PelloriSession(const QString& programDir);
    PelloriSession(const PelloriSession&) = delete;
    PelloriSession& operator=(const PelloriSession&) = delete;

    Connection& connection() { return m_connection; }
    const Connection& connection() const { return m_connection; }
    DbTransaction& mainTransaction() { return m_transaction; }
    TLang& lang() { return m_lang; }
    const TLang& lang() const { return m_lang; }
    StandardValues& standardValues() { return m_standardValues; }
    const QString& programDir() const { return m_programDir; }
    // Empty until readConfiguration.
    const QString& configPath() const { return m_configPath; }

    // ---- the start-up steps, in their order ----
    // Loads Pellori.lang from the program's folder.
    void loadCatalogue();
    // Stores the configuration file's path and reads the file, once.
    IniSnapshot readConfiguration();
    // The version test: nothing when it passes, otherwise the message to show
    // (which a loaded catalogue may make empty).
    std::optional<QString> versionMessage(const IniSnapshot& ini) const;
    // Right after the version test: the message to show once when the file
    // names a server and others than its owner may read or write it (it holds
    // the server's password, only encoded); nothing otherwise. The file is
    // never changed here: the message says how to protect it.
    std::optional<QString> exposedConfigurationMessage(const IniSnapshot& ini) const;
    // The database (the file beside the program, or the configured server's
    // database) and the three configured attach parameters after the built-in
    // ones; then the role, when one is configured, and for a server the
    // connect timeout and wire encryption.
    void setUpConnection(const IniSnapshot& ini);
    // Right after the connection is set up (it attaches when not attached yet):
    // the book beside the program gets the upgrade steps it lacks; a book on a
    // server is only checked. The message to show once, if any. Never throws:
    // a book that cannot be upgraded still opens, without what needs the steps.
    std::optional<QString> upgradeBook();
    // Whether the book is reached through a server (set by setUpConnection).
    bool isServerBook() const { return m_serverBook; }

    // The six standard type keys and the doctors group (throws at the first
    // non-integer, keeping what the later keys held), then the administrator mode.
    void readStandardValues(const IniSnapshot& ini);

    // The built-in attach parameters, before the configured ones.
    static QStringList builtInLogin();

    // Whether this user may change the book (a reader of a shared book may
    // not): asked of the server once per run, after the start-up attached. False
    // while no book is attached. Commands that change the book are offered
    // only when true; the server refuses them anyway.
    bool canWrite();

private:
    QString m_programDir;
    QString m_configPath;
    bool m_serverBook = false;
    TLang m_lang;
    StandardValues m_standardValues;
    std::optional<bool> m_canWrite;
    // The transaction goes (committing) before the connection closes.
    Connection m_connection;
    DbTransaction m_transaction;
};

} // namespace pellori
