#pragma once
// A refusal by the database or by the client library: the server's whole
// message text (which names a violated constraint) and its first error code.
#include "settings/AppError.h"

#include <QRegularExpression>

namespace pellori {

class DbError : public AppError {
public:
    DbError(QString text, long code) : AppError(std::move(text)), m_code(code) {}
    // First Firebird error code of the status vector (isc_login for a refused login, ...).
    long code() const { return m_code; }
    // The client library's code for a refused user name or password (isc_login).
    static constexpr long kLoginRefused = 335544472L;
    bool isLoginRefused() const { return m_code == kLoginRefused; }
    // Another transaction holds the row, or changed it since this one's snapshot
    // (isc_lock_conflict, isc_deadlock, isc_update_conflict): nothing was written.
    bool isConcurrentChange() const
    {
        return m_code == 335544345L || m_code == 335544336L || m_code == kUpdateConflict;
    }
    // A checked update or delete found its row no longer as it was read: it was
    // changed or deleted by another user since. Reported as an update conflict.
    static DbError rowChangedSinceRead()
    {
        return DbError(QStringLiteral("The row was changed or deleted by another user since it was read"),
                       kUpdateConflict);
    }

    // The server's refusal of an access the user was not granted (isc_no_priv):
    // "no permission for UPDATE access to TABLE OBJECT".
    static constexpr long kNoPermission = 335544352L;
    bool isNoPermission() const { return m_code == kNoPermission; }
    // Refused a read (a select, or a procedure that reads) rather than a change.
    bool isReadRefused() const
    {
        static const QRegularExpression access(QStringLiteral("no permission for (SELECT|EXECUTE) access"));
        return isNoPermission() && access.match(message()).hasMatch();
    }

private:
    static constexpr long kUpdateConflict = 335544451L;   // isc_update_conflict
    long m_code;
};

} // namespace pellori
