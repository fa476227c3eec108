#pragma once
// A drop-down of a list's names that holds the key of the chosen row as text.
// The key it was given is kept exactly as written (a row whose key has that
// value shows its name; none shows no name) until the user chooses a row;
// Escape on the closed drop-down empties the choice.
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
    QString m_given;
    bool m_chosen = false;
};

} // namespace pellori
