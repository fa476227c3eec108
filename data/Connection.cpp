#include "data/Connection.h"

#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/FbStatus.h"
#include "data/Statement.h"

#include <QList>
#include <QPair>

#include <csignal>

using namespace Firebird;

namespace pellori {

IMaster* Connection::master()
{
    static IMaster* m = fb_get_master_interface();
    return m;
}

IUtil* Connection::util() { return master()->getUtilInterface(); }

void throwDbError(IStatus* status)
{
    char buffer[4096];
    const unsigned n = Connection::util()->formatStatus(buffer, sizeof buffer - 1, status);
    buffer[qMin<unsigned>(n, sizeof buffer - 1)] = '\0';
    const intptr_t* errors = status->getErrors();
    const long code = (errors && errors[0] == isc_arg_gds) ? long(errors[1]) : 0;
    // The server's texts are ASCII apart from quoted data, which is in the
    // connection's single-byte character set.
    throw DbError(QString::fromLatin1(buffer).trimmed(), code);
}

namespace {

bool g_programHandlesSignals = false;

// Puts the program's SIGINT and SIGTERM handlers back after the client library
// has installed its own, also when the attach fails.
class SignalHandlersKept {
public:
    SignalHandlersKept()
    {
        if (g_programHandlesSignals)
            for (int i = 0; i < 2; ++i)
                sigaction(kSignals[i], nullptr, &m_saved[i]);
    }
    ~SignalHandlersKept()
    {
        if (g_programHandlesSignals)
            for (int i = 0; i < 2; ++i)
                sigaction(kSignals[i], &m_saved[i], nullptr);
    }

private:
    static constexpr int kSignals[2] = {SIGINT, SIGTERM};
    struct sigaction m_saved[2] = {};
};

// name=value lines, later ones replacing earlier ones of the same name.
QList<QPair<QString, QString>> resolveParams(const QStringList& lines)
{
    QList<QPair<QString, QString>> out;
    for (const QString& line : lines) {
        const int eq = int(line.indexOf('='));
        const QString name = (eq < 0 ? line : line.left(eq)).trimmed().toLower();
        const QString value = eq < 0 ? QString() : line.mid(eq + 1);
        auto it = std::find_if(out.begin(), out.end(), [&](const auto& p) { return p.first == name; });
        if (it != out.end())
            it->second = value;
        else
            out.append({name, value});
    }
    return out;
}

} // namespace

void Connection::leaveSignalsToProgram() { g_programHandlesSignals = true; }

Connection::Connection() = default;

Connection::~Connection()
{
    close();
    // Whatever outlives the connection must not reach back into it.
    for (DbTransaction* t : std::as_const(m_transactions))
        t->connectionDestroyed();
    for (Statement* s : std::as_const(m_statements))
        s->connectionDestroyed();
}

QString Connection::charset() const
{
    QString cs;
    for (const auto& p : resolveParams(params))
        if (p.first == "lc_ctype")
            cs = p.second.trimmed();
    return cs.isEmpty() ? QStringLiteral("ISO8859_1") : cs.toUpper();
}

TextEncoding Connection::encodingOf(const QString& charset)
{
    return charset == "UTF8" || charset == "UNICODE_FSS" ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

void Connection::open()
{
    if (m_attachment)
        return;
    ThrowingStatus st;
    BuilderHolder dpb(util()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0));

    static const QList<QPair<QString, unsigned char>> tags = {
        {"user_name", isc_dpb_user_name}, {"password", isc_dpb_password},
        {"lc_ctype", isc_dpb_lc_ctype},   {"sql_role_name", isc_dpb_sql_role_name},
        {"config", isc_dpb_config},
    };
    // Empty values are sent as they are: a configuration that leaves the user
    // name or password empty logs in with empty values, not with built-in ones.
    for (const auto& p : resolveParams(params)) {
        for (const auto& t : tags)
            if (t.first == p.first)
                dpb->insertString(&st, t.second, p.second.toLatin1().constData());
        if (p.first == QLatin1String("connect_timeout"))
            dpb->insertInt(&st, isc_dpb_connect_timeout, p.second.toInt());
    }
    IProvider* provider = master()->getDispatcher();
    struct ProviderRelease {
        IProvider* p;
        ~ProviderRelease() { p->release(); }
    } release{provider};
    const SignalHandlersKept keep;
    const QByteArray name = m_databaseName.toLocal8Bit();
    m_attachment = provider->attachDatabase(&st, name.constData(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
    m_encoding = encodingOf(charset());
}

void Connection::closeCursorsOf(DbTransaction* t)
{
    for (Statement* s : std::as_const(m_statements))
        if (s->cursorTransaction() == t)
            s->closeCursor();
}

void Connection::close()
{
    if (!m_attachment)
        return;
    // Open cursors first, then the work of every transaction, then the prepared
    // statements: the attachment refuses to go while any of them is alive, and a
    // statement prepared on it would be invalid on the next one.
    for (Statement* s : std::as_const(m_statements))
        s->closeCursor();
    const QList<DbTransaction*> transactions = m_transactions;
    for (DbTransaction* t : transactions)
        t->endQuietly();
    for (Statement* s : std::as_const(m_statements))
        s->unprepare();
    QuietStatus st;
    m_attachment->detach(&st);
    if (st.failed())
        m_attachment->release();
    m_attachment = nullptr;
}

IAttachment* Connection::attachment()
{
    open();
    return m_attachment;
}

} // namespace pellori
