#include "printing/engine/ReportFonts.h"

#include <QHash>
#include <QTextLayout>

namespace pellori::report {

namespace {

constexpr double kMeasureDpi = kLayoutDpi;
constexpr double kMmPerInch = 25.4;
// A share of the width within which the sum of the characters' advances surely fits.
constexpr double kSureFit = 0.97;

void installFallbacks()
{
    // Verdana is a Windows font; DejaVu Sans descends from Bitstream Vera, which was
    // drawn to the same brief (a wide humanist sans with a tall x-height), so widths
    // and line breaks come out close to what the reports were laid out with.
    static const bool once = [] {
        QFont::insertSubstitutions(QStringLiteral("Verdana"),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
        return true;
    }();
    (void)once;
}

// The widest advance among the characters a report prints: Latin-1 from the
// database, and the dagger of the birthday list.
double widestGlyph(const QFontMetricsF& metrics)
{
    double widest = metrics.horizontalAdvance(QChar(0x2020));
    for (char16_t c = 0x20; c <= 0xFF; ++c)
        if (c < 0x7F || c >= 0xA0)
            widest = qMax(widest, metrics.horizontalAdvance(QChar(c)));
    return widest;
}

bool onlyLatin1(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() > 0xFF && c.unicode() != 0x2020)
            return false;
    return true;
}

bool hasBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

} // namespace

QFont reportFont(const FontStyle& style)
{
    installFallbacks();
    QFont font(style.family);
    font.setFamilies({style.family, QStringLiteral("DejaVu Sans")});
    font.setPixelSize(qRound(style.pointSize * kLayoutDpi / 72));
    font.setBold(style.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

QStringList paragraphs(const QString& text)
{
    if (!hasBreak(text))
        return {text};
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}

struct TextMeasure::Entry {
    FontStyle style;
    QFont font;
    QFontMetricsF metrics;
    double lineHeightMm;
    double widestGlyphPx;               // of the Latin-1 characters and the dagger
    QHash<QString, double> advances;    // of the short texts that recur (type names, labels)
    std::vector<double> latin1Advances; // of each Latin-1 character alone; empty until asked for

    // The sum of the characters' own advances; negative for a text beyond Latin-1.
    double latin1Sum(const QString& text)
    {
        if (latin1Advances.empty())
            for (int c = 0; c < 256; ++c)
                latin1Advances.push_back(metrics.horizontalAdvance(QChar(c)));
        double sum = 0;
        for (const QChar c : text) {
            if (c.unicode() > 0xFF)
                return -1;
            sum += latin1Advances[c.unicode()];
        }
        return sum;
    }
};


TextMeasure::TextMeasure() : m_device(1, 1, QImage::Format_Mono)
{
    const int dotsPerMeter = qRound(kMeasureDpi / kMmPerInch * 1000);
    m_device.setDotsPerMeterX(dotsPerMeter);
    m_device.setDotsPerMeterY(dotsPerMeter);
}

TextMeasure::~TextMeasure() = default;

TextMeasure::Entry& TextMeasure::entry(const FontStyle& style)
{
    for (auto& e : m_entries)
        if (e->style == style)
            return *e;
    const QFont font = reportFont(style);
    QFontMetricsF metrics(font, &m_device);
    const double line = metrics.lineSpacing() * kMmPerInch / kMeasureDpi;
    m_entries.push_back(std::make_unique<Entry>(Entry{style, font, metrics, line, widestGlyph(metrics), {}, {}}));
    return *m_entries.back();
}

double TextMeasure::lineHeightMm(const FontStyle& font) { return entry(font).lineHeightMm; }

double TextMeasure::widthMm(const FontStyle& font, const QString& text)
{
    Entry& e = entry(font);
    double widest = 0;
    for (const QString& p : paragraphs(text)) {
        double advance;
        if (p.size() > 32) {
            advance = e.metrics.horizontalAdvance(p);
        } else {
            auto it = e.advances.constFind(p);
            if (it == e.advances.cend())
                it = e.advances.insert(p, e.metrics.horizontalAdvance(p));
            advance = *it;
        }
        widest = qMax(widest, advance);
    }
    return widest * kMmPerInch / kMeasureDpi;
}

QStringList TextMeasure::wrap(const FontStyle& font, const QString& text, double widthMm)
{
    Entry& e = entry(font);
    const double widthPx = widthMm * kMeasureDpi / kMmPerInch;
    QStringList lines;
    for (const QString& p : paragraphs(text)) {
        // Most texts fit on one line: no layout needed for them, and for the short
        // ones not even their shaping.
        if ((p.size() * e.widestGlyphPx <= widthPx && onlyLatin1(p)) || e.metrics.horizontalAdvance(p) <= widthPx) {
            lines << p;
            continue;
        }
        QTextLayout layout(p, e.font, &m_device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setUseDesignMetrics(true);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(widthPx);
            QString piece = p.mid(line.textStart(), line.textLength());
            while (piece.endsWith(QLatin1Char(' ')))
                piece.chop(1);
            lines << piece;
        }
        layout.endLayout();
    }
    return lines;
}

QString TextMeasure::elide(const FontStyle& font, const QString& text, double widthMm)
{
    Entry& e = entry(font);
    const double widthPx = widthMm * kMeasureDpi / kMmPerInch;
    // Kerning is off, so a text is as wide as its characters unless shaping joins
    // some; with a margin for that, most lines need no shaping at all.
    const double sum = e.latin1Sum(text);
    if ((sum >= 0 && sum <= widthPx * kSureFit) || e.metrics.horizontalAdvance(text) <= widthPx)
        return text;
    return e.metrics.elidedText(text, Qt::ElideRight, widthPx);
}

} // namespace pellori::report
