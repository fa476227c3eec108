#pragma once
// The address block of a label or an envelope: which lines, in which order,
// and how a block too tall for its space gives up lines. Text only: the
// widths come from the caller, which measures in the printed font.
#include <QString>
#include <QStringList>
#include <functional>

namespace pellori::postal {

// One contact as its address block needs it.
struct PostalContact {
    int id = 0;
    bool company = false;
    QString name1, name2;             // family and first name, or a company's two names
    QString salutation, title;        // a person's
    QString employer1, employer2;     // the company's names when the address is its employer's
    bool hasAddress = false;
    QString street, postcode, town, country;   // the postcode as printed
};

struct BlockRules {
    QString senderCountry;            // an address in this country gets no country line
    int maxLines = 6;
    // Whether a line fits the width; a company's name that does not goes on two lines.
    std::function<bool(const QString&)> fits = [](const QString&) { return true; };
};

// Top to bottom: the company (a company's own names, or the employer's for a
// person written to at work), the salutation and title, the first and family
// name, the street, postcode and town, and the country in capitals when it is
// not the sender's. Empty parts leave no line; no address gives no block.
// A block taller than maxLines first puts salutation and name on one line,
// then the company on one line, then gives up lines from the top: the town
// and the street are the last to go.
QStringList addressBlock(const PostalContact& contact, const BlockRules& rules);

// Countries are the same when they are written the same, apart from case and blanks.
bool sameCountry(const QString& a, const QString& b);

// The name a list files a contact under: "Family, First" for a person, "Name1 Name2" for a company.
QString listName(bool company, const QString& name1, const QString& name2);

} // namespace pellori::postal
