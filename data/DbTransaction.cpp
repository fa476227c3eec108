#include "data/DbTransaction.h"

#include "data/Connection.h"
#include "data/FbStatus.h"
#include "settings/AppError.h"

using namespace Firebird;

namespace pellori {

DbTransaction::DbTransaction(Connection& connection, QStringList params)
    : m_connection(&connection), m_params(std::move(params))
{
    connection.add(this);
}

DbTransaction::~DbTransaction()
{
    const QList<TransactionUser*> users = m_users;
    m_users.clear();
    for (TransactionUser* u : users)
        u->transactionDestroyed();
    endQuietly();
    if (m_connection)
        m_connection->remove(this);
}

Connection& DbTransaction::connection() const
{
    if (!m_connection)
        throw AppError(QStringLiteral("The database connection has already been closed for good"));
    return *m_connection;
}

void DbTransaction::connectionDestroyed()
{
    // The connection ended the work before it went.
    m_handle = nullptr;
    m_connection = nullptr;
}

void DbTransaction::start()
{
    if (m_handle)
        return;
    IAttachment* att = connection().attachment();
    ThrowingStatus st;
    if (m_params.isEmpty()) {
        m_handle = att->startTransaction(&st, 0, nullptr);
        return;
    }
    BuilderHolder tpb(Connection::util()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0));
    static const QList<QPair<QString, unsigned char>> tags = {
        {"read_committed", isc_tpb_read_committed}, {"rec_version", isc_tpb_rec_version},
        {"no_rec_version", isc_tpb_no_rec_version}, {"nowait", isc_tpb_nowait},
        {"wait", isc_tpb_wait},                     {"concurrency", isc_tpb_concurrency},
        {"consistency", isc_tpb_consistency},       {"read", isc_tpb_read},
        {"write", isc_tpb_write},
    };
    for (const QString& line : m_params) {
        const QString name = line.trimmed().toLower();
        for (const auto& t : tags)
            if (t.first == name)
                tpb->insertTag(&st, t.second);
    }
    m_handle = att->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
}

ITransaction* DbTransaction::handle()
{
    start();
    return m_handle;
}

void DbTransaction::closeUsers()
{
    const QList<TransactionUser*> users = m_users;
    for (TransactionUser* u : users)
        u->transactionEnded();
    if (m_connection)
        m_connection->closeCursorsOf(this);
}

void DbTransaction::commit()
{
    if (!m_handle)
        return;
    closeUsers();
    ThrowingStatus st;
    m_handle->commit(&st);   // on success Firebird has released the interface
    m_handle = nullptr;
}

void DbTransaction::rollback()
{
    if (!m_handle)
        return;
    closeUsers();
    ThrowingStatus st;
    m_handle->rollback(&st);
    m_handle = nullptr;
}

void DbTransaction::commitRetaining()
{
    if (!m_handle)
        return;
    ThrowingStatus st;
    m_handle->commitRetaining(&st);
}

void DbTransaction::endQuietly()
{
    if (!m_handle)
        return;
    closeUsers();
    QuietStatus st;
    m_handle->commit(&st);
    if (st.failed()) {
        // Nothing is reported here: the work is given up.
        QuietStatus st2;
        m_handle->rollback(&st2);
        if (st2.failed())
            m_handle->release();
    }
    m_handle = nullptr;
}

void DbTransaction::add(TransactionUser* user)
{
    if (!m_users.contains(user))
        m_users.append(user);
}

void DbTransaction::remove(TransactionUser* user) { m_users.removeAll(user); }

} // namespace pellori
