#pragma once
// Every message box, confirmation, modal display and opening of an address goes
// through this one service. The program installs nothing and gets real dialogs;
// tests install a service that answers from a queue and records every text.
#include <QString>

class QWidget;
class QDialog;
class QUrl;

namespace pellori {

enum class ConfirmButtons { OkCancel, YesNo };
enum class Answer { Yes, No, Cancel };

class MessageService {
public:
    virtual ~MessageService() = default;
    // A plain message box with the text and an OK button. "%RETURN%" is not touched here.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // A confirmation (question icon); true for OK or Yes, false for anything else.
    virtual bool confirm(QWidget* parent, const QString& text, ConfirmButtons buttons) = 0;
    // A question with Yes, No and Cancel (question icon); closing the box is Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text) = 0;
    // Shows a window modally and returns its result when it closes.
    virtual int execModal(QDialog* dialog) = 0;
    // Hands an address to the desktop (browser, mail program); the result is not examined.
    virtual void openUrl(const QUrl& url) = 0;
    // Asks for a file to read or to write; an empty text when the user cancels.
    virtual QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter) = 0;
    virtual QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& filter,
                                   const QString& suggestedName) = 0;

    static MessageService& instance();
    // Not owned; nullptr restores the real dialogs.
    static void install(MessageService* service);
};

// Shorthands for the common calls.
inline void showMessage(QWidget* parent, const QString& text) { MessageService::instance().showMessage(parent, text); }
inline bool confirm(QWidget* parent, const QString& text, ConfirmButtons buttons)
{
    return MessageService::instance().confirm(parent, text, buttons);
}
inline Answer askYesNoCancel(QWidget* parent, const QString& text)
{
    return MessageService::instance().askYesNoCancel(parent, text);
}
inline int execModal(QDialog* dialog) { return MessageService::instance().execModal(dialog); }

} // namespace pellori
