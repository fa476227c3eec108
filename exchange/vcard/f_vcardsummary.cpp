#include "exchange/vcard/f_vcardsummary.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace pellori {

namespace {

// A line of the report as a paragraph of its own, so that a long note wraps
// under itself and not under its card's heading.
void addParagraph(QTextCursor& cursor, const QString& text, qreal leftMargin, qreal topMargin, bool bold)
{
    QTextBlockFormat block;
    block.setLeftMargin(leftMargin);
    block.setTopMargin(topMargin);
    QTextCharFormat chars;
    chars.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    if (cursor.position() > 0 || !cursor.block().text().isEmpty())
        cursor.insertBlock(block, chars);
    else
        cursor.setBlockFormat(block);
    cursor.setCharFormat(chars);
    cursor.insertText(text);
}

} // namespace

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
    memo_report = new QTextEdit(this);
    memo_report->setObjectName(QStringLiteral("memo_report"));
    memo_report->setReadOnly(true);
    memo_report->setAcceptRichText(false);
    QTextCursor cursor(memo_report->document());
    cursor.beginEditBlock();
    const qreal indent = memo_report->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 2.0;
    const qreal gap = memo_report->fontMetrics().height() * 0.6;
    for (const QString& line : texts.overview)
        addParagraph(cursor, line, 0, 0, false);
    for (const Section& section : texts.sections) {
        addParagraph(cursor, section.heading, 0, gap, true);
        for (const QString& line : section.lines)
            addParagraph(cursor, line, indent, 0, false);
    }
    cursor.endEditBlock();
    memo_report->moveCursor(QTextCursor::Start);

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
