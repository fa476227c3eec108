#include "safety/SafetyTexts.h"

#include "settings/Language.h"

namespace pellori {

QString safetyText(const TLang& lang, const char* key, const Values& values)
{
    QString text = ReplaceReturn(lang.text(QLatin1String(key)));
    // One pass, so a value that happens to hold a placeholder stays as it is.
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [name, value] : values)
            if (text.mid(i, name.size()) == name) {
                out += value;
                i += name.size();
                replaced = true;
                break;
            }
        if (!replaced)
            out += text.at(i++);
    }
    return out;
}

} // namespace pellori
