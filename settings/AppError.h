#pragma once
// The program's own error type: a message meant for the user's eyes.
// Database errors derive from it; anything the command guard catches that is
// not an AppError is shown by its what() text.
#include <QString>
#include <exception>

namespace pellori {

class AppError : public std::exception {
public:
    explicit AppError(QString message) : m_message(std::move(message)), m_what(m_message.toLocal8Bit()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};

// Stops the command in progress without any message (a refused save after the
// check has shown its own text, a declined confirmation). Never reported.
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

} // namespace pellori
