#include "dialogs/f_vcardsummary.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pellori {

Tf_vcardsummary::Tf_vcardsummary(QWidget* owner, const Texts& texts)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("f_vcardsummary"));
    setWindowTitle(texts.caption);
    resize(640, 420);

    label_added = new QLabel(texts.headline, this);
    label_added->setObjectName(QStringLiteral("label_added"));
    label_added->setWordWrap(true);

    // A report of a large file runs long: it scrolls, and can be copied.
    memo_report = new QPlainTextEdit(this);
    memo_report->setObjectName(QStringLiteral("memo_report"));
    memo_report->setReadOnly(true);
    memo_report->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_report->setPlainText(texts.report);

    btn_close = new QPushButton(texts.close, this);
    btn_close->setObjectName(QStringLiteral("btn_close"));
    btn_close->setDefault(true);
    connect(btn_close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_added);
    layout->addWidget(memo_report, 1);
    layout->addLayout(buttons);
    btn_close->setFocus();
}

} // namespace pellori
