#include "editors/QuickAddDialog.h"

#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "data/tables/Tables.h"
#include "editors/EditorCommon.h"
#include "services/CommandGuard.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/AppError.h"
#include "settings/Language.h"
#include "widgets/DBEdit.h"
#include "widgets/DBMemo.h"
#include "widgets/DataSource.h"
#include "widgets/OuterGeometry.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QScreen>

namespace pellori {

QuickAddDialog::QuickAddDialog(const Config& config, Session& session, QWidget* owner)
    : QDialog(owner), m_config(config), m_session(session)
{
    editor::setUpWindow(this, config.className, config.caption);
    setFixedSize(config.clientSize);
    centreOnWorkArea(this);
    const TLang& lang = session.lang();
    if (config.setsOwnCaption)
        applyCatalogueCaption();

    m_transaction = std::make_unique<DbTransaction>(session.connection(), DbTransaction::editing());
    m_dataSet = std::make_unique<EditableDataSet>(*m_transaction);
    EditableDataSet& ds = *m_dataSet;
    ds.setObjectName(config.dataSetName);
    ds.setSelectSql(config.selectSql);
    // The key comes from the object table's generator.
    tables::describe(ds, tables::object(), config.writes);
    ds.addField({.name = QStringLiteral("O_ID"), .kind = FieldKind::Integer, .required = true});
    ds.addField({.name = QStringLiteral("O_NAME1"), .kind = FieldKind::Text, .size = 60, .required = true});
    ds.addField({.name = QStringLiteral("O_NAME2"), .kind = FieldKind::Text, .size = 60});
    ds.addField({.name = QStringLiteral("O_ADDITIONAL"), .kind = FieldKind::Memo});
    ds.addField({.name = QStringLiteral("O_TYPE"), .kind = FieldKind::Text, .size = 1});
    ds.BeforePost = [this](DataSet&) { beforePost(); };
    // Made durable at once, so the new contact exists whatever its editor does.
    ds.AfterPost = [this](DataSet&) { m_transaction->commitRetaining(); };
    m_source = new DataSource(m_dataSet.get(), this);

    editor::picture(this, config.personPicture ? Picture::Person : Picture::Company, config.picturePlace);
    QMap<int, QWidget*> order;
    for (const Field& f : config.fields) {
        auto* label = new QLabel(lang.text(f.labelKey, f.label), this);
        label->setGeometry(f.labelPlace);
        QWidget* control = nullptr;
        if (f.multiLine) {
            auto* memo = new DBMemo(this);
            memo->setDataSource(m_source);
            memo->setDataField(f.field);
            memo->setTabChangesFocus(true);
            control = memo;
        } else {
            auto* edit = new DBEdit(this);
            edit->setDataSource(m_source);
            edit->setDataField(f.field);
            control = edit;
        }
        control->setObjectName(QLatin1String(f.name));
        control->setFont(editor::fieldFont());
        control->setGeometry(f.place);
        order.insert(f.tabOrder, control);
    }
    m_ok = new QPushButton(lang.text(QStringLiteral("btnok"), QStringLiteral("OK")), this);
    m_ok->setObjectName(QLatin1String(config.okName));
    m_ok->setGeometry(config.okPlace);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(lang.text(QStringLiteral("btncancel"), QStringLiteral("Cancel")), this);
    m_cancel->setObjectName(QStringLiteral("btn_cancel"));
    m_cancel->setGeometry(config.cancelPlace);
    // Enter presses the focused button, OK or Cancel; elsewhere it presses OK.
    m_cancel->setAutoDefault(true);
    onClicked(m_ok, this, [this] { confirm(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    order.insert(config.okTabOrder, m_ok);
    order.insert(config.cancelTabOrder, m_cancel);
    QWidget* previous = nullptr;
    for (QWidget* w : std::as_const(order)) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }

    // Ready for input: the transaction started, the set open, a new record begun.
    m_transaction->start();
    ds.open();
    ds.insert();
}

QuickAddDialog::~QuickAddDialog()
{
    // An unsaved record is dropped; the transaction then commits without effect.
    m_source->setDataSet(nullptr);
    m_dataSet.reset();
    m_transaction.reset();
}

void QuickAddDialog::applyCatalogueCaption()
{
    if (m_session.lang().Loaded)
        setWindowTitle(m_session.lang().text(m_config.captionKey));
}

void QuickAddDialog::beforePost()
{
    for (const Check& c : std::as_const(m_config.checks)) {
        const QVariant v = m_dataSet->value(c.field);
        if (v.isNull() || v.toString().isEmpty()) {
            showMessage(this, m_session.lang().text(c.messageKey, c.message));
            throw SilentAbort();
        }
    }
}

void QuickAddDialog::confirm()
{
    m_source->updateRecord();
    EditableDataSet& ds = *m_dataSet;
    // The key stays with the record when a check refuses, for the next attempt.
    if (ds.state() == DataSet::State::Insert)
        ds.post();
    const int key = ds.value(QStringLiteral("O_ID")).toInt();
    m_newKey = key;
    if (m_config.opensPerson)
        m_session.openPersonEditor(key);
    else
        m_session.openCompanyEditor(key);
    accept();
}

} // namespace pellori
