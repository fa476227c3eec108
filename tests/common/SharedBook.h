#pragma once
// A book shared on the loopback server, made as its administrator makes one:
// scripts/make-server-db.sh, then scripts/add-server-user.sh for each user
// with a role. Made once per test program; every test gets a fresh copy in a
// program folder of its own, whose Pellori.ini logs in as one of the users.
#include "LocalServer.h"

#include <QStringList>
#include <QTemporaryDir>
#include <optional>

namespace pellori::test {

class SharedBook {
public:
    // The users, by the name the tests give them: "editor" and "editor2"
    // (role PELLORI_EDITOR), "reader" (PELLORI_READER), "norole" (a user of
    // the server without a role in the book).
    struct Made {
        QString skip;      // no server, or no administrator's login: the tests skip
        QString failure;   // the scripts failed: the tests fail
    };
    // Starts the server when needed and makes the book and its users, once.
    static Made make(LocalServer& server);

    static QString userName(const QString& who);   // as the server keeps it
    static QString roleOf(const QString& who);     // empty for "norole"
    // Attach parameters of a user (with their role), or of the server's administrator.
    static QStringList login(const QString& who);
    static QStringList administrator();

    SharedBook();   // a fresh copy of the book made by make()
    QString path() const { return m_dir.path() + QLatin1Char('/'); }   // the program folder
    QString database() const { return m_db; }
    QString remote() const { return LocalServer::remote(m_db); }
    // Pellori.ini logging in as `who`, with their own role unless another one
    // (or none, when empty) is given.
    void configure(const QString& who, const std::optional<QString>& role = std::nullopt) const;
    // What the administrator sees committed.
    QStringList committed(const QString& select) const;

private:
    QTemporaryDir m_dir;
    QString m_db;
};

} // namespace pellori::test
