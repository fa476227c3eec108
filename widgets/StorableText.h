#pragma once
// Editing controls accept only text the database can store: a character the
// character set does not have is not typed or pasted at all, so no value is
// ever refused later, or changed on its way.
#include "data/FieldValue.h"

#include <QValidator>
#include <functional>

namespace pellori {

class StorableTextValidator : public QValidator {
    Q_OBJECT
public:
    // The encoding is asked for at every check: a control may be bound to another data set later.
    explicit StorableTextValidator(std::function<TextEncoding()> encoding, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

private:
    std::function<TextEncoding()> m_encoding;
};

// True when every character of the text can be stored.
inline bool isStorable(const QString& text, TextEncoding encoding)
{
    return value::firstUnstorable(text, encoding) < 0;
}

} // namespace pellori
