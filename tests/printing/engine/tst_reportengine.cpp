// The report engine on its own: which bands are placed where on which page,
// read from the placed items, and the preview that shows them while the rest
// is still being produced.
#include "printing/engine/PagePainter.h"
#include "printing/engine/PreviewDialog.h"
#include "printing/engine/ReportLayout.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace pellori::report;

namespace {

// Rows in memory: the engine's query interface needs no database.
class Rows final : public ReportQuery {
public:
    explicit Rows(QList<QVariantMap> rows = {}) : rows(std::move(rows)) {}
    void first() override { current = rows.isEmpty() ? -1 : 0; }
    void next() override { current = current + 1 < rows.size() ? current + 1 : int(rows.size()); }
    bool atEnd() const override { return current < 0 || current >= rows.size(); }
    QVariant value(const QString& column) const override { return atEnd() ? QVariant() : rows[current].value(column); }
    QList<QVariantMap> rows;
    int current = -1;
};

QList<QVariantMap> numbered(int n)
{
    QList<QVariantMap> rows;
    for (int i = 1; i <= n; ++i)
        rows << QVariantMap{{"N", i}};
    return rows;
}

// A page of 100 mm body height without header or footer unless a test adds them.
Report bare(ReportQuery& master)
{
    Report r;
    r.master = &master;
    r.page = {.paperWidthMm = 100, .paperHeightMm = 100, .topMm = 0, .bottomMm = 0, .leftMm = 10, .rightMm = 10};
    return r;
}

struct Where {
    int page;
    double top;
    double height;
    bool operator==(const Where&) const = default;
};

// Every placing of the band, in order.
QList<Where> placings(const ReportLayout& layout, const QString& band)
{
    QList<Where> w;
    for (const Page& p : layout.pages())
        for (const PlacedBand& b : p.bands)
            if (b.name == band)
                w << Where{p.number, qRound(b.rectMm.top() * 100) / 100.0, qRound(b.rectMm.height() * 100) / 100.0};
    return w;
}

const PlacedItem* findItem(const Page& page, const QString& item)
{
    for (const PlacedItem& i : page.items)
        if (i.item == item)
            return &i;
    return nullptr;
}

char* toString(const QList<Where>& w)
{
    QStringList parts;
    for (const Where& x : w)
        parts << QStringLiteral("p%1@%2+%3").arg(x.page).arg(x.top).arg(x.height);
    return qstrdup(parts.join(' ').toUtf8().constData());
}

} // namespace

Q_DECLARE_METATYPE(QList<Where>)

class TestReportEngine : public QObject {
    Q_OBJECT
private slots:
    void bandsAreProcessedInOrder();
    void stretchingTextWrapsAndGrowsItsBand_data();
    void stretchingTextWrapsAndGrowsItsBand();
    void keepTogetherChains_data();
    void keepTogetherChains();
    void headerAndFooterOnEveryPage_data();
    void headerAndFooterOnEveryPage();
    void columnsFillInTheirOrder_data();
    void columnsFillInTheirOrder();
    void elidedTextStaysInItsBox();
    void emptyMasterGivesOnePage();
    void clearedPrintFlagTakesNoSpaceButChildIsProcessed();
    void pagesComeOneByOne();
    void previewShowsFirstPageAndGrowsWhileOpen();
    void previewExportsEveryPageAsPdf();
    void previewStopsAtAFailureAndKeepsItsPages();
};

void TestReportEngine::bandsAreProcessedInOrder()
{
    Rows master(numbered(2));
    Rows lines({{{"L", "a"}}, {{"L", "b"}}});
    Rows none;
    Report r = bare(master);
    QStringList calls;
    master.afterScroll = [&] { calls << "scroll" + master.value("N").toString(); };
    const auto hook = [&](Band& b, bool&) {
        calls << b.name + (b.query ? b.query->value("L").toString() : QString());
    };
    Band& d = r.addBand({.name = "D", .heightMm = 5, .beforePrint = hook});
    r.addChild(d, {.name = "DC", .heightMm = 5, .beforePrint = [&](Band& b, bool& print) {
                       calls << b.name;
                       print = false;
                   }});
    Band& s1 = r.addBand({.name = "S1", .kind = BandKind::SubDetail, .heightMm = 5, .query = &lines, .beforePrint = hook});
    r.addChild(s1, {.name = "S1C", .heightMm = 5, .beforePrint = hook});
    r.addBand({.name = "S2", .kind = BandKind::SubDetail, .heightMm = 5, .query = &none, .beforePrint = hook});
    r.addBand({.name = "S3", .kind = BandKind::SubDetail, .heightMm = 5, .beforePrint = hook});
    ReportLayout layout(r);
    layout.produceAll();
    const QStringList row = {"D", "DC", "S1a", "S1C", "S1b", "S1C", "S2", "S3"};
    QCOMPARE(calls, QStringList{"scroll1"} + row + QStringList{"scroll2"} + row);
}

void TestReportEngine::stretchingTextWrapsAndGrowsItsBand_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<int>("lines");
    const QString word = QStringLiteral("Wort ");
    QTest::newRow("one line") << "Meier, Hans" << true << 1;
    QTest::newRow("memo lines") << "eins\r\nzwei\ndrei" << true << 3;
    QTest::newRow("long text wraps") << word.repeated(40) << true << 0;   // 0: more than one, counted below
    QTest::newRow("long word breaks") << QString(200, QLatin1Char('x')) << true << 0;
    QTest::newRow("no stretch: first line") << "eins\ntwo\n" + word.repeated(40) << false << 1;
}

void TestReportEngine::stretchingTextWrapsAndGrowsItsBand()
{
    QFETCH(QString, text);
    QFETCH(bool, stretch);
    QFETCH(int, lines);
    Rows master({{{"T", text}}});
    Report r = bare(master);
    Band& d = r.addBand({.name = "D", .heightMm = 7});
    d.add({.name = "T", .kind = ItemKind::DataText, .topMm = 2, .widthMm = 50, .stretch = stretch, .query = &master, .column = "T"});
    r.addBand({.name = "After", .kind = BandKind::SubDetail, .heightMm = 4});
    ReportLayout layout(r);
    layout.produceAll();
    const PlacedItem* t = findItem(layout.page(0), "T");
    QVERIFY(t);
    if (lines)
        QCOMPARE(t->lines.size(), lines);
    else
        QVERIFY(t->lines.size() > 1);
    // The lines together are the text, none wider than the item.
    QCOMPARE(QString(t->lines.join("")).remove(' '), QString(stretch ? text : text.section('\n', 0, 0)).remove(QRegularExpression("[\\s]")));
    TextMeasure measure;
    for (const QString& line : t->lines)
        QVERIFY(!stretch || measure.widthMm(t->font, line) <= 50.01);
    const double grown = 7 + (t->lines.size() - 1) * t->lineHeightMm;
    QCOMPARE(placings(layout, "D").value(0).height, qRound(grown * 100) / 100.0);
    QCOMPARE(placings(layout, "After").value(0).top, qRound(grown * 100) / 100.0);
    QCOMPARE(t->rectMm.left(), 10.0);
    QCOMPARE(t->rectMm.top(), 2.0);
}

void TestReportEngine::keepTogetherChains_data()
{
    QTest::addColumn<double>("lead");      // an unlinked band before the chain
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("linked");
    QTest::addColumn<QList<Where>>("whereA");
    QTest::addColumn<QList<Where>>("whereB");
    // Two rows on a 100 mm page: the second A stands at 60 with 40 mm left.
    QTest::newRow("chain fits") << 0.0 << 30.0 << 10.0 << true
                                << QList<Where>{{1, 0, 30}, {1, 40, 30}} << QList<Where>{{1, 30, 10}, {1, 70, 10}};
    QTest::newRow("chain short: block moves whole") << 0.0 << 30.0 << 30.0 << true
                                                    << QList<Where>{{1, 0, 30}, {2, 0, 30}}
                                                    << QList<Where>{{1, 30, 30}, {2, 30, 30}};
    QTest::newRow("unlinked: block split") << 0.0 << 30.0 << 30.0 << false
                                           << QList<Where>{{1, 0, 30}, {1, 60, 30}}
                                           << QList<Where>{{1, 30, 30}, {2, 0, 30}};
    QTest::newRow("chain taller than a page stays") << 10.0 << 10.0 << 95.0 << true
                                                    << QList<Where>{{1, 10, 10}, {3, 10, 10}}
                                                    << QList<Where>{{2, 0, 95}, {4, 0, 95}};
}

void TestReportEngine::keepTogetherChains()
{
    QFETCH(double, lead);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, linked);
    QFETCH(QList<Where>, whereA);
    QFETCH(QList<Where>, whereB);
    Rows master(numbered(2));
    Report r = bare(master);
    Band& d = r.addBand({.name = "D", .heightMm = lead});
    Band& bandA = r.addChild(d, {.name = "A", .heightMm = a});
    Band& bandB = r.addBand({.name = "B", .kind = BandKind::SubDetail, .heightMm = b});
    if (linked)
        Report::keepTogether({&bandA, &bandB});
    ReportLayout layout(r);
    layout.produceAll();
    QCOMPARE(placings(layout, "A"), whereA);
    QCOMPARE(placings(layout, "B"), whereB);
}

void TestReportEngine::columnsFillInTheirOrder_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("skip");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("height");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("cells");   // page:column:top of each band
    // Two columns of 40 mm (80 mm band, no gap) at left 10; 100 mm body.
    QTest::newRow("down then across") << int(ColumnOrder::DownThenAcross) << 0 << 0.0 << 30.0 << 7
                                      << QStringList{"1:10:0", "1:10:30", "1:10:60", "1:50:0", "1:50:30", "1:50:60", "2:10:0"};
    QTest::newRow("across, five cells used") << int(ColumnOrder::AcrossThenDown) << 5 << 0.0 << 30.0 << 3
                                             << QStringList{"1:50:60", "2:10:0", "2:50:0"};
    // 7 rows of 42.3 mm below 0.45 mm fill a 296.55 mm body exactly; rounding must not push the last.
    // 7 rows of 42.3 mm fill a 297 mm page between margins of 0.45 mm exactly:
    // rounding must not push the last row over.
    QTest::newRow("across, rows fill the page exactly") << int(ColumnOrder::AcrossThenDown) << 12 << 0.45 << 42.3 << 3
                                                        << QStringList{"1:10:254.25", "1:50:254.25", "2:10:0.45"};
}

void TestReportEngine::columnsFillInTheirOrder()
{
    QFETCH(int, order);
    QFETCH(int, skip);
    QFETCH(double, top);
    QFETCH(double, height);
    QFETCH(int, rows);
    QFETCH(QStringList, cells);
    Rows master(numbered(rows));
    Report r = bare(master);
    r.page.columns = 2;
    r.page.columnOrder = ColumnOrder(order);
    r.page.skipCells = skip;
    r.page.topMm = r.page.bottomMm = top;
    if (top > 0)
        r.page.paperHeightMm = 297;
    r.addBand({.name = "D", .heightMm = height});
    ReportLayout layout(r);
    layout.produceAll();
    QStringList placed;
    for (const Page& p : layout.pages())
        for (const PlacedBand& b : p.bands)
            placed << QStringLiteral("%1:%2:%3").arg(p.number).arg(b.rectMm.left()).arg(qRound(b.rectMm.top() * 100) / 100.0);
    QCOMPARE(placed, cells);
    QCOMPARE(layout.pages().front().bands.front().rectMm.width(), 40.0);
}

void TestReportEngine::elidedTextStaysInItsBox()
{
    Rows master(numbered(1));
    Report r = bare(master);
    Band& d = r.addBand({.name = "D", .heightMm = 5});
    const QString longLine = QStringLiteral("Hauptstra\u00DFe 1234567890 Hinterhaus links oben bei Familie Sonnenschein");
    d.add({.name = "T", .widthMm = 30, .text = "short\n" + longLine, .elide = true});
    ReportLayout layout(r);
    layout.produceAll();
    const PlacedItem* t = findItem(layout.page(0), "T");
    QVERIFY(t);
    QCOMPARE(t->lines.size(), 2);
    QCOMPARE(t->lines[0], QStringLiteral("short"));
    QVERIFY(t->lines[1].endsWith(QChar(0x2026)));
    TextMeasure measure;
    QVERIFY(measure.widthMm({}, t->lines[1]) <= 30.0);
    QCOMPARE(placings(layout, "D").value(0).height, 5.0);
}

void TestReportEngine::headerAndFooterOnEveryPage_data()
{
    QTest::addColumn<bool>("onFirst");
    QTest::addColumn<bool>("onLast");
    QTest::newRow("both") << true << true;
    QTest::newRow("no header on the first") << false << true;
    QTest::newRow("no footer on the last") << true << false;
}

void TestReportEngine::headerAndFooterOnEveryPage()
{
    QFETCH(bool, onFirst);
    QFETCH(bool, onLast);
    Rows master(numbered(25));
    Report r = bare(master);
    r.page.topMm = 5;
    r.page.bottomMm = 7;
    r.page.headerOnFirstPage = onFirst;
    r.page.footerOnLastPage = onLast;
    r.addBand({.name = "H", .kind = BandKind::PageHeader, .heightMm = 10}).add({.name = "title", .text = "Titel"});
    r.addBand({.name = "F", .kind = BandKind::PageFooter, .heightMm = 8})
        .add({.name = "page", .kind = ItemKind::PageNumber, .leftMm = 90, .topMm = 4, .font = {.pointSize = 6}});
    r.addBand({.name = "D", .heightMm = 10})
        .add({.name = "n", .kind = ItemKind::DataText, .query = &master, .column = "N"});
    ReportLayout layout(r);
    layout.produceAll();
    const int pages = int(layout.pages().size());
    QCOMPARE(pages, 4);
    // 70 mm of body below a header, 80 on a first page without one.
    int firstPageRows = 0;
    for (const Where& w : placings(layout, "D"))
        firstPageRows += w.page == 1;
    QCOMPARE(firstPageRows, onFirst ? 7 : 8);
    QStringList numbers;
    for (const Page& p : layout.pages()) {
        const bool wantHeader = onFirst || p.number > 1;
        const bool wantFooter = onLast || p.number < pages;
        int h = 0, f = 0;
        for (const PlacedBand& b : p.bands) {
            if (b.name == "H") {
                ++h;
                QCOMPARE(b.rectMm.top(), 5.0);
            }
            if (b.name == "F") {
                ++f;
                QCOMPARE(b.rectMm.top(), 100.0 - 7 - 8);
            }
            if (b.name == "D")
                QVERIFY(b.rectMm.top() >= 5 && b.rectMm.bottom() <= 100.0 - 7 - 8 + 1e-9);
        }
        QCOMPARE(h, wantHeader ? 1 : 0);
        QCOMPARE(f, wantFooter ? 1 : 0);
        if (const PlacedItem* n = findItem(p, "page"))
            numbers << n->text();
    }
    QStringList expected;
    for (int n = 1; n <= pages; ++n)
        if (onLast || n < pages)
            expected << QString::number(n);
    QCOMPARE(numbers, expected);
}

void TestReportEngine::emptyMasterGivesOnePage()
{
    Rows master;
    Rows details({{{"L", "x"}}});
    Report r = bare(master);
    int scrolls = 0;
    master.afterScroll = [&] { ++scrolls; };
    r.addBand({.name = "H", .kind = BandKind::PageHeader, .heightMm = 10});
    r.addBand({.name = "F", .kind = BandKind::PageFooter, .heightMm = 10});
    r.addBand({.name = "D", .heightMm = 7, .topRule = true})
        .add({.name = "name", .kind = ItemKind::DataText, .query = &master, .column = "N"});
    r.addBand({.name = "S", .kind = BandKind::SubDetail, .heightMm = 5, .query = &details});
    ReportLayout layout(r);
    layout.produceAll();
    QCOMPARE(int(layout.pages().size()), 1);
    QCOMPARE(scrolls, 1);
    QStringList bands;
    for (const PlacedBand& b : layout.page(0).bands)
        bands << b.name;
    QCOMPARE(bands, (QStringList{"H", "D", "S", "F"}));
    QCOMPARE(findItem(layout.page(0), "name")->text(), QString());
    const PlacedItem& rule = layout.page(0).items.at(0);
    QCOMPARE(rule.kind, PlacedItem::Kind::Rule);
    QCOMPARE(rule.rectMm, QRectF(10, 10, 80, 0));
}

void TestReportEngine::clearedPrintFlagTakesNoSpaceButChildIsProcessed()
{
    Rows master(numbered(3));
    Report r = bare(master);
    // Row 2 clears its detail band; its child still prints, where the band would have been.
    Band& d = r.addBand({.name = "D", .heightMm = 10, .topRule = true, .beforePrint = [&](Band&, bool& print) {
                             print = master.value("N").toInt() != 2;
                         }});
    d.add({.name = "n", .kind = ItemKind::DataText, .query = &master, .column = "N"});
    r.addChild(d, {.name = "C", .heightMm = 4});
    ReportLayout layout(r);
    layout.produceAll();
    QCOMPARE(placings(layout, "D"), (QList<Where>{{1, 0, 10}, {1, 18, 10}}));
    QCOMPARE(placings(layout, "C"), (QList<Where>{{1, 10, 4}, {1, 14, 4}, {1, 28, 4}}));
    int rules = 0, numbers = 0;
    for (const PlacedItem& i : layout.page(0).items)
        (i.kind == PlacedItem::Kind::Rule ? rules : numbers) += 1;
    QCOMPARE(rules, 2);
    QCOMPARE(numbers, 2);
}

void TestReportEngine::pagesComeOneByOne()
{
    Rows master(numbered(30));
    Report r = bare(master);
    r.addBand({.name = "D", .heightMm = 30});
    ReportLayout layout(r);
    QList<int> complete;
    while (layout.produce(1))
        complete << layout.completePages();
    complete << layout.completePages();
    // Three rows to a page: a page is complete once the next one has begun.
    QCOMPARE(complete.first(), 0);
    QCOMPARE(complete.value(3), 1);
    QCOMPARE(complete.last(), 10);
    QVERIFY(std::is_sorted(complete.begin(), complete.end()));
}

void TestReportEngine::previewShowsFirstPageAndGrowsWhileOpen()
{
    Rows master(numbered(4000));
    Report r = bare(master);
    r.title = "Liste";
    r.addBand({.name = "D", .heightMm = 5})
        .add({.name = "n", .kind = ItemKind::DataText, .query = &master, .column = "N"});
    QList<QDialog*> modals;
    PreviewServices services{.runModal = [&](QDialog* d) {
                                 modals << d;
                                 return int(QDialog::Rejected);
                             }};
    PreviewDialog preview(r, services);
    QCOMPARE(preview.windowTitle(), QString("Liste"));
    QVERIFY(preview.windowState() & Qt::WindowMaximized);
    QVERIFY(preview.pageCount() >= 1);
    QVERIFY(!preview.layout().finished());
    QVERIFY(!preview.pageView->pixmap().isNull());
    QVERIFY(preview.producing());
    preview.show();
    QSignalSpy grown(&preview, &PreviewDialog::pagesGrown);
    QVERIFY(QTest::qWaitFor([&] { return grown.count() > 0; }, 5000));
    preview.lastPage();
    QVERIFY(preview.currentPage() > 1);
    // Printing waits for every page, then asks through the service.
    preview.a_print->trigger();
    QVERIFY(preview.layout().finished());
    QCOMPARE(preview.pageCount(), 200);
    QCOMPARE(modals.size(), 1);
    preview.lastPage();
    QCOMPARE(preview.currentPage(), 200);
    QVERIFY(!preview.a_next->isEnabled());
    preview.firstPage();
    QVERIFY(!preview.a_prior->isEnabled());

    Report untitled = bare(master);
    PreviewDialog plain(untitled, services);
    QCOMPARE(plain.windowTitle(), PreviewDialog::defaultCaption());
    QVERIFY(plain.layout().finished());
    plain.setZoom(PreviewDialog::Zoom::Percent, 200);
    QCOMPARE(plain.zoomDpi(), plain.logicalDpiX() * 2);
}

void TestReportEngine::previewExportsEveryPageAsPdf()
{
    Rows master(numbered(40));
    Report r = bare(master);
    r.addBand({.name = "D", .heightMm = 30})
        .add({.name = "n", .kind = ItemKind::DataText, .query = &master, .column = "N"});
    QTemporaryDir dir;
    QStringList asked;
    PreviewServices services{.chooseSaveFile = [&](QWidget*, const QString& caption, const QString&, const QString&) {
        asked << caption;
        return dir.filePath("book");
    }};
    PreviewDialog preview(r, services);
    preview.a_pdf->trigger();
    QCOMPARE(asked, QStringList{"Export PDF"});
    QFile pdf(dir.filePath("book.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), qsizetype(14));
}

void TestReportEngine::previewStopsAtAFailureAndKeepsItsPages()
{
    Rows master(numbered(2000));
    Report r = bare(master);
    r.addBand({.name = "D", .heightMm = 5, .beforePrint = [&](Band&, bool&) {
                   if (master.value("N").toInt() == 500)
                       throw std::runtime_error("lost");
               }});
    QStringList reported;
    PreviewServices services{.showMessage = [](QWidget*, const QString&) {},
                             .guard = [&](const std::function<void()>& command) {
                                 try {
                                     command();
                                     return true;
                                 } catch (const std::exception& e) {
                                     reported << e.what();
                                 }
                                 return false;
                             }};
    PreviewDialog preview(r, services);
    preview.show();
    QVERIFY(QTest::qWaitFor([&] { return !preview.producing(); }, 5000));
    QTest::qWait(50);
    QCOMPARE(reported, QStringList{"lost"});
    QCOMPARE(preview.pageCount(), 24);   // 499 rows at 20 to a page: 24 complete pages
    QVERIFY(preview.pageLabel->text().contains("incomplete"));
    QTemporaryDir dir;
    QVERIFY(preview.writePdf(dir.filePath("part.pdf")));
    QCOMPARE(reported.size(), 1);
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
