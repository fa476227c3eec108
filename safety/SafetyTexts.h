#pragma once
// The trash's and the backups' texts: the catalogue's (or built-in) text of a
// key, "%RETURN%" as a line break, placeholders such as "%NAME%" filled.
#include <QList>
#include <QString>
#include <utility>

namespace pellori {

class TLang;

using Values = QList<std::pair<QString, QString>>;
QString safetyText(const TLang& lang, const char* key, const Values& values = {});

} // namespace pellori
