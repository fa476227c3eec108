#include "services/CommandGuard.h"

#include "data/DataSet.h"
#include "settings/AppError.h"

#include <QAbstractButton>
#include <QAction>
#include <QPointer>
#include <vector>

namespace pellori {
namespace {

struct Entry {
    QObject* owner;
    ErrorHandlers::Handler handler;
};

std::vector<Entry>& registry()
{
    static std::vector<Entry> entries;
    return entries;
}

} // namespace

void ErrorHandlers::add(QObject* owner, Handler handler)
{
    registry().push_back({owner, std::move(handler)});
    QObject::connect(owner, &QObject::destroyed, [owner] { remove(owner); });
}

void ErrorHandlers::remove(QObject* owner)
{
    auto& r = registry();
    std::erase_if(r, [owner](const Entry& e) { return e.owner == owner; });
}

void ErrorHandlers::report(const std::exception& error)
{
    // Copy first: a handler may close a window and so change the registry.
    const std::vector<Entry> entries = registry();
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        it->handler(error);
}

int ErrorHandlers::count() { return int(registry().size()); }

QString errorMessage(const std::exception& error)
{
    if (const auto* app = dynamic_cast<const AppError*>(&error))
        return app->message();
    return QString::fromLocal8Bit(error.what());
}

bool guarded(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const SilentAbort&) {
    } catch (const std::exception& e) {
        ErrorHandlers::report(e);
    }
    return false;
}

QMetaObject::Connection onTriggered(QAction* action, QObject* context, std::function<void()> command)
{
    return onSignal(action, &QAction::triggered, context, std::move(command));
}

QMetaObject::Connection onClicked(QAbstractButton* button, QObject* context, std::function<void()> command)
{
    return onSignal(button, &QAbstractButton::clicked, context, std::move(command));
}

void rereadAfter(const std::function<void()>& window, const std::function<void()>& reread)
{
    struct Reread {
        const std::function<void()>& reread;
        ~Reread() { guarded(reread); }
    } after{reread};
    window();
}

void rereadAfter(DataSet& list, const std::function<void()>& window, const std::function<void()>& then)
{
    rereadAfter(window, [&] {
        list.close();
        list.open();
        if (then)
            then();
    });
}

} // namespace pellori
