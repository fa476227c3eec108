#include "app/session/PelloriSession.h"

#include "data/BookAccess.h"
#include "data/upgrades/Upgrades.h"
#include "settings/AppError.h"
#include "settings/IniFile.h"
#include "settings/uBase64Codec.h"

#include <QDir>
#include <QFile>

namespace pellori {

PelloriSession::PelloriSession(const QString& programDir)
    : m_programDir(QDir::fromNativeSeparators(programDir)), m_transaction(m_connection, DbTransaction::readCommitted())
{
    if (!m_programDir.endsWith(QLatin1Char('/')))
        m_programDir += QLatin1Char('/');
    m_connection.params = builtInLogin();
}

QStringList PelloriSession::builtInLogin()
{
    return {QStringLiteral("user_name=QVXPELLORI"), QStringLiteral("password=") + QLatin1String(kBuiltInPassword),
            QStringLiteral("lc_ctype=ISO8859_1")};
}

void PelloriSession::loadCatalogue() { m_lang.LoadLanguageFile(m_programDir); }

IniSnapshot PelloriSession::readConfiguration()
{
    m_configPath = m_programDir + QStringLiteral("Pellori.ini");
    return IniSnapshot::load(m_configPath, StartUpIniKeys());
}

std::optional<QString> PelloriSession::versionMessage(const IniSnapshot& ini) const
{
    const QString version = ini.readString(QStringLiteral("Pellori"), QStringLiteral("Version"));
    if (IsRequiredIniVersion(version))
        return std::nullopt;
    return IniVersionMessage(m_lang, version);
}

void PelloriSession::setUpConnection(const IniSnapshot& ini)
{
    const QString db = QStringLiteral("Database");
    // No server: the file beside the program, through the embedded engine.
    // Otherwise the remote provider's "host[/port]:database".
    const QString server = ini.readString(db, QStringLiteral("server")).trimmed();
    m_serverBook = !server.isEmpty();
    m_connection.setDatabaseName(server.isEmpty()
                                     ? m_programDir + QStringLiteral("PELLORI.QVX")
                                     : server + QLatin1Char(':') + ini.readString(db, QStringLiteral("database")).trimmed());
    const QByteArray password = DecodeBase64Text(ini.readString(db, QStringLiteral("dbpassword")).toLatin1());
    // Appended: a later line replaces the built-in one, also with an empty value.
    m_connection.params << QStringLiteral("user_name=") + ini.readString(db, QStringLiteral("dbusername"))
                        << QStringLiteral("password=") + QString::fromLatin1(password)
                        << QStringLiteral("lc_ctype=") + ini.readString(db, QStringLiteral("lc_ctype"));
    // A shared book grants its rights to roles, and a role counts only when
    // named at the attach.
    const QString role = ini.readString(db, QStringLiteral("role")).trimmed();
    if (!role.isEmpty())
        m_connection.params << QStringLiteral("sql_role_name=") + role;
    // A server that does not answer is reported within seconds, not after the
    // client library's three minutes. The wire is encrypted whenever the
    // server can, whatever the client library's own configuration says, and
    // a server that demands it is served.
    if (!server.isEmpty())
        m_connection.params << QStringLiteral("connect_timeout=15") << QStringLiteral("config=WireCrypt = Enabled");
}

std::optional<QString> PelloriSession::exposedConfigurationMessage(const IniSnapshot& ini) const
{
    // The password matters only to a server: the embedded engine checks none.
    if (ini.readString(QStringLiteral("Database"), QStringLiteral("server")).trimmed().isEmpty())
        return std::nullopt;
    constexpr QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                                | QFileDevice::ReadOther | QFileDevice::WriteOther;
    if (!QFile::exists(m_configPath) || !(QFile::permissions(m_configPath) & others))
        return std::nullopt;
    return ReplaceReturn(m_lang.text(QStringLiteral("shared_inireadable")))
        .replace(QStringLiteral("%FILE%"), QDir::toNativeSeparators(m_configPath));
}

bool PelloriSession::canWrite()
{
    if (!m_connection.isConnected())
        return false;
    if (!m_canWrite)
        m_canWrite = mayChangeBook(m_transaction);
    return *m_canWrite;
}

std::optional<QString> PelloriSession::upgradeBook()
{
    try {
        return upgrades::atStart(m_connection, m_serverBook, m_lang);
    } catch (const AppError& e) {
        // Not even readable: the first query of the start-up reports the same refusal.
        Q_UNUSED(e);
        return std::nullopt;
    }
}

void PelloriSession::readStandardValues(const IniSnapshot& ini)
{
    ReadStandardValues(ini, m_standardValues);
    ReadAdministratorMode(ini, m_standardValues);
}

} // namespace pellori
