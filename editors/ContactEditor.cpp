#include "editors/ContactEditor.h"

#include "data/ContactHistory.h"
#include "data/DataSet.h"
#include "info/f_notimplemented.h"
#include "editors/EditorCommon.h"
#include "editors/detail/DetailList.h"
#include "services/CommandGuard.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/Language.h"
#include "widgets/DBEdit.h"
#include "widgets/DBMemo.h"
#include "widgets/DataSource.h"
#include "widgets/OuterGeometry.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pellori {

ContactEditor::ContactEditor(const Frame& frame, Session& session, QWidget* owner)
    : QDialog(owner), m_session(session), m_frame(frame)
{
    editor::setUpWindow(this, frame.objectName, frame.caption);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    // Its controls stand at fixed places: a line below it never takes its room.
    m_client->setFixedSize(frame.clientSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_client);
    m_lastChange = new QLabel(this);
    m_lastChange->setObjectName(QStringLiteral("lbl_lastchange"));
    m_lastChange->setContentsMargins(12, 2, 12, 4);
    m_lastChange->hide();
    layout->addWidget(m_lastChange);

    m_save = new QPushButton(QStringLiteral("Save && Close"), m_client);
    m_save->setObjectName(QLatin1String(frame.saveButtonName));
    m_save->setGeometry(frame.saveButtonPlace);
    m_cancel = new QPushButton(QStringLiteral("Cancel && Close"), m_client);
    m_cancel->setObjectName(QLatin1String(frame.cancelButtonName));
    m_cancel->setGeometry(frame.cancelButtonPlace);
    // Neither is a default button: Enter in a field saves nothing by accident.
    m_save->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    onClicked(m_save, this, [this] { saveAndClose(); });
    onClicked(m_cancel, this, [this] { QDialog::reject(); });

    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    layout->setMenuBar(bar);
    m_recordMenu = bar->addMenu(frame.recordMenuTitle);
    m_recordMenu->setObjectName(frame.recordMenuName);
    SaveClose1 = m_recordMenu->addAction(QStringLiteral("&Save && Close"));
    SaveClose1->setObjectName(QStringLiteral("SaveClose1"));
    m_closeItem = m_recordMenu->addAction(QStringLiteral("&Cancel && Close"));
    m_closeItem->setObjectName(QStringLiteral("m_close"));
    onTriggered(SaveClose1, this, [this] { saveAndClose(); });
    onTriggered(m_closeItem, this, [this] { QDialog::reject(); });
    addHelpMenu(bar, session, this, frame.helpMenuTitle, session.lang().text(QStringLiteral("help"), frame.helpItemText),
                "m_info");

    // The client area keeps its size, the menu bar comes on top of it; centred on the desktop.
    setFixedSize(frame.clientSize.width(), frame.clientSize.height() + bar->sizeHint().height());
    centreOnWorkArea(this);

    // While the editor exists its handler runs before the main window's.
    ErrorHandlers::add(this, [this](const std::exception& e) { showMessage(this, m_frame.errorText(e)); });
}

ContactEditor::~ContactEditor() { ErrorHandlers::remove(this); }

void ContactEditor::addDetailLists(QTabWidget* tabs, Variant variant, const std::function<QVariant()>& contactKey)
{
    for (DetailKind kind : detailKinds()) {
        const DetailListConfig& config = detailListConfig(kind, variant);
        auto* list = new DetailList(config, m_session, contactKey, tabs);
        tabs->addTab(list, m_session.lang().text(config.tabKey, config.tabTitle));
        m_lists << list;
    }
}

bool ContactEditor::loadContact(EditableDataSet& record, const QString& param, int key)
{
    if (!m_session.canWrite())
        makeReadOnly(record);
    record.close();
    record.setParam(param, key);
    record.open();
    if (record.isEmpty()) {
        // Opened from a list read before another user deleted it: an empty editor would drop what is typed.
        showMessage(parentWidget(), m_session.lang().text(QStringLiteral("shared_contactgone")));
        return false;
    }
    // Addresses, numbers, groups, internet entries: the order of the entry.
    for (DetailKind kind : {DetailKind::Address, DetailKind::Communication, DetailKind::Group, DetailKind::Internet})
        m_lists[int(kind)]->open(key);
    showLastChange(key);
    return true;
}

void ContactEditor::makeReadOnly(EditableDataSet& record)
{
    // The server would refuse every change: nothing invites one.
    record.setReadOnly(true);
    for (DetailList* list : std::as_const(m_lists))
        list->setReadOnly();
    for (QAction* item : std::as_const(m_changingItems))
        item->setEnabled(false);
    m_save->hide();
    SaveClose1->setVisible(false);
}

void ContactEditor::showLastChange(int key)
{
    const std::optional<ContactChange> change = lastChange(m_session.mainTransaction(), key);
    if (!change)
        return;
    const bool grows = m_lastChange->isHidden();
    m_lastChange->setText(lastChangeText(*change, m_session.lang()));
    m_lastChange->show();
    // The fixed window grows by the line, once.
    if (grows)
        setFixedSize(width(), height() + m_lastChange->sizeHint().height());
}

void ContactEditor::releaseDetailLists()
{
    qDeleteAll(m_lists);
    m_lists.clear();
}

void ContactEditor::saveAndClose()
{
    // A detail row being typed is saved with the record, not dropped at release.
    for (DetailList* list : std::as_const(m_lists))
        list->saveRowBeingEdited();
    saveRecord();
    accept();
}

void ContactEditor::saveRecord()
{
    // What the controls still hold belongs to the record before it is saved.
    recordSource().updateRecord();
    DataSet& record = *recordSource().dataSet();
    if (record.isEditing() && record.isModified())
        postRecord();
    else if (record.isEditing())
        record.cancel();
}

DBEdit* ContactEditor::recordEdit(const char* name, const char* field, const QRect& place)
{
    auto* edit = new DBEdit(m_client);
    edit->setObjectName(QLatin1String(name));
    edit->setFont(editor::fieldFont());
    edit->setGeometry(place);
    edit->setDataSource(&recordSource());
    edit->setDataField(QLatin1String(field));
    return edit;
}

DBMemo* ContactEditor::recordMemo(const char* name, const char* field, const QRect& place)
{
    auto* memo = new DBMemo(m_client);
    memo->setObjectName(QLatin1String(name));
    memo->setFont(editor::fieldFont());
    memo->setGeometry(place);
    memo->setDataSource(&recordSource());
    memo->setDataField(QLatin1String(field));
    // Tab moves on; it is no character of the text.
    memo->setTabChangesFocus(true);
    return memo;
}

bool ContactEditor::hasUnsavedChanges()
{
    try {
        recordSource().updateRecord();
        const DataSet* record = recordSource().dataSet();
        if (record && record->isEditing() && record->isModified())
            return true;
        for (DetailList* list : std::as_const(m_lists))
            if (list->hasRowBeingEdited())
                return true;
        return false;
    } catch (const std::exception&) {
        return true;   // input the record refuses is a change too; saving tells why
    }
}

void ContactEditor::reject()
{
    // Cancel && Close drops the changes through QDialog::reject() itself; this is the close box.
    guarded([this] {
        if (!hasUnsavedChanges()) {
            QDialog::reject();
            return;
        }
        switch (askYesNoCancel(this, m_session.lang().text(QStringLiteral("shared_savechanges")))) {
        case Answer::Yes: saveAndClose(); break;
        case Answer::No: QDialog::reject(); break;
        case Answer::Cancel: break;
        }
    });
}

void ContactEditor::replaceFrameCaptions()
{
    const TLang& l = m_session.lang();
    m_save->setText(l.text(QStringLiteral("btnsaveandclose")));
    SaveClose1->setText(l.text(QStringLiteral("btnsaveandclose"), QStringLiteral("&Save && Close")));
    m_cancel->setText(l.text(QStringLiteral("btncancelandclose")));
    m_closeItem->setText(l.text(QStringLiteral("btncancelandclose"), QStringLiteral("&Cancel && Close")));
    m_recordMenu->setTitle(l.text(m_frame.recordMenuKey, m_frame.recordMenuTitle));
}

void ContactEditor::setLabelText(const char* labelName, const QString& text)
{
    if (auto* label = findChild<QLabel*>(QLatin1String(labelName))) {
        label->setText(text);
        label->adjustSize();
    }
}

void ContactEditor::keyPressEvent(QKeyEvent* event)
{
    // Esc belongs to the grids and boxes; it never closes the editor and drops its input.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // Enter on a focused button presses it; in a field it saves nothing by accident.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace pellori
