#include "data/BackupService.h"

#include "data/FbStatus.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

using namespace Firebird;

namespace pellori::backupservice {

namespace {

QString lastValue(const QStringList& lines, const QString& name)
{
    QString value;
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            value = line.mid(eq + 1);
    }
    return value;
}

// The service detached on every path.
class ServiceHolder {
public:
    explicit ServiceHolder(IService* s) : m_s(s) {}
    ~ServiceHolder()
    {
        QuietStatus st;
        m_s->detach(&st);
        if (st.failed())
            m_s->release();
    }
    ServiceHolder(const ServiceHolder&) = delete;
    ServiceHolder& operator=(const ServiceHolder&) = delete;
    IService* operator->() const { return m_s; }

private:
    IService* m_s;
};

QByteArray localName(const QString& path) { return path.toLocal8Bit(); }

// The server's part of "host:path" (the whole name for a local file).
QString pathOnServer(const QString& databaseName)
{
    return serviceManagerFor(databaseName) == QLatin1String("service_mgr")
               ? databaseName
               : databaseName.mid(databaseName.indexOf(QLatin1Char(':')) + 1);
}

void run(const QString& databaseName, const QStringList& login, unsigned char action,
         const std::function<void(IXpbBuilder*, ThrowingStatus&)>& parameters, const Progress& progress)
{
    ThrowingStatus st;
    IUtil* util = Connection::util();
    BuilderHolder attach(util->getXpbBuilder(&st, IXpbBuilder::SPB_ATTACH, nullptr, 0));
    // The embedded engine checks no password, and whoever may open the file
    // may copy it; but its service manager backs up only for the owner or
    // SYSDBA, which a book made by another user's isql does not name.
    const bool embedded = serviceManagerFor(databaseName) == QLatin1String("service_mgr");
    const QString user = embedded ? QStringLiteral("SYSDBA") : lastValue(login, QStringLiteral("user_name"));
    attach->insertString(&st, isc_spb_user_name, user.toLatin1().constData());
    attach->insertString(&st, isc_spb_password, lastValue(login, QStringLiteral("password")).toLatin1().constData());
    IProvider* provider = Connection::master()->getDispatcher();
    struct ProviderRelease {
        IProvider* p;
        ~ProviderRelease() { p->release(); }
    } release{provider};
    const QByteArray manager = serviceManagerFor(databaseName).toLatin1();
    ServiceHolder service(provider->attachServiceManager(&st, manager.constData(), attach->getBufferLength(&st),
                                                         attach->getBuffer(&st)));
    BuilderHolder start(util->getXpbBuilder(&st, IXpbBuilder::SPB_START, nullptr, 0));
    start->insertTag(&st, action);
    parameters(start.operator->(), st);
    start->insertTag(&st, isc_spb_verbose);
    service->start(&st, start->getBufferLength(&st), start->getBuffer(&st));

    // One line per query until the service has nothing more to say; a failed
    // backup or restore comes back as the query's error.
    const unsigned char items[] = {isc_info_svc_line};
    unsigned char buffer[16384];
    for (;;) {
        service->query(&st, 0, nullptr, sizeof items, items, sizeof buffer, buffer);
        if (buffer[0] != isc_info_svc_line)
            break;
        const int length = buffer[1] | (buffer[2] << 8);
        if (length == 0)
            break;
        if (progress)
            progress(QString::fromLocal8Bit(reinterpret_cast<const char*>(buffer + 3), length));
    }
}

} // namespace

QString serviceManagerFor(const QString& databaseName)
{
    const bool server = !databaseName.startsWith(QLatin1Char('/')) && databaseName.indexOf(QLatin1Char(':')) > 1;
    return server ? databaseName.left(databaseName.indexOf(QLatin1Char(':'))) + QStringLiteral(":service_mgr")
                  : QStringLiteral("service_mgr");
}

void backup(const QString& database, const QString& backupFile, const QStringList& login, const Progress& progress)
{
    run(database, login, isc_action_svc_backup,
        [&](IXpbBuilder* b, ThrowingStatus& st) {
            b->insertString(&st, isc_spb_dbname, localName(pathOnServer(database)).constData());
            b->insertString(&st, isc_spb_bkp_file, localName(backupFile).constData());
        },
        progress);
}

void restore(const QString& backupFile, const QString& database, const QStringList& login, const Progress& progress)
{
    // The embedded engine restores in this process, and on a backup that ends
    // too soon it asks on the standard input for the next volume: started from
    // a terminal, it would wait there. It reads the end of input instead.
    const struct InputFromNowhere {
        int saved = ::dup(0);
        InputFromNowhere()
        {
            const int none = ::open("/dev/null", O_RDONLY);
            if (none >= 0) {
                ::dup2(none, 0);
                ::close(none);
            }
        }
        ~InputFromNowhere()
        {
            if (saved >= 0) {
                ::dup2(saved, 0);
                ::close(saved);
            }
        }
    } input;
    run(database, login, isc_action_svc_restore,
        [&](IXpbBuilder* b, ThrowingStatus& st) {
            b->insertString(&st, isc_spb_bkp_file, localName(backupFile).constData());
            b->insertString(&st, isc_spb_dbname, localName(pathOnServer(database)).constData());
            b->insertInt(&st, isc_spb_options, isc_spb_res_create);
        },
        progress);
}

} // namespace pellori::backupservice
