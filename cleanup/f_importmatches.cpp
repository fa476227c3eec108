#include "cleanup/f_importmatches.h"

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

    btn_ok = new QPushButton(texts.ok, this);
    btn_ok->setObjectName(QStringLiteral("btn_ok"));
    btn_ok->setDefault(true);
    btn_cancel = new QPushButton(texts.cancel, this);
    btn_cancel->setObjectName(QStringLiteral("btn_cancel"));
    connect(btn_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(btn_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_ok);
    buttons->addWidget(btn_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_question);
    for (QRadioButton* b : {rb_update, rb_addnew, rb_skip})
        layout->addWidget(b);
    layout->addSpacing(8);
    layout->addLayout(buttons);
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
