#include "lookups/LookupEditor.h"

#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/tables/Table.h"
#include "data/DbTransaction.h"
#include "info/f_notimplemented.h"
#include "services/CommandGuard.h"
#include "services/Session.h"
#include "settings/Language.h"
#include "widgets/DBNavigator.h"
#include "widgets/DataGrid.h"
#include "widgets/DataSource.h"
#include "widgets/OuterGeometry.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace pellori {

LookupEditor::LookupEditor(const Config& config, Session& session, QWidget* owner)
    : QDialog(owner), m_config(config)
{
    setObjectName(config.className);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowCloseButtonHint;
    if (config.minMaxButtons)
        flags |= Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    setWindowTitle(config.caption);

    // Data: the table in a transaction of this window's own, a snapshot that does not wait.
    m_transaction = std::make_unique<DbTransaction>(session.connection(), DbTransaction::editing());
    m_dataset = std::make_unique<EditableDataSet>(*m_transaction);
    m_dataset->setObjectName(QStringLiteral("dataset_") + QLatin1String(config.table->name));
    m_dataset->setSelectSql(config.selectSql);
    // The database assigns the key; reading it back lets a new row be changed or deleted at once.
    tables::describe(*m_dataset, *config.table);

    const TLang& lang = session.lang();
    m_dataset->addField({.name = QLatin1String(config.table->key), .kind = FieldKind::Integer, .visible = false});
    m_dataset->addField({.name = config.name.field,
                         .kind = FieldKind::Text,
                         .size = 50,
                         .required = true,
                         .width = config.name.width,
                         .title = lang.text(config.name.titleKey, config.name.title)});
    if (!config.sort.field.isEmpty())
        m_dataset->addField({.name = config.sort.field,
                             .kind = FieldKind::Integer,
                             .required = true,
                             .width = config.sort.width,
                             .title = lang.text(config.sort.titleKey, config.sort.title)});

    // Window: menus, the grid filling the window, the navigator under it.
    menubar = new QMenuBar(this);
    menubar->setObjectName(QStringLiteral("menubar"));
    m_menu.list = menubar->addMenu(lang.text(config.menuKey, config.menuTitle));
    m_menu.list->setObjectName(QStringLiteral("m_list"));
    m_menu.close = m_menu.list->addAction(lang.text(QStringLiteral("close"), config.closeText));
    m_menu.close->setObjectName(QStringLiteral("m_close"));
    const HelpMenu question =
        addHelpMenu(menubar, session, this, config.questionMenu, lang.text(QStringLiteral("help"), config.helpText),
                    "m_question");
    m_menu.question = question.menu;
    m_menu.help = question.help;
    onTriggered(m_menu.close, this, [this] { m_closeClick(); });

    m_datasource = new DataSource(m_dataset.get(), this);
    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("grid"));
    m_grid->setDataSource(m_datasource);
    m_navigator = new DBNavigator(this);
    m_navigator->setObjectName(QStringLiteral("navigator"));
    m_navigator->setDataSource(m_datasource);
    m_navigator->setFixedHeight(25);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menubar);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_navigator);

    setFixedSize(config.clientSize.width(), config.clientSize.height() + menubar->sizeHint().height());
    centreOnWorkArea(this);

    // Opening starts the transaction and reads the table in the select's order;
    // the grid applies the column widths as the rows arrive.
    m_dataset->open();
    m_grid->applyColumnWidths();
}

LookupEditor::~LookupEditor()
{
    dropUnpostedRow();
    // The controls let go of the data set before it goes; the transaction goes
    // last and commits what was posted.
    m_datasource->setDataSet(nullptr);
    m_dataset.reset();
    m_transaction.reset();
}

void LookupEditor::applyCatalogueCaption(const TLang& lang)
{
    if (lang.Loaded)
        setWindowTitle(lang.text(m_config.captionKey, m_config.caption));
}

void LookupEditor::m_closeClick() { close(); }

void LookupEditor::dropUnpostedRow()
{
    // A row still being typed when the window closes is dropped, cell editor included.
    if (m_grid)
        m_grid->discardChanges();
}

void LookupEditor::done(int result)
{
    dropUnpostedRow();
    QDialog::done(result);
}

void LookupEditor::keyPressEvent(QKeyEvent* event)
{
    // The window has no cancel button: Esc belongs to the grid, it never closes the window.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace pellori
