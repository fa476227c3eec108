#pragma once
// The fonts of printed reports and their measurement. Text is measured at one
// fixed resolution, without hinting, so a page is laid out the same whether it
// is later painted on the screen, a printer or a PDF file.
#include "printing/engine/Report.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QStringList>
#include <memory>
#include <vector>

namespace pellori::report {

// Layout and painting share one resolution: texts are measured at it, and painted
// in its coordinates scaled to the device, so every glyph lands where the layout
// put it, on screen, paper and PDF alike.
inline constexpr double kLayoutDpi = 1200;

// The family asked for, falling back to DejaVu Sans where it is not installed, sized
// in pixels of the layout resolution.
QFont reportFont(const FontStyle& style);

class TextMeasure {
public:
    TextMeasure();
    ~TextMeasure();
    double lineHeightMm(const FontStyle& font);
    double widthMm(const FontStyle& font, const QString& text);
    // Breaks a text into the lines it takes at the width: at its line breaks, then at
    // word boundaries (inside a word only when the word alone is wider).
    QStringList wrap(const FontStyle& font, const QString& text, double widthMm);
    // The text as it is when it fits the width, else cut at its end with an ellipsis.
    QString elide(const FontStyle& font, const QString& text, double widthMm);

private:
    struct Entry;
    Entry& entry(const FontStyle& font);
    QImage m_device;
    std::vector<std::unique_ptr<Entry>> m_entries;
};

// The paragraphs of a text: split at CR LF, LF or CR.
QStringList paragraphs(const QString& text);

} // namespace pellori::report
