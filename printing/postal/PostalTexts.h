#pragma once
// The texts of labels, envelopes and the phone list that are built from
// values: the captions of the sheets, where a start label lies, the note on
// the contacts left out, the titles.
#include <QString>
#include <QStringList>

namespace pellori {
class TLang;
}

namespace pellori::postal {

struct LabelSheet;
struct ContactChoice;

// A catalogue text with "%RETURN%" as a line break and each %NAME% placeholder filled.
QString message(const TLang& lang, const char* key, const QList<std::pair<QString, QString>>& values = {});

// "3 x 8 labels of 70 x 37 mm".
QString sheetCaption(const TLang& lang, const LabelSheet& sheet);
// "row 2, column 2: ..." for the label with that index (from 0).
QString startPlace(const TLang& lang, const LabelSheet& sheet, int index);
// "A..., Ä..., B..." for the initials "AÄB"; the whole alphabet for none.
QString lettersCaption(const TLang& lang, const QString& letters);
// The note under the preview: how many contacts were left out, and who; empty for none.
// Past a dozen names the rest are counted, not named.
QString leftOutNote(const TLang& lang, const QStringList& names);

} // namespace pellori::postal
