#include "exchange/csv/f_csvexport.h"

#include "services/DialogButtons.h"

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

    const DialogButtons buttons = okCancelButtons(this, texts.ok, texts.cancel);
    btn_ok = buttons.ok;
    btn_cancel = buttons.cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(which);
    layout->addWidget(shapes);
    layout->addLayout(buttons.row);
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
