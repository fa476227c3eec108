#pragma once
// A label that shows an address and opens it when clicked: a web page in the
// browser, or a mail address in the mail program.
#include <QLabel>

namespace pellori {

class TURLLabel : public QLabel {
    Q_OBJECT
public:
    explicit TURLLabel(QWidget* parent = nullptr);

    // Shows the text and takes the address from it: an at sign makes it a mail
    // address; a leading "http://" or "mailto:" (any case) is dropped.
    void setUrl(const QString& url);
    const QString& address() const { return m_address; }
    bool isMail() const { return m_mail; }
    // What a click opens.
    QString target() const;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_address;
    bool m_mail = false;
};

} // namespace pellori
