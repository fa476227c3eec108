#pragma once
// What the contact editors' own error handlers show: their fixed texts for the
// constraints they know, another user's change and a change the user may not
// make, the error's own text otherwise. Never translated.
#include <QString>
#include <exception>

namespace pellori {

// The person editor: a second number or internet entry of one type.
QString personEditorErrorText(const std::exception& error);
// The company editor: a company that persons still work at.
QString companyEditorErrorText(const std::exception& error);

} // namespace pellori
