#pragma once
// Internal to the data layer: a status object for one Firebird call sequence.
// Nothing outside data/ includes Firebird's headers.
#include "data/Connection.h"

#include <firebird/Interface.h>

namespace pellori {

class FbStatus {
public:
    FbStatus() : m_status(Connection::master()->getStatus()), m_wrapper(m_status) {}
    ~FbStatus() { m_status->dispose(); }
    FbStatus(const FbStatus&) = delete;
    FbStatus& operator=(const FbStatus&) = delete;

    Firebird::CheckStatusWrapper* operator&() { return &m_wrapper; }
    bool failed() const { return (m_wrapper.getState() & Firebird::IStatus::STATE_ERRORS) != 0; }
    void check()
    {
        if (failed())
            throwDbError(&m_wrapper);
    }
    void clear() { m_wrapper.init(); }

private:
    Firebird::IStatus* m_status;
    Firebird::CheckStatusWrapper m_wrapper;
};

} // namespace pellori
