#include "data/DbTransaction.h"

#include "data/DataSet.h"
#include "data/FbStatus.h"

using namespace Firebird;

namespace pellori {

DbTransaction::DbTransaction(Connection& connection, QStringList params)
    : m_connection(connection), m_params(std::move(params))
{
}

DbTransaction::~DbTransaction()
{
    for (DataSet* ds : m_dataSets)
        ds->transactionDestroyed();
    m_dataSets.clear();
    if (!m_handle)
        return;
    FbStatus st;
    m_handle->commit(&st);
    if (st.failed()) {
        // Nothing is reported from a destructor: the work is given up.
        st.clear();
        m_handle->rollback(&st);
        if (st.failed())
            m_handle->release();
    }
    m_handle = nullptr;
}

void DbTransaction::start()
{
    if (m_handle)
        return;
    IAttachment* att = m_connection.attachment();
    FbStatus st;
    if (m_params.isEmpty()) {
        m_handle = att->startTransaction(&st, 0, nullptr);
        st.check();
        return;
    }
    IXpbBuilder* tpb = Connection::util()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
    st.check();
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
    ITransaction* handle = att->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
    tpb->dispose();
    st.check();
    m_handle = handle;
}

ITransaction* DbTransaction::handle()
{
    start();
    return m_handle;
}

void DbTransaction::closeDataSets()
{
    const QList<DataSet*> sets = m_dataSets;
    for (DataSet* ds : sets)
        ds->transactionEnded();
}

void DbTransaction::commit()
{
    if (!m_handle)
        return;
    closeDataSets();
    FbStatus st;
    m_handle->commit(&st);
    st.check();
    m_handle = nullptr;
}

void DbTransaction::rollback()
{
    if (!m_handle)
        return;
    closeDataSets();
    FbStatus st;
    m_handle->rollback(&st);
    st.check();
    m_handle = nullptr;
}

void DbTransaction::commitRetaining()
{
    if (!m_handle)
        return;
    FbStatus st;
    m_handle->commitRetaining(&st);
    st.check();
}

void DbTransaction::attach(DataSet* ds)
{
    if (!m_dataSets.contains(ds))
        m_dataSets.append(ds);
}

void DbTransaction::detach(DataSet* ds) { m_dataSets.removeAll(ds); }

} // namespace pellori
