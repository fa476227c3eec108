#include "widgets/DBNavigator.h"

#include "data/DataSet.h"
#include "services/CommandGuard.h"
#include "services/MessageService.h"
#include "widgets/DataGrid.h"
#include "widgets/DataSource.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace pellori {

namespace {
struct ButtonText {
    const char* name;
    const char* glyph;
    const char* hint;
};
const ButtonText kButtons[DBNavigator::ButtonCount] = {
    {"nav_first", "|\u25C0", "First record"},
    {"nav_prior", "\u25C0", "Prior record"},
    {"nav_next", "\u25B6", "Next record"},
    {"nav_last", "\u25B6|", "Last record"},
    {"nav_insert", "+", "Insert record"},
    {"nav_delete", "\u2212", "Delete record"},
    {"nav_edit", "\u25B2", "Edit record"},
    {"nav_post", "\u2714", "Post edit"},
    {"nav_cancel", "\u2716", "Cancel edit"},
    {"nav_refresh", "\u21BB", "Refresh data"},
};
} // namespace

DBNavigator::DBNavigator(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < ButtonCount; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kButtons[i].name));
        b->setText(QString::fromUtf8(kButtons[i].glyph));
        b->setToolTip(QString::fromLatin1(kButtons[i].hint));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setFocusPolicy(Qt::NoFocus);   // a click leaves the focus (and any typing) where it is
        const auto which = Button(i);
        connect(b, &QToolButton::clicked, this, [this, which] { run(which); });
        layout->addWidget(b);
        m_buttons[i] = b;
    }
    updateButtons();
}

void DBNavigator::setDataSource(DataSource* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        for (auto signal : {&DataSource::dataSetChanged, &DataSource::stateChanged})
            connect(source, signal, this, &DBNavigator::updateButtons);
        connect(source, &DataSource::currentChanged, this, &DBNavigator::updateButtons);
        connect(source, &DataSource::rowsInserted, this, &DBNavigator::updateButtons);
        connect(source, &DataSource::rowsRemoved, this, &DBNavigator::updateButtons);
    }
    updateButtons();
}

void DBNavigator::updateButtons()
{
    DataSet* ds = m_source ? m_source->dataSet() : nullptr;
    const bool open = ds && ds->isOpen();
    const bool editing = open && ds->isEditing();
    const bool hasRows = open && ds->rowCount() > 0;
    const bool atFirst = !hasRows || ds->recNo() <= 0;
    const bool atLast = !hasRows || (ds->allFetched() && ds->recNo() >= ds->rowCount() - 1);
    m_buttons[First]->setEnabled(open && !atFirst);
    m_buttons[Prior]->setEnabled(open && !atFirst);
    m_buttons[Next]->setEnabled(open && !atLast);
    m_buttons[Last]->setEnabled(open && !atLast);
    m_buttons[Insert]->setEnabled(open && ds->canInsert());
    m_buttons[Delete]->setEnabled(hasRows && ds->canDelete());
    m_buttons[Edit]->setEnabled(hasRows && !editing && ds->canModify());
    m_buttons[Post]->setEnabled(editing);
    m_buttons[Cancel]->setEnabled(editing);
    m_buttons[Refresh]->setEnabled(hasRows && !editing);
}

void DBNavigator::click(Button b)
{
    if (m_buttons[b]->isEnabled())
        run(b);
}

void DBNavigator::run(Button b)
{
    guarded([this, b] {
        DataSet* ds = m_source ? m_source->dataSet() : nullptr;
        if (!ds || !ds->isOpen())
            return;
        // Text still in a control belongs to the row before it is saved or left;
        // a cancel or a delete drops it instead.
        if (b == Cancel || b == Delete)
            m_source->discardPending();
        else
            m_source->updateRecord();
        switch (b) {
        case First: ds->first(); break;
        case Prior: ds->prior(); break;
        case Next: ds->next(); break;
        case Last: ds->last(); break;
        case Insert:
            ds->insert();
            m_source->focusNewRow();   // what is typed next belongs to the new row
            break;
        case Delete:
            if (!confirm(window(), DataGrid::deleteQuestion(), ConfirmButtons::OkCancel))
                break;
            if (ds->state() == DataSet::State::Insert)
                ds->cancel();   // a row never saved has nothing to delete
            else
                ds->deleteRow();
            break;
        case Edit: ds->edit(); break;
        case Post: ds->post(); break;
        case Cancel: ds->cancel(); break;
        case Refresh: ds->refresh(); break;
        default: break;
        }
    });
    updateButtons();
}

} // namespace pellori
