#include "printing/postal/f_postalprint.h"

#include "printing/PrintCommands.h"
#include "printing/postal/Envelope.h"
#include "printing/postal/PostalTexts.h"
#include "services/DialogButtons.h"
#include "services/MessageService.h"
#include "settings/Language.h"
#include "widgets/StorableText.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace pellori {

using namespace postal;

namespace {

template <typename Widget>
Widget* named(Widget* w, const char* name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

QDoubleSpinBox* millimetres(QWidget* parent, const char* name, double max)
{
    auto* box = named(new QDoubleSpinBox(parent), name);
    box->setRange(0, max);
    box->setDecimals(2);
    box->setSingleStep(0.5);
    return box;
}

QSpinBox* count(QWidget* parent, const char* name)
{
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(1, 20);
    return box;
}

QLineEdit* latin1Edit(QWidget* parent, const char* name, const QString& text)
{
    auto* edit = named(new QLineEdit(text, parent), name);
    // The ini file keeps ISO-8859-1: what it cannot hold is not typed at all.
    edit->setValidator(new StorableTextValidator([] { return TextEncoding::Latin1; }, edit));
    return edit;
}

} // namespace

Tf_postalprint::Tf_postalprint(QWidget* owner, const TLang& lang, const Setup& setup)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_lang(lang), m_kind(setup.kind), m_settings(setup.settings)
{
    setObjectName(QStringLiteral("f_postalprint"));
    const char* titles[] = {"postal_labels_title", "postal_envelopes_title", "postal_phonelist_title"};
    setWindowTitle(lang.text(QLatin1String(titles[int(m_kind)])));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(contactsBox(setup));
    if (m_kind == PostalKind::Labels)
        layout->addWidget(labelsBox(setup));
    if (m_kind == PostalKind::Envelopes)
        layout->addWidget(envelopeBox(setup));
    if (m_kind != PostalKind::PhoneList) {
        auto* form = new QFormLayout;
        ed_country = latin1Edit(this, "ed_country", setup.settings.country);
        form->addRow(lang.text(QStringLiteral("postal_country")), ed_country);
        layout->addLayout(form);
    }

    const DialogButtons buttons =
        okCancelButtons(this, lang.text(QStringLiteral("btnok")), lang.text(QStringLiteral("btncancel")));
    btn_ok = buttons.ok;
    btn_cancel = buttons.cancel;
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* Tf_postalprint::contactsBox(const Setup& setup)
{
    auto* box = named(new QGroupBox(m_lang.text(QStringLiteral("postal_contacts")), this), "gb_contacts");
    rb_shown = named(new QRadioButton(message(m_lang, "postal_shown",
                                              {{QStringLiteral("%COUNT%"), QString::number(setup.shownCount)}}),
                                      box),
                     "rb_shown");
    rb_shown->setEnabled(setup.shownCount > 0);
    rb_letters = named(new QRadioButton(m_lang.text(QStringLiteral("postal_letters")), box), "rb_letters");
    rb_group = named(new QRadioButton(m_lang.text(QStringLiteral("postal_group")), box), "rb_group");
    rb_group->setEnabled(!setup.groups.isEmpty());

    cb_letters = named(new QComboBox(box), "cb_letters");
    cb_letters->addItem(lettersCaption(m_lang, QString()), QString());
    for (const AddressBook& book : addressBooks())
        if (book.kind == AddressBookKind::Letters) {
            const QString letters = QString::fromLatin1(book.letters);
            cb_letters->addItem(lettersCaption(m_lang, letters), letters);
        }
    cb_group = named(new QComboBox(box), "cb_group");
    for (const Group& g : setup.groups) {
        cb_group->addItem(g.name, g.id);
        if (g.id == setup.preferredGroup)
            cb_group->setCurrentIndex(cb_group->count() - 1);
    }
    // Choosing from a list means choosing that way.
    connect(cb_letters, &QComboBox::activated, rb_letters, [this] { rb_letters->setChecked(true); });
    connect(cb_group, &QComboBox::activated, rb_group, [this] { rb_group->setChecked(true); });
    (setup.shownCount > 0 ? rb_shown : rb_letters)->setChecked(true);

    auto* grid = new QGridLayout(box);
    grid->addWidget(rb_shown, 0, 0, 1, 2);
    grid->addWidget(rb_letters, 1, 0);
    grid->addWidget(cb_letters, 1, 1);
    grid->addWidget(rb_group, 2, 0);
    grid->addWidget(cb_group, 2, 1);
    return box;
}

QGroupBox* Tf_postalprint::labelsBox(const Setup& setup)
{
    auto* box = named(new QGroupBox(m_lang.text(QStringLiteral("postal_sheet")), this), "gb_sheet");
    cb_sheet = named(new QComboBox(box), "cb_sheet");
    for (const LabelSheet& s : labelPresets())
        cb_sheet->addItem(sheetCaption(m_lang, s), s.id);
    cb_sheet->addItem(m_lang.text(QStringLiteral("postal_custom")), QLatin1String(kCustomSheet));
    cb_sheet->setCurrentIndex(qMax(0, cb_sheet->findData(setup.settings.sheet)));

    sp_width = millimetres(box, "sp_width", 210);
    sp_height = millimetres(box, "sp_height", 297);
    sp_left = millimetres(box, "sp_left", 210);
    sp_top = millimetres(box, "sp_top", 297);
    sp_gapx = millimetres(box, "sp_gapx", 210);
    sp_gapy = millimetres(box, "sp_gapy", 297);
    sp_columns = count(box, "sp_columns");
    sp_rows = count(box, "sp_rows");
    sp_start = named(new QSpinBox(box), "sp_start");
    label_startwhere = named(new QLabel(box), "label_startwhere");

    auto* measures = new QGridLayout;
    const QList<std::pair<const char*, QWidget*>> cells = {
        {"postal_labelwidth", sp_width}, {"postal_labelheight", sp_height}, {"postal_columns", sp_columns},
        {"postal_rows", sp_rows},        {"postal_left", sp_left},          {"postal_top", sp_top},
        {"postal_gapx", sp_gapx},        {"postal_gapy", sp_gapy},
    };
    for (int i = 0; i < cells.size(); ++i) {
        measures->addWidget(new QLabel(m_lang.text(QLatin1String(cells[i].first)), box), i / 2, (i % 2) * 2);
        measures->addWidget(cells[i].second, i / 2, (i % 2) * 2 + 1);
    }
    auto* start = new QHBoxLayout;
    auto* startLabel = new QLabel(m_lang.text(QStringLiteral("postal_start")), box);
    startLabel->setBuddy(sp_start);
    start->addWidget(startLabel);
    start->addWidget(sp_start);
    start->addWidget(label_startwhere, 1);

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(cb_sheet);
    layout->addLayout(measures);
    layout->addLayout(start);

    connect(cb_sheet, &QComboBox::currentIndexChanged, this, [this] { showSheet(); });
    // The measures of one's own sheet outlive a look at a preset, and are kept when a preset is printed.
    const auto keepCustom = [this] {
        if (cb_sheet->currentData().toString() == QLatin1String(kCustomSheet))
            m_settings.custom = sheet();
    };
    for (QDoubleSpinBox* s : {sp_width, sp_height, sp_left, sp_top, sp_gapx, sp_gapy})
        connect(s, &QDoubleSpinBox::valueChanged, this, keepCustom);
    for (QSpinBox* s : {sp_columns, sp_rows})
        connect(s, &QSpinBox::valueChanged, this, keepCustom);
    for (QSpinBox* s : {sp_columns, sp_rows})
        connect(s, &QSpinBox::valueChanged, this, [this] { showStart(); });
    connect(sp_start, &QSpinBox::valueChanged, this, [this] { showStart(); });
    showSheet();
    return box;
}

QGroupBox* Tf_postalprint::envelopeBox(const Setup& setup)
{
    auto* box = named(new QGroupBox(m_lang.text(QStringLiteral("postal_envelope")), this), "gb_envelope");
    cb_envelope = named(new QComboBox(box), "cb_envelope");
    for (const EnvelopeFormat& f : envelopeFormats())
        cb_envelope->addItem(QStringLiteral("%1 (%2 x %3 mm)").arg(QLatin1String(f.id)).arg(f.widthMm).arg(f.heightMm),
                             QLatin1String(f.id));
    cb_envelope->setCurrentIndex(qMax(0, cb_envelope->findData(envelopeFormat(setup.settings.envelope).id)));
    ed_sender = latin1Edit(box, "ed_sender", setup.settings.sender);
    ed_sender->setMinimumWidth(360);
    auto* form = new QFormLayout(box);
    form->addRow(cb_envelope);
    form->addRow(m_lang.text(QStringLiteral("postal_sender")), ed_sender);
    return box;
}

void Tf_postalprint::showSheet()
{
    // A preset shows its measures; only a sheet of one's own takes new ones.
    const bool custom = cb_sheet->currentData().toString() == QLatin1String(kCustomSheet);
    const LabelSheet s = custom ? m_settings.custom : *labelPreset(cb_sheet->currentData().toString());
    for (QWidget* w : std::initializer_list<QWidget*>{sp_width, sp_height, sp_left, sp_top, sp_gapx, sp_gapy,
                                                      sp_columns, sp_rows})
        w->setEnabled(custom);
    const QList<std::pair<QDoubleSpinBox*, double>> values = {
        {sp_width, s.labelWidthMm}, {sp_height, s.labelHeightMm}, {sp_left, s.leftMm},
        {sp_top, s.topMm},          {sp_gapx, s.gapXMm},          {sp_gapy, s.gapYMm}};
    for (const auto& [box, value] : values)
        box->setValue(value);
    sp_columns->setValue(s.columns);
    sp_rows->setValue(s.rows);
    showStart();
}

void Tf_postalprint::showStart()
{
    const LabelSheet s = sheet();
    sp_start->setRange(1, qMax(1, s.labels()));
    label_startwhere->setText(startPlace(m_lang, s, sp_start->value() - 1));
}

LabelSheet Tf_postalprint::sheet() const
{
    if (!cb_sheet)
        return m_settings.labelSheet();
    const QString id = cb_sheet->currentData().toString();
    if (const LabelSheet* preset = labelPreset(id))
        return *preset;
    LabelSheet s{.id = kCustomSheet};
    s.labelWidthMm = sp_width->value();
    s.labelHeightMm = sp_height->value();
    s.leftMm = sp_left->value();
    s.topMm = sp_top->value();
    s.gapXMm = sp_gapx->value();
    s.gapYMm = sp_gapy->value();
    s.columns = sp_columns->value();
    s.rows = sp_rows->value();
    return s;
}

int Tf_postalprint::startLabel() const { return sp_start ? sp_start->value() - 1 : 0; }

PostalSettings Tf_postalprint::settings() const
{
    PostalSettings s = m_settings;
    if (cb_sheet) {
        s.sheet = cb_sheet->currentData().toString();
        if (s.sheet == QLatin1String(kCustomSheet))
            s.custom = sheet();
    }
    if (cb_envelope) {
        s.envelope = cb_envelope->currentData().toString();
        s.sender = ed_sender->text();
    }
    if (ed_country)
        s.country = ed_country->text().trimmed();
    return s;
}

ContactChoice Tf_postalprint::choice(const QList<int>& shownIds) const
{
    ContactChoice c;
    if (rb_shown->isChecked()) {
        c.scope = ContactScope::Shown;
        c.shownIds = shownIds;
    } else if (rb_group->isChecked()) {
        c.scope = ContactScope::Group;
        c.groupId = cb_group->currentData().toInt();
    } else {
        c.scope = ContactScope::Letters;
        c.letters = cb_letters->currentData().toString();
    }
    return c;
}

QString Tf_postalprint::choiceCaption() const
{
    if (rb_group->isChecked())
        return cb_group->currentText();
    if (rb_letters->isChecked())
        return cb_letters->currentText();
    return QString();
}

void Tf_postalprint::accept()
{
    if (m_kind == PostalKind::Labels) {
        switch (checkSheet(sheet())) {
        case SheetProblem::None: break;
        case SheetProblem::LabelTooSmall:
            showMessage(this, m_lang.text(QStringLiteral("postal_labeltoosmall")));
            return;
        case SheetProblem::DoesNotFit:
            showMessage(this, m_lang.text(QStringLiteral("postal_sheetdoesnotfit")));
            return;
        }
    }
    QDialog::accept();
}

} // namespace pellori
