// pellori-upgrade DATABASE: applies the missing upgrade steps to a book, for
// the administrator of a book on a server (scripts/upgrade-server-db.sh).
// DATABASE is "host[/port]:path" or a local path. The login comes from
// PELLORI_DB_USER and PELLORI_DB_PASSWORD, else from ISC_USER and ISC_PASSWORD,
// so it stays off the process list.
#include "data/Connection.h"
#include "data/DbTransaction.h"
#include "data/upgrades/Upgrades.h"
#include "settings/AppError.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdlib>

namespace {

QString env(const char* name, const char* fallback)
{
    const QByteArray v = qgetenv(name);
    return QString::fromLocal8Bit(v.isEmpty() ? qgetenv(fallback) : v);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2 || args[1].startsWith('-')) {
        err << "usage: pellori-upgrade DATABASE\n";
        return 2;
    }
    using namespace pellori;
    Connection connection;
    connection.setDatabaseName(args[1]);
    connection.params = {QStringLiteral("user_name=") + env("PELLORI_DB_USER", "ISC_USER"),
                         QStringLiteral("password=") + env("PELLORI_DB_PASSWORD", "ISC_PASSWORD"),
                         QStringLiteral("lc_ctype=ISO8859_1"), QStringLiteral("connect_timeout=15"),
                         QStringLiteral("config=WireCrypt = Enabled")};
    // "host[/port]:path" names a book shared on a server, which also gets the
    // steps for shared books; a local path does not.
    const bool serverBook = args[1].contains(QLatin1Char(':')) && !args[1].startsWith(QLatin1Char('/'));
    try {
        const QStringList done = upgrades::applyMissing(connection, upgrades::steps(), serverBook);
        if (done.isEmpty())
            out << args[1] << ": up to date, nothing to do\n";
        else
            out << args[1] << ": applied " << done.join(QStringLiteral(", ")) << "\n";
        DbTransaction tr(connection, DbTransaction::readCommitted());
        out << "steps in the book: " << upgrades::appliedSteps(tr).join(QStringLiteral(", ")) << "\n";
        return EXIT_SUCCESS;
    } catch (const AppError& e) {
        err << args[1] << ": nothing was changed:\n" << e.message() << "\n";
        return EXIT_FAILURE;
    }
}
