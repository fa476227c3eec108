#include "widgets/DBEdit.h"

#include "data/DataSet.h"
#include "services/CommandGuard.h"
#include "widgets/FieldLink.h"
#include "widgets/StorableText.h"

namespace pellori {

namespace {
bool writesAsTyped(const FieldDef* f) { return f && (f->kind == FieldKind::Text || f->kind == FieldKind::Memo); }
} // namespace

DBEdit::DBEdit(QWidget* parent) : QLineEdit(parent)
{
    m_link = new FieldLink(this, [this] { load(); }, [this] { writePending(); });
    setValidator(new StorableTextValidator([this] { return m_link->encoding(); }, this));
    connect(this, &QLineEdit::textEdited, this, &DBEdit::onEdited);
    connect(this, &QLineEdit::editingFinished, this, [this] { guarded([this] { writePending(); }); });
    load();
}

void DBEdit::setDataSource(DataSource* source) { m_link->setDataSource(source); }

void DBEdit::setDataField(const QString& name) { m_link->setField(name); }

void DBEdit::load()
{
    DataSet* ds = m_link->dataSet();
    // Keep a number being typed while other controls change the same row.
    if (m_dirty && ds && ds->isEditing() && m_link->hasRow())
        return;
    m_dirty = false;
    const FieldDef* f = m_link->field();
    setMaxLength(f && f->kind == FieldKind::Text && f->size > 0 ? f->size : 32767);
    setText(m_link->text());
    setReadOnly(!m_link->canWrite());
}

void DBEdit::onEdited(const QString& text)
{
    guarded([&] {
        if (writesAsTyped(m_link->field())) {
            m_link->write(text);
            return;
        }
        m_dirty = true;
        DataSet* ds = m_link->dataSet();
        if (ds && ds->state() == DataSet::State::Browse)
            ds->edit();
    });
}

void DBEdit::writePending()
{
    if (!m_dirty)
        return;
    m_link->write(text());
    m_dirty = false;
}

} // namespace pellori
