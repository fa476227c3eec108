#include "cleanup/f_importmatches.h"

#include "services/DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pellori::cleanup {

Tf_importmatches::Tf_importmatches(QWidget* owner, const Texts& texts)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("f_importmatches"));
    setWindowTitle(texts.caption);
    label_question = new QLabel(texts.question, this);
    label_question->setObjectName(QStringLiteral("label_question"));
    label_question->setWordWrap(true);
    const auto choice = [this](QRadioButton*& b, const char* name, const QString& text) {
        b = new QRadioButton(text, this);
        b->setObjectName(QLatin1String(name));
    };
    choice(rb_update, "rb_update", texts.update);
    choice(rb_addnew, "rb_addnew", texts.addNew);
    choice(rb_skip, "rb_skip", texts.skip);
    rb_update->setChecked(true);

    const DialogButtons buttons = okCancelButtons(this, texts.ok, texts.cancel);
    btn_ok = buttons.ok;
    btn_cancel = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_question);
    for (QRadioButton* b : {rb_update, rb_addnew, rb_skip})
        layout->addWidget(b);
    layout->addSpacing(8);
    layout->addLayout(buttons.row);
    label_question->setMinimumWidth(420);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

MatchPolicy Tf_importmatches::policy() const
{
    if (rb_addnew->isChecked())
        return MatchPolicy::AddAllAsNew;
    if (rb_skip->isChecked())
        return MatchPolicy::SkipMatches;
    return MatchPolicy::UpdateMatches;
}

} // namespace pellori::cleanup
