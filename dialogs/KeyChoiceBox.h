#pragma once
// A drop-down of a list's names that holds the key of the chosen row as text.
// A key that no row of the list has is kept, with no name shown, until the
// user chooses a row; Escape on the closed drop-down empties the choice.
#include "widgets/DBLookupComboBox.h"

namespace pellori {

class KeyChoiceBox : public DBLookupComboBox {
    Q_OBJECT
public:
    explicit KeyChoiceBox(QWidget* parent = nullptr);

    // The chosen row's key, the unlisted key that was set, or empty for no choice.
    QString key() const;
    void setKey(const QString& key);
    void clearChoice();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_unlisted;
};

} // namespace pellori
