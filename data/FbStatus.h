#pragma once
// Internal to the data layer: the status objects of Firebird's interface and
// holders that give its objects back on every path. Nothing outside data/
// includes Firebird's headers.
#include "data/Connection.h"

#include <firebird/Interface.h>

namespace pellori {

// Raises DbError as soon as a call fails, so no value read from Firebird is
// used before its status is checked. One object serves any number of calls.
class ThrowingStatus : public Firebird::BaseStatusWrapper<ThrowingStatus> {
public:
    ThrowingStatus() : BaseStatusWrapper(Connection::master()->getStatus()) {}
    ~ThrowingStatus() { status->dispose(); }
    ThrowingStatus(const ThrowingStatus&) = delete;
    ThrowingStatus& operator=(const ThrowingStatus&) = delete;

    static void checkException(ThrowingStatus* s)
    {
        if (s->dirty && (s->getState() & Firebird::IStatus::STATE_ERRORS))
            throwDbError(s);
    }
};

// For destructors and for closing: failures are looked at, never thrown.
class QuietStatus : public Firebird::BaseStatusWrapper<QuietStatus> {
public:
    QuietStatus() : BaseStatusWrapper(Connection::master()->getStatus()) {}
    ~QuietStatus() { status->dispose(); }
    QuietStatus(const QuietStatus&) = delete;
    QuietStatus& operator=(const QuietStatus&) = delete;

    static void checkException(QuietStatus*) {}
    bool failed() const { return (getState() & Firebird::IStatus::STATE_ERRORS) != 0; }
};

// Parameter-block builders are disposed when the holder goes.
class BuilderHolder {
public:
    explicit BuilderHolder(Firebird::IXpbBuilder* b) : m_b(b) {}
    ~BuilderHolder() { m_b->dispose(); }
    BuilderHolder(const BuilderHolder&) = delete;
    BuilderHolder& operator=(const BuilderHolder&) = delete;
    Firebird::IXpbBuilder* operator->() const { return m_b; }

private:
    Firebird::IXpbBuilder* m_b;
};

// A blob being read or written. close() ends it for good; a holder that goes
// without close() (an error on the way) cancels the blob and frees it.
class BlobHolder {
public:
    explicit BlobHolder(Firebird::IBlob* b) : m_b(b) {}
    ~BlobHolder()
    {
        if (!m_b)
            return;
        QuietStatus st;
        m_b->cancel(&st);
        if (st.failed())
            m_b->release();
    }
    BlobHolder(const BlobHolder&) = delete;
    BlobHolder& operator=(const BlobHolder&) = delete;
    Firebird::IBlob* operator->() const { return m_b; }
    void close(ThrowingStatus& st)
    {
        m_b->close(&st);   // on success Firebird has released the interface
        m_b = nullptr;
    }

private:
    Firebird::IBlob* m_b;
};

} // namespace pellori
