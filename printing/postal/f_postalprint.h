#pragma once
// The choice before labels, envelopes or a phone list: which contacts, and
// for labels the sheet and the first free label on it, for envelopes the
// format and the sender's line. It opens with what was chosen last time; its
// opener shows it modally and saves the choice.
#include "printing/postal/ContactSource.h"
#include "printing/postal/PostalSettings.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace pellori {

class TLang;

enum class PostalKind { Labels, Envelopes, PhoneList };

class Tf_postalprint : public QDialog {
    Q_OBJECT
public:
    struct Group {
        int id;
        QString name;
    };
    struct Setup {
        PostalKind kind = PostalKind::Labels;
        int shownCount = 0;               // contacts the list shows; none: that choice is off
        QList<Group> groups;
        int preferredGroup = 0;           // chosen at first (the doctors)
        postal::PostalSettings settings;
    };
    Tf_postalprint(QWidget* owner, const TLang& lang, const Setup& setup);

    // The contacts chosen; `shownIds` are those the list shows.
    postal::ContactChoice choice(const QList<int>& shownIds) const;
    // What the title says of the choice: the letters or the group's name; empty for the list's contacts.
    QString choiceCaption() const;
    // The settings as given, with this choice.
    postal::PostalSettings settings() const;
    postal::LabelSheet sheet() const;
    int startLabel() const;               // from 0

    // Only the controls of the chosen kind exist; the others stay null.
    QRadioButton *rb_shown = nullptr, *rb_letters = nullptr, *rb_group = nullptr;
    QComboBox *cb_letters = nullptr, *cb_group = nullptr, *cb_sheet = nullptr, *cb_envelope = nullptr;
    QDoubleSpinBox *sp_width = nullptr, *sp_height = nullptr, *sp_left = nullptr, *sp_top = nullptr,
                   *sp_gapx = nullptr, *sp_gapy = nullptr;
    QSpinBox *sp_columns = nullptr, *sp_rows = nullptr, *sp_start = nullptr;
    QLabel* label_startwhere = nullptr;
    QLineEdit *ed_sender = nullptr, *ed_country = nullptr;
    QPushButton *btn_ok = nullptr, *btn_cancel = nullptr;

    // Refuses a sheet of the user's own whose labels cannot be printed, with a message.
    void accept() override;

private:
    QGroupBox* contactsBox(const Setup& setup);
    QGroupBox* labelsBox(const Setup& setup);
    QGroupBox* envelopeBox(const Setup& setup);
    void showSheet();
    void showStart();

    const TLang& m_lang;
    PostalKind m_kind;
    postal::PostalSettings m_settings;
};

} // namespace pellori
