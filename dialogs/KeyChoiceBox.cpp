#include "dialogs/KeyChoiceBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace pellori {

KeyChoiceBox::KeyChoiceBox(QWidget* parent) : DBLookupComboBox(parent)
{
    // Whatever the user picks replaces a key that was kept without a row.
    connect(this, &QComboBox::activated, this, [this] { m_unlisted.clear(); });
}

QString KeyChoiceBox::key() const
{
    if (currentIndex() >= 0)
        return currentData().toString();
    return m_unlisted;
}

void KeyChoiceBox::setKey(const QString& key)
{
    setKeyValue(key.isEmpty() ? QVariant() : QVariant(key));
    m_unlisted = currentIndex() >= 0 ? QString() : key;
}

void KeyChoiceBox::clearChoice()
{
    m_unlisted.clear();
    setCurrentIndex(-1);
}

void KeyChoiceBox::keyPressEvent(QKeyEvent* event)
{
    // Escape on an open drop-down only closes it; on a closed one it is the
    // box's own, so it never reaches the window to close it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !view()->isVisible()) {
        clearChoice();
        event->accept();
        return;
    }
    DBLookupComboBox::keyPressEvent(event);
}

} // namespace pellori
