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
    m_id = 0;
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

qint64 DbTransaction::id()
{
    ITransaction* tr = handle();
    if (m_id != 0)
        return m_id;
    const unsigned char items[] = {isc_info_tra_id, isc_info_end};
    unsigned char buffer[32] = {};
    ThrowingStatus st;
    tr->getInfo(&st, sizeof items, items, sizeof buffer, buffer);
    if (buffer[0] != isc_info_tra_id)
        throw AppError(QStringLiteral("The database did not tell the transaction's number"));
    // Info items: the item, a two-byte length, the value; integers low byte first.
    const auto number = [&buffer](int at, int length) {
        qint64 x = 0;
        for (int i = length - 1; i >= 0; --i)
            x = (x << 8) | buffer[at + i];
        return x;
    };
    const int length = int(number(1, 2));
    if (length < 1 || length > 8)
        throw AppError(QStringLiteral("The database did not tell the transaction's number"));
    m_id = number(3, length);
    return m_id;
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
    m_id = 0;   // the work goes on under a new number
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
