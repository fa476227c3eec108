#include "exchange/csv/CsvReader.h"

namespace pellori::exchange {

QStringView CsvTable::field(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns)
        return {};
    const qsizetype i = qsizetype(row) * m_columns + column;
    const qsizetype start = i == 0 ? 0 : m_ends[i - 1];
    return QStringView(m_text).mid(start, m_ends[i] - start);
}

QStringList CsvTable::row(int r) const
{
    QStringList out;
    out.reserve(m_columns);
    for (int c = 0; c < m_columns; ++c)
        out << field(r, c).toString();
    return out;
}

namespace {

// A character no text file holds: NUL and the C0 controls other than tab,
// line ends, vertical tab and form feed (which some Mac exports use for
// line breaks inside a field).
bool isBinary(char16_t c) { return c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' && c != 0x0B && c != 0x0C; }

} // namespace

class CsvParser {
public:
    CsvParser(QStringView text, QChar separator) : m_p(text.data()), m_end(text.data() + text.size()),
                                                    m_sep(separator.unicode())
    {
        // DOS editors end a file with Ctrl+Z.
        while (m_end > m_p && m_end[-1].unicode() == 0x1A)
            --m_end;
        m_table.m_text.reserve(text.size());
    }

    CsvRead run()
    {
        CsvRead out;
        while (m_p < m_end && !m_error) {
            // A line of nothing, or of blanks only, is no row.
            if (blankLine())
                continue;
            readRow();
        }
        if (!m_error && m_table.m_lines.isEmpty())
            m_error = CsvError{.kind = CsvErrorKind::Empty};
        if (m_error) {
            out.error = m_error;
            return out;
        }
        out.table = std::move(m_table);
        return out;
    }

private:
    // Consumes one line end at m_p, if there is one.
    bool lineEnd()
    {
        if (m_p->unicode() == u'\n') {
            ++m_p;
        } else if (m_p->unicode() == u'\r') {
            ++m_p;
            if (m_p < m_end && m_p->unicode() == u'\n')
                ++m_p;
        } else {
            return false;
        }
        ++m_line;
        return true;
    }

    bool blankLine()
    {
        const QChar* q = m_p;
        while (q < m_end && q->unicode() == u' ')
            ++q;
        if (q < m_end && q->unicode() != u'\n' && q->unicode() != u'\r')
            return false;
        m_p = q;
        if (m_p < m_end)
            lineEnd();
        return true;
    }

    void fail(CsvErrorKind kind, int line) { m_error = CsvError{.kind = kind, .line = line}; }

    // Appends [from, to) with its line ends as "\n", counting them.
    bool append(const QChar* from, const QChar* to)
    {
        const QChar* run = from;
        for (const QChar* q = from; q < to; ++q) {
            const char16_t c = q->unicode();
            if (c >= 0x20)
                continue;
            if (isBinary(c)) {
                fail(CsvErrorKind::Binary, m_line);
                return false;
            }
            if (c == u'\r' || c == u'\n') {
                m_table.m_text.append(run, q - run);
                m_table.m_text.append(u'\n');
                if (c == u'\r' && q + 1 < to && q[1].unicode() == u'\n')
                    ++q;
                ++m_line;
                run = q + 1;
            }
        }
        m_table.m_text.append(run, to - run);
        return true;
    }

    void readRow()
    {
        const int rowLine = m_line;
        int fields = 0;
        for (;;) {
            if (!readField())
                return;
            m_table.m_ends << m_table.m_text.size();
            ++fields;
            if (m_p < m_end && m_p->unicode() == m_sep) {
                ++m_p;
                continue;
            }
            break;
        }
        if (m_p < m_end)
            lineEnd();
        if (m_table.m_lines.isEmpty()) {
            m_table.m_columns = fields;
        } else if (fields != m_table.m_columns) {
            m_error = CsvError{.kind = CsvErrorKind::RowLength, .line = rowLine, .expected = m_table.m_columns,
                               .found = fields};
            return;
        }
        m_table.m_lines << rowLine;
    }

    // One field up to the separator or line end after it.
    bool readField()
    {
        if (m_p < m_end && m_p->unicode() == u'"') {
            const int quoteLine = m_line;
            ++m_p;
            for (;;) {
                const QChar* q = m_p;
                while (q < m_end && q->unicode() != u'"')
                    ++q;
                if (q == m_end) {
                    fail(CsvErrorKind::UnbalancedQuote, quoteLine);
                    return false;
                }
                if (!append(m_p, q))
                    return false;
                m_p = q + 1;
                if (m_p < m_end && m_p->unicode() == u'"') {
                    m_table.m_text.append(u'"');
                    ++m_p;
                    continue;
                }
                break;
            }
            // Text after the closing quote belongs to the field, as spreadsheets read it.
        }
        const QChar* q = m_p;
        while (q < m_end) {
            const char16_t c = q->unicode();
            if (c == m_sep || c == u'\n' || c == u'\r')
                break;
            if (c < 0x20 && isBinary(c)) {
                fail(CsvErrorKind::Binary, m_line);
                return false;
            }
            ++q;
        }
        m_table.m_text.append(m_p, q - m_p);
        m_p = q;
        return true;
    }

    const QChar* m_p;
    const QChar* m_end;
    const char16_t m_sep;
    int m_line = 1;
    CsvTable m_table;
    std::optional<CsvError> m_error;
};

QChar detectSeparator(QStringView text)
{
    constexpr int kLines = 30;
    constexpr char16_t kCandidates[] = {u',', u';', u'\t'};
    QChar best = u',';
    int bestFields = 1;
    for (const char16_t sep : kCandidates) {
        // Fields per line of the first lines, quotes respected.
        QList<int> counts;
        int fields = 1;
        bool quoted = false, content = false;
        for (qsizetype i = 0; i < text.size() && counts.size() < kLines; ++i) {
            const char16_t c = text[i].unicode();
            if (c == u'"') {
                quoted = !quoted;
                content = true;
            } else if (quoted) {
                continue;
            } else if (c == sep) {
                ++fields;
                content = true;
            } else if (c == u'\n' || c == u'\r') {
                if (content)
                    counts << fields;
                fields = 1;
                content = false;
            } else {
                content = true;
            }
        }
        if (content && counts.size() < kLines)
            counts << fields;
        if (counts.isEmpty() || counts.first() < 2)
            continue;
        if (std::all_of(counts.begin(), counts.end(), [&](int n) { return n == counts.first(); }) &&
            counts.first() > bestFields) {
            best = QChar(sep);
            bestFields = counts.first();
        }
    }
    if (bestFields > 1)
        return best;
    // None agrees on every line (a row cut off, say): the most on the first line.
    int mostOnFirst = 0;
    for (const char16_t sep : kCandidates) {
        int n = 0;
        bool quoted = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c == u'"')
                quoted = !quoted;
            else if (!quoted && (c == u'\n' || c == u'\r'))
                break;
            else if (!quoted && c == sep)
                ++n;
        }
        if (n > mostOnFirst) {
            mostOnFirst = n;
            best = QChar(sep);
        }
    }
    return best;
}

CsvRead readCsv(QStringView text, QChar separator) { return CsvParser(text, separator).run(); }

} // namespace pellori::exchange
