#include "widgets/DBMemo.h"

#include "services/CommandGuard.h"
#include "widgets/FieldLink.h"
#include "widgets/StorableText.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

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

bool DBMemo::refuses(const QString& text) const
{
    if (isStorable(text, m_link->encoding()))
        return false;
    QApplication::beep();
    return true;
}

void DBMemo::keyPressEvent(QKeyEvent* event)
{
    if (!event->text().isEmpty() && refuses(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void DBMemo::inputMethodEvent(QInputMethodEvent* event)
{
    if (refuses(event->commitString())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void DBMemo::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText() && refuses(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

void DBMemo::load()
{
    const QString text = m_link->text();
    if (toPlainText() != text)
        setPlainText(text);
    setReadOnly(!m_link->canWrite());
}

} // namespace pellori
