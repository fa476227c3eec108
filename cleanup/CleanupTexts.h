#pragma once
// The duplicate finder's and the merge's texts: the catalogue's (or the
// built-in) text of a key, "%RETURN%" as a line break, placeholders filled.
#include "cleanup/MatchRules.h"

#include <QList>
#include <QString>
#include <utility>

namespace pellori {
class TLang;
}

namespace pellori::cleanup {

using Values = QList<std::pair<QString, QString>>;
QString cleanupText(const TLang& lang, const char* key, const Values& values = {});

// "same name, same e-mail", strongest reason first.
QString reasonsText(const TLang& lang, Reasons reasons);

} // namespace pellori::cleanup
