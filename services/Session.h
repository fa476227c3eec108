#pragma once
// What every window needs of the main window, without knowing it: the
// connection, the main transaction, the catalogue, the standard values, the
// configuration path, whether the user may change the book, the shared FAQ
// action and the two open-editor operations.
#include <QString>

class QAction;

namespace pellori {

class Connection;
class DbTransaction;
class TLang;
struct StandardValues;

class Session {
public:
    virtual ~Session() = default;
    virtual Connection& connection() = 0;
    virtual DbTransaction& mainTransaction() = 0;
    virtual const TLang& lang() const = 0;
    virtual StandardValues& standardValues() = 0;
    virtual QString configPath() const = 0;
    // Whether this user may change the book (a reader of a shared book may not):
    // windows offer what changes the book only when true.
    virtual bool canWrite() = 0;
    virtual QAction* faqAction() = 0;
    virtual void openPersonEditor(int key) = 0;
    virtual void openCompanyEditor(int key) = 0;
};

} // namespace pellori
