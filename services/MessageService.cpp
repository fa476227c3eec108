#include "services/MessageService.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace pellori {
namespace {

class DialogService final : public MessageService {
public:
    void showMessage(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, parent);
        box.exec();
    }
    bool confirm(QWidget* parent, const QString& text, ConfirmButtons buttons) override
    {
        const auto yes = buttons == ConfirmButtons::YesNo ? QMessageBox::Yes : QMessageBox::Ok;
        const auto no = buttons == ConfirmButtons::YesNo ? QMessageBox::No : QMessageBox::Cancel;
        QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, yes | no, parent);
        box.setDefaultButton(yes);
        return box.exec() == yes;
    }
    Answer askYesNoCancel(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Cancel;
        }
    }
    int execModal(QDialog* dialog) override { return dialog->exec(); }
    void openUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
    QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    }
    QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& filter,
                           const QString& suggestedName) override
    {
        return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
    }
};

DialogService g_dialogs;
MessageService* g_installed = nullptr;

} // namespace

MessageService& MessageService::instance() { return g_installed ? *g_installed : g_dialogs; }

void MessageService::install(MessageService* service) { g_installed = service; }

} // namespace pellori
