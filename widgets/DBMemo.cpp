#include "widgets/DBMemo.h"

#include "widgets/CommandGuard.h"
#include "widgets/FieldLink.h"

namespace pellori {

DBMemo::DBMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    m_link = new FieldLink(this, [this] { load(); });
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_link->isLoading())
            return;
        guarded([this] { m_link->write(toPlainText()); });
    });
    load();
}

void DBMemo::setDataSource(DataSource* source) { m_link->setDataSource(source); }

void DBMemo::setDataField(const QString& name) { m_link->setField(name); }

void DBMemo::load()
{
    const QString text = m_link->text();
    if (toPlainText() != text)
        setPlainText(text);
    setReadOnly(!m_link->canWrite());
}

} // namespace pellori
