#include "exchange/csv/f_csvexport.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pellori {

namespace {

QRadioButton* choice(QWidget* parent, const char* name, const QString& text, bool enabled = true)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setEnabled(enabled);
    return button;
}

} // namespace

Tf_csvexport::Tf_csvexport(QWidget* owner, const Texts& texts, bool canShown, bool canCurrent)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("f_csvexport"));
    setWindowTitle(texts.caption);
    auto* which = new QGroupBox(texts.question, this);
    rb_shown = choice(which, "rb_shown", texts.shown, canShown);
    rb_current = choice(which, "rb_current", texts.current, canCurrent);
    rb_all = choice(which, "rb_all", texts.all);
    // What the user looks at is what they most likely mean.
    (canShown ? rb_shown : rb_all)->setChecked(true);
    auto* whichLayout = new QVBoxLayout(which);
    for (QRadioButton* b : {rb_shown, rb_current, rb_all})
        whichLayout->addWidget(b);

    auto* shapes = new QGroupBox(texts.shape, this);
    rb_outlook = choice(shapes, "rb_outlook", texts.outlook);
    rb_google = choice(shapes, "rb_google", texts.google);
    rb_outlook->setChecked(true);
    auto* shapeLayout = new QVBoxLayout(shapes);
    shapeLayout->addWidget(rb_outlook);
    shapeLayout->addWidget(rb_google);

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
    layout->addWidget(which);
    layout->addWidget(shapes);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CsvExportScope Tf_csvexport::scope() const
{
    if (rb_current->isChecked())
        return CsvExportScope::Current;
    if (rb_shown->isChecked())
        return CsvExportScope::Shown;
    return CsvExportScope::All;
}

exchange::CsvShape Tf_csvexport::shape() const
{
    return rb_google->isChecked() ? exchange::CsvShape::Google : exchange::CsvShape::Outlook;
}

} // namespace pellori
