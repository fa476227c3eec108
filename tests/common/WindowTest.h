#pragma once
// What a window test stands on: the recording message service, a fresh
// database, the windows' session over it, an owner widget, and every error the
// error handlers were given. The test puts its rows or files in place first,
// then starts the session.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "services/CommandGuard.h"

#include <QObject>
#include <QWidget>
#include <memory>

namespace pellori::test {

// A menu item or control of a window, found by its name.
template <typename T>
T* the(const QObject& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("%s has no %s", qPrintable(window.objectName()), name);
    return found;
}

struct WindowTest {
    explicit WindowTest(TestDb::Content content = TestDb::Schema) : db(content) {}
    void start()
    {
        session = std::make_unique<TestSession>(db.path());
        ErrorHandlers::add(&errorOwner, [this](const std::exception& e) { errors << errorMessage(e); });
    }
    QStringList committed(const QString& select) const { return committedValues(db.path(), select); }

    RecordingMessages messages;
    TestDb db;
    std::unique_ptr<TestSession> session;
    QWidget owner;
    QObject errorOwner;
    QStringList errors;
};

} // namespace pellori::test
