// One folding for what is typed and what is stored: each case read by the
// program's folding and, where the book can hold the text, by the book's own.
#include "SearchBook.h"
#include "data/Statement.h"
#include "search/SearchText.h"

#include <QTest>

using namespace pellori;
using namespace pellori::test;

class TestSearchText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDb>();
        upgradeWith(*m_db, {});
        attachTo(m_c, m_db->path());
    }
    void cleanupTestCase() { m_c.close(); }

    void folding_data();
    void folding();
    void searchWords_data();
    void searchWords();

private:
    std::unique_ptr<TestDb> m_db;
    Connection m_c;
};

void TestSearchText::folding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::addColumn<QStringList>("words");
    const auto row = [](const char* name, const QString& text, QStringList words, bool number = false) {
        QTest::newRow(name) << text << number << words;
    };
    row("umlaut", QStringLiteral("M\u00FCller"), {"MULLER"});
    row("umlaut written out", QStringLiteral("Mueller"), {"MULLER"});
    row("without", QStringLiteral("muller"), {"MULLER"});
    row("capitals, hyphen", QStringLiteral("M\u00DCLLER-L\u00FCdenscheidt"), {"MULLER", "LUDENSCHEIDT"});
    row("sharp s", QStringLiteral("Stra\u00DFe"), {"STRASSE"});
    row("accents", QStringLiteral("\u00C9clair \u00C5ngstr\u00F6m \u00D1and\u00FA \u00E7a"),
        {"ECLAIR", "ANGSTROM", "NANDU", "CA"});
    row("thorn, ash, y", QStringLiteral("\u00DE\u00F3r \u00C6sir \u00FFves"), {"THOR", "ASIR", "YVES"});
    row("e after a, o, u", QStringLiteral("Goethe Michael Queen"), {"GOTHE", "MICHAL", "QUN"});
    row("separators", QStringLiteral("a.b@c-d_e/f\\g"), {"A", "B", "C", "D", "E", "F", "G"});
    row("quotes, wildcards", QStringLiteral("O'Neil 100% x_y"), {"O", "NEIL", "100", "X", "Y"});
    row("each word once", QStringLiteral("Hans hans H\u00C4NS"), {"HANS"});
    row("cut at 24", QStringLiteral("Donaudampfschifffahrtsgesellschaft"), {"DONAUDAMPFSCHIFFFAHRTSGE"});
    row("latin-1 signs", QStringLiteral("\u00B2\u00B5\u00AA x\u00D7y"), {"X", "Y"});
    row("nothing", QStringLiteral("%_'\\ -"), {});
    row("beyond latin-1", QStringLiteral("\u0152uvre \u010Ce\u0161ka \u20ACuro"), {"OUVRE", "CESKA", "URO"});
    row("national number", QStringLiteral("0351 / 486 29-10"), {"03514862910"}, true);
    row("+49", QStringLiteral("+49 (351) 4862910"), {"03514862910"}, true);
    row("0049", QStringLiteral("0049 351 4862910"), {"03514862910"}, true);
    row("other country", QStringLiteral("+41 31 3114455"), {"0041313114455"}, true);
    row("no digits", QStringLiteral("++"), {}, true);
}

void TestSearchText::folding()
{
    QFETCH(QString, text);
    QFETCH(bool, number);
    QFETCH(QStringList, words);
    QStringList folded = number ? QStringList{search::numberDigits(text)} : search::foldedWords(text);
    folded.removeAll(QString());
    QCOMPARE(folded, words);
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; }))
        return;   // the book cannot hold it
    DbTransaction tr(m_c);
    Statement q(m_c, QStringLiteral("select WORD from PELLORI_WORDS(:t, :m)"));
    q.openCursor(tr, [&](const QString& name) {
        return name == QLatin1String("t") ? QVariant(text) : QVariant(number ? 1 : 0);
    });
    QStringList stored;
    QList<QVariant> row;
    while (q.fetch(row))
        stored << row.value(0).toString();
    QCOMPARE(stored, words);
}

void TestSearchText::searchWords_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("number with blanks") << "0351 486" << QStringList{"0351486"};
    QTest::newRow("country code") << "+49 351" << QStringList{"0351"};
    QTest::newRow("number, letters") << "0351 a" << QStringList{"0351", "A"};
    QTest::newRow("a word begun twice") << "mul M\u00FCller" << QStringList{"MULLER"};
    QTest::newRow("two words") << "hans dresden" << QStringList{"HANS", "DRESDEN"};
    QTest::newRow("blanks") << "   " << QStringList{};
    QTest::newRow("2000 characters") << QString(2000, QLatin1Char('x')) << QStringList{QString(24, QLatin1Char('X'))};
    QStringList many, first;
    for (char c = 'a'; c <= 'r'; ++c) {
        many << QString(2, QLatin1Char(c));
        if (first.size() < search::kMaxWords)
            first << QString(2, QLatin1Char(c)).toUpper();
    }
    QTest::newRow("18 words") << many.join(' ') << first;
}

void TestSearchText::searchWords()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, words);
    QCOMPARE(search::searchWords(typed), words);
}

QTEST_GUILESS_MAIN(TestSearchText)
#include "tst_searchtext.moc"
