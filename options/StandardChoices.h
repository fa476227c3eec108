#pragma once
// The standard values as the standard values dialog offers them: the four
// lists they are chosen from, the seven choices with their labels and
// configuration keys, and how a confirmed set of keys is stored.
#include <QList>
#include <QString>
#include <array>

namespace pellori {

struct StandardValues;

// A text of a window: its control, the built-in text and the catalogue key that replaces it.
struct CaptionText {
    QString name;
    QString builtIn;
    QString key;
};

struct StandardChoice {
    QString boxName;
    CaptionText label;      // the label beside the box; empty name: the heading alone names it
    QString iniKey;         // in section StandardValues
};

// One list, read once when the dialog opens, and the choices drawn from it.
struct StandardChoiceList {
    QString queryName;
    QString selectSql;
    QString nameField, keyField;
    CaptionText heading;
    QList<StandardChoice> choices;
};

inline constexpr int kStandardChoiceCount = 7;
// The key of each choice as text, in the order of the choices, which is also
// the order they are written in.
using StandardKeys = std::array<QString, kStandardChoiceCount>;

// Address types, communication types, internet types, groups; each choice once,
// in the order the configuration keys are written.
const QList<StandardChoiceList>& standardChoiceLists();

// The type keys as decimal text, the doctors group as it is.
StandardKeys standardKeys(const StandardValues& values);

// Writes the seven keys into the configuration file at configPath and, once
// every one of them is there, hands them to `values` (the administrator mode
// stays). A file that cannot be written throws AppError and leaves `values` as
// they were.
void storeStandardKeys(const QString& configPath, const StandardKeys& keys, StandardValues& values);

// What OK says when a choice holds no key; `label` names the choice as the dialog shows it.
QString missingChoiceMessage(const QString& label);

} // namespace pellori
