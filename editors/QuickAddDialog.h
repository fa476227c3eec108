#pragma once
// A new contact asks only for its names: confirming inserts the object row with
// a fresh key (taken before the checks and kept for the next attempt), commits
// it at once and opens the full editor on top; the dialog closes after the
// editor has been released. Cancelling inserts nothing. One window class for
// persons and companies, configured by each.
#include "data/tables/Table.h"

#include <QDialog>
#include <QSize>
#include <memory>

class QPushButton;

namespace pellori {

class DataSource;
class DbTransaction;
class EditableDataSet;
class Session;

class QuickAddDialog : public QDialog {
    Q_OBJECT
public:
    struct Field {
        const char* name;          // the control's objectName
        QString field;
        QString labelKey, label;   // catalogue key and built-in caption
        QRect labelPlace, place;
        bool multiLine = false;
        int tabOrder = 0;
    };
    struct Check {
        QString field;
        QString messageKey, message;
    };
    struct Config {
        QString className;
        QString captionKey, caption;
        bool setsOwnCaption = false;   // the company dialog translates its caption itself
        QString dataSetName, transactionName;
        QString selectSql;
        tables::Writes writes;   // of the object row
        QList<Field> fields;
        QList<Check> checks;
        const char* okName;
        QRect okPlace, cancelPlace;
        int okTabOrder = 0, cancelTabOrder = 0;
        QSize clientSize;
        QRect picturePlace;
        bool personPicture = true;
        bool opensPerson = true;
    };

    QuickAddDialog(const Config& config, Session& session, QWidget* owner);
    ~QuickAddDialog() override;

    // The catalogue's caption, as the main window's commands set it.
    void applyCatalogueCaption();
    // The key of the contact this dialog inserted; 0 while there is none.
    int newKey() const { return m_newKey; }

private:
    void confirm();
    void beforePost();

    Config m_config;
    Session& m_session;
    std::unique_ptr<DbTransaction> m_transaction;
    std::unique_ptr<EditableDataSet> m_dataSet;
    DataSource* m_source = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    int m_newKey = 0;
};

} // namespace pellori
