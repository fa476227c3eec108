#pragma once
// The fonts of printed reports and their measurement. Text is measured at one
// fixed resolution, without hinting, so a page is laid out the same whether it
// is later painted on the screen, a printer or a PDF file.
#include "reports/engine/Report.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QStringList>
#include <memory>
#include <vector>

namespace pellori::report {

// The family asked for, falling back to DejaVu Sans where it is not installed.
QFont reportFont(const FontSpec& spec);

class TextMeasure {
public:
    TextMeasure();
    ~TextMeasure();
    double lineHeightMm(const FontSpec& font);
    double widthMm(const FontSpec& font, const QString& text);
    // Breaks a text into the lines it takes at the width: at its line breaks, then at
    // word boundaries (inside a word only when the word alone is wider).
    QStringList wrap(const FontSpec& font, const QString& text, double widthMm);

private:
    struct Entry;
    Entry& entry(const FontSpec& font);
    QImage m_device;
    std::vector<std::unique_ptr<Entry>> m_entries;
};

// The paragraphs of a text: split at CR LF, LF or CR.
QStringList paragraphs(const QString& text);

} // namespace pellori::report
