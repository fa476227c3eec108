#include "options/KeyChoiceBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace pellori {

KeyChoiceBox::KeyChoiceBox(QWidget* parent) : DBLookupComboBox(parent)
{
    // Whatever the user picks replaces the key that was given.
    connect(this, &QComboBox::activated, this, [this] { m_chosen = true; });
}

QString KeyChoiceBox::key() const
{
    if (!m_chosen)
        return m_given;
    return currentIndex() >= 0 ? currentData().toString() : QString();
}

void KeyChoiceBox::setKey(const QString& key)
{
    m_given = key;
    m_chosen = false;
    setKeyValue(key.isEmpty() ? QVariant() : QVariant(key));
}

void KeyChoiceBox::clearChoice()
{
    m_chosen = true;
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
