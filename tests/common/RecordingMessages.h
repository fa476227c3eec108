#pragma once
// The tests' message service: answers confirmations from a queue, records every
// text shown, and drives modal windows through queued handlers instead of
// blocking on them. Installed for its lifetime.
#include "services/MessageService.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace pellori::test {

class RecordingMessages final : public MessageService {
public:
    RecordingMessages() { MessageService::install(this); }
    ~RecordingMessages() override { MessageService::install(nullptr); }

    QStringList messages;                  // every plain message, in order
    QStringList confirmations;             // every confirmation text, in order
    QList<bool> answers;                   // next confirmation answers; empty queue answers false
    QStringList questions;                 // every Yes/No/Cancel question, in order
    QList<Answer> choices;                 // next answers to them; empty queue answers Cancel
    QList<std::function<int(QDialog*)>> modalHandlers;  // next modal displays; empty queue: shown, then rejected
    QStringList modalTitles;               // window title of every modal display
    QList<QUrl> urls;                      // every address handed to the desktop
    QStringList fileAnswers;               // next file choices; empty queue answers "cancelled"
    QStringList fileCaptions;              // caption of every file choice asked

    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool confirm(QWidget*, const QString& text, ConfirmButtons) override
    {
        confirmations << text;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    Answer askYesNoCancel(QWidget*, const QString& text) override
    {
        questions << text;
        return choices.isEmpty() ? Answer::Cancel : choices.takeFirst();
    }
    int execModal(QDialog* dialog) override
    {
        modalTitles << dialog->windowTitle();
        dialog->show();
        if (modalHandlers.isEmpty()) {
            dialog->close();
            return QDialog::Rejected;
        }
        const int result = modalHandlers.takeFirst()(dialog);
        dialog->hide();
        return result;
    }
    void openUrl(const QUrl& url) override { urls << url; }
    QString chooseOpenFile(QWidget*, const QString& caption, const QString&) override { return nextFile(caption); }
    QString chooseSaveFile(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        return nextFile(caption);
    }

private:
    QString nextFile(const QString& caption)
    {
        fileCaptions << caption;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
};

} // namespace pellori::test
