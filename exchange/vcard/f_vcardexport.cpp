#include "exchange/vcard/f_vcardexport.h"

#include "services/DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pellori {

namespace {

QRadioButton* choice(QWidget* parent, const char* name, const QString& text, bool enabled)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setEnabled(enabled);
    return button;
}

} // namespace

Tf_vcardexport::Tf_vcardexport(QWidget* owner, const Texts& texts, bool canShown, bool canCurrent)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("f_vcardexport"));
    setWindowTitle(texts.caption);

    label_question = new QLabel(texts.question, this);
    label_question->setObjectName(QStringLiteral("label_question"));
    rb_shown = choice(this, "rb_shown", texts.shown, canShown);
    rb_current = choice(this, "rb_current", texts.current, canCurrent);
    rb_all = choice(this, "rb_all", texts.all, true);
    // What the user looks at is what they most likely mean.
    (canShown ? rb_shown : rb_all)->setChecked(true);

    const DialogButtons buttons = okCancelButtons(this, texts.ok, texts.cancel);
    btn_ok = buttons.ok;
    btn_cancel = buttons.cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_question);
    for (QRadioButton* b : {rb_shown, rb_current, rb_all})
        layout->addWidget(b);
    layout->addSpacing(8);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ExportScope Tf_vcardexport::scope() const
{
    if (rb_current->isChecked())
        return ExportScope::Current;
    if (rb_shown->isChecked())
        return ExportScope::Shown;
    return ExportScope::All;
}

} // namespace pellori
