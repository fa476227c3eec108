#include "SharedBook.h"

#include "TestSession.h"
#include "settings/uBase64Codec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUuid>

namespace pellori::test {

namespace {

struct User {
    const char* who;
    const char* role;   // as add-server-user.sh takes it; null: none
};
const User kUsers[] = {{"editor", "editor"}, {"editor2", "editor"}, {"reader", "reader"}, {"norole", nullptr}};

// Fresh for every run of the tests: the users live on in the server.
const QString& runPassword()
{
    static const QString password = QUuid::createUuid().toString(QUuid::Id128).left(20);
    return password;
}

QString& templatePath()
{
    static QString path;
    return path;
}

QString sourceDir()
{
    return QFileInfo(QStringLiteral(PELLORI_SCHEMA_SQL)).absoluteDir().absoluteFilePath(QStringLiteral(".."));
}

// Runs a script of the repository as the administrator would; its output when it failed.
QString runScript(const QString& script, const QStringList& args, const QByteArray& input = {})
{
    const QStringList admin = LocalServer::administratorLogin();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PELLORI_DB_USER"), admin.value(0));
    env.insert(QStringLiteral("PELLORI_DB_PASSWORD"), admin.value(1));
    env.insert(QStringLiteral("ISQL_FB"), QStringLiteral(PELLORI_ISQL));
    env.insert(QStringLiteral("PELLORI_UPGRADE"), QCoreApplication::applicationDirPath() + "/pellori-upgrade");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("bash"), QStringList{sourceDir() + "/scripts/" + script} + args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(240000))
        return script + QStringLiteral(" did not finish");
    const QString output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 ? QString() : script + ": " + output;
}

QString isqlAsAdministrator(const QString& database, const QByteArray& sql)
{
    const QStringList admin = LocalServer::administratorLogin();
    QProcess isql;
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral(PELLORI_ISQL), {QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("-user"),
                                              admin.value(0), QStringLiteral("-password"), admin.value(1), database});
    isql.write(sql);
    isql.closeWriteChannel();
    isql.waitForFinished(60000);
    return isql.exitCode() == 0 ? QString() : QString::fromLocal8Bit(isql.readAll());
}

} // namespace

SharedBook::Made SharedBook::make(LocalServer& server)
{
    if (const QString unavailable = server.start(); !unavailable.isEmpty())
        return {unavailable, {}};
    if (LocalServer::administratorLogin().isEmpty())
        return {QStringLiteral("The server administrator's password is not readable"), {}};
    static QTemporaryDir folder;
    // The server, whichever user it runs as, creates the book in this folder.
    QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777));
    const QString path = folder.filePath(QStringLiteral("shared.fdb"));
    if (!QFile::exists(path)) {
        if (QString failed = runScript(QStringLiteral("make-server-db.sh"), {QStringLiteral("127.0.0.1"), path});
            !failed.isEmpty())
            return {{}, failed};
        for (const User& u : kUsers) {
            const QString failed =
                u.role ? runScript(QStringLiteral("add-server-user.sh"),
                                   {QStringLiteral("127.0.0.1"), path, userName(QLatin1String(u.who)),
                                    QLatin1String(u.role)},
                                   runPassword().toLatin1() + '\n')
                       : isqlAsAdministrator(LocalServer::remote(path),
                                             "create or alter user " + userName(QLatin1String(u.who)).toLatin1()
                                                 + " password '" + runPassword().toLatin1() + "';\ncommit;\n");
            if (!failed.isEmpty())
                return {{}, failed};
        }
    }
    templatePath() = path;
    return {};
}

QString SharedBook::userName(const QString& who)
{
    return QStringLiteral("PELLORI_TEST_") + who.toUpper();
}

QString SharedBook::roleOf(const QString& who)
{
    for (const User& u : kUsers)
        if (who == QLatin1String(u.who) && u.role)
            return qstrcmp(u.role, "editor") == 0 ? QStringLiteral("PELLORI_EDITOR") : QStringLiteral("PELLORI_READER");
    return {};
}

QStringList SharedBook::login(const QString& who)
{
    return {QStringLiteral("user_name=") + userName(who), QStringLiteral("password=") + runPassword(),
            QStringLiteral("lc_ctype=ISO8859_1"), QStringLiteral("sql_role_name=") + roleOf(who)};
}

QStringList SharedBook::administrator()
{
    const QStringList admin = LocalServer::administratorLogin();
    return {QStringLiteral("user_name=") + admin.value(0), QStringLiteral("password=") + admin.value(1),
            QStringLiteral("lc_ctype=ISO8859_1")};
}

SharedBook::SharedBook() : m_db(m_dir.filePath(QStringLiteral("PELLORI.QVX")))
{
    if (templatePath().isEmpty() || !QFile::copy(templatePath(), m_db))
        qFatal("no shared book to copy: call SharedBook::make first");
    LocalServer::share(m_db);
}

void SharedBook::configure(const QString& who, const std::optional<QString>& role) const
{
    QFile ini(path() + QStringLiteral("Pellori.ini"));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(ini.fileName()));
    ini.write("[Pellori]\r\nVersion=1.0\r\n[Database]\r\nserver=127.0.0.1\r\ndatabase=" + m_db.toLocal8Bit()
              + "\r\ndbusername=" + userName(who).toLatin1() + "\r\ndbpassword=" + EncodeBase64Text(runPassword().toLatin1())
              + "\r\nlc_ctype=ISO8859_1\r\nrole=" + role.value_or(roleOf(who)).toLatin1() + "\r\n");
    // As the administrator's script tells each person to keep it: theirs alone.
    ini.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QStringList SharedBook::committed(const QString& select) const
{
    return committedValues(remote(), select, administrator());
}

} // namespace pellori::test
