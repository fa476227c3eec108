#pragma once
// What the person and the company editor share around their fields: the fixed
// window centred on the desktop, the record menu with "Save && Close" and
// "Cancel && Close" and the buttons of the same name, the "?" menu, the error
// handler that runs before the main window's while the editor exists, and the
// keys: Esc never closes an editor, Enter presses only a focused button. The
// close box asks before it drops what was changed. For a user who may only
// read the book it opens read-only, without Save; on a book that keeps the
// history of its contacts it says who changed the contact last.
#include "editors/detail/DetailListConfig.h"

#include <QDialog>
#include <QList>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace pellori {

class DataSource;
class DBEdit;
class DBMemo;
class DetailList;
class EditableDataSet;
class Session;

class ContactEditor : public QDialog {
    Q_OBJECT
public:
    struct Frame {
        QString objectName, caption;
        QString recordMenuName, recordMenuTitle, recordMenuKey;
        QString helpMenuTitle, helpItemText;
        QSize clientSize;
        const char* saveButtonName;
        QRect saveButtonPlace;
        const char* cancelButtonName;
        QRect cancelButtonPlace;
        std::function<QString(const std::exception&)> errorText;
    };

    ~ContactEditor() override;

    // One of the four detail lists, by its DetailKind; null before they are added.
    DetailList* detailList(int index) const { return m_lists.value(index); }

    // The close box (and close()): with nothing changed the editor closes; otherwise
    // it asks whether to save, and Yes saves as "Save && Close" does.
    void reject() override;

protected:
    ContactEditor(const Frame& frame, Session& session, QWidget* owner);

    // The area below the menu bar that the editor lays its controls on.
    QWidget* client() const { return m_client; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }
    // The four detail tabs of the variant on tabs; a new row belongs to the contact contactKey gives.
    void addDetailLists(QTabWidget* tabs, Variant variant, const std::function<QVariant()>& contactKey);
    // The record given the key in its select parameter, then the four lists. False,
    // after saying so, when the contact is no longer there (deleted by another user).
    // Read-only when the user may not change the book.
    bool loadContact(EditableDataSet& record, const QString& param, int key);
    // A context menu item that changes the book (adds a salutation, a company ...):
    // not offered to a user who may only read it.
    void addChangingItem(QAction* item) { m_changingItems << item; }
    // Each commits its own transaction; before the record they belong to goes.
    void releaseDetailLists();
    // Writes the record when it was changed (through postRecord); throws to keep the window open.
    void saveRecord();
    virtual void postRecord() = 0;
    // The record's controls: their input not yet written goes into the record first.
    virtual DataSource& recordSource() const = 0;
    // A field of the record in the fields' bold font: one line, or the additional text.
    DBEdit* recordEdit(const char* name, const char* field, const QRect& place);
    DBMemo* recordMemo(const char* name, const char* field, const QRect& place);
    // The frame's captions from the catalogue (the editor replaces its labels itself).
    void replaceFrameCaptions();
    // A caption label's text from the catalogue, the label sized to it.
    void setLabelText(const char* labelName, const QString& text);

    void keyPressEvent(QKeyEvent* event) override;

    Session& m_session;

private:
    void saveAndClose();
    // The record or a detail row holds a change not yet saved.
    bool hasUnsavedChanges();
    void makeReadOnly(EditableDataSet& record);
    void showLastChange(int key);

    Frame m_frame;
    QWidget* m_client = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QMenu* m_recordMenu = nullptr;
    QAction* SaveClose1 = nullptr;
    QAction* m_closeItem = nullptr;
    QList<DetailList*> m_lists;
    QList<QAction*> m_changingItems;
    QLabel* m_lastChange = nullptr;   // "Last changed by ...", below the client area
};

} // namespace pellori
