#include "widgets/StorableText.h"

#include <QApplication>

namespace pellori {

StorableTextValidator::StorableTextValidator(std::function<TextEncoding()> encoding, QObject* parent)
    : QValidator(parent), m_encoding(std::move(encoding))
{
}

QValidator::State StorableTextValidator::validate(QString& input, int&) const
{
    if (isStorable(input, m_encoding ? m_encoding() : TextEncoding::Latin1))
        return Acceptable;
    QApplication::beep();
    return Invalid;
}

} // namespace pellori
