#include "printing/engine/PreviewDialog.h"

#include "printing/engine/PagePainter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>

namespace pellori::report {

namespace {

// How long one slice of page production may hold the user-interface thread.
constexpr int kSliceMs = 25;
constexpr double kMmPerInch = 25.4;
constexpr int kPageGapPx = 16;

struct Zoomed {
    const char* text;
    PreviewDialog::Zoom mode;
    int percent;
};
const Zoomed kZooms[] = {
    {"Fit width", PreviewDialog::Zoom::FitWidth, 0}, {"Fit page", PreviewDialog::Zoom::FitPage, 0},
    {"50%", PreviewDialog::Zoom::Percent, 50},       {"75%", PreviewDialog::Zoom::Percent, 75},
    {"100%", PreviewDialog::Zoom::Percent, 100},     {"150%", PreviewDialog::Zoom::Percent, 150},
    {"200%", PreviewDialog::Zoom::Percent, 200},
};

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

QString suggestedPdfName(const QString& title)
{
    QString name = title.trimmed();
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    return (name.isEmpty() ? QStringLiteral("report") : name) + QStringLiteral(".pdf");
}

} // namespace

PreviewServices PreviewServices::plain()
{
    PreviewServices s;
    s.runModal = [](QDialog* dialog) { return dialog->exec(); };
    s.chooseSaveFile = [](QWidget* parent, const QString& caption, const QString& filter, const QString& name) {
        return QFileDialog::getSaveFileName(parent, caption, name, filter);
    };
    s.showMessage = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, QApplication::applicationName(), text);
    };
    s.guard = [](const std::function<void()>& command) {
        try {
            command();
            return true;
        } catch (const std::exception& e) {
            QMessageBox::warning(nullptr, QApplication::applicationName(), QString::fromLocal8Bit(e.what()));
        }
        return false;
    };
    return s;
}

QString PreviewDialog::defaultCaption() { return QStringLiteral("Print Preview"); }

PreviewDialog::PreviewDialog(Report& report, PreviewServices services, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint),
      m_report(report), m_services(std::move(services)), m_layout(std::make_unique<ReportLayout>(report)),
      m_printer(QPrinter::HighResolution)
{
    const PreviewServices fallback = PreviewServices::plain();
    if (!m_services.runModal)
        m_services.runModal = fallback.runModal;
    if (!m_services.chooseSaveFile)
        m_services.chooseSaveFile = fallback.chooseSaveFile;
    if (!m_services.showMessage)
        m_services.showMessage = fallback.showMessage;
    if (!m_services.guard)
        m_services.guard = fallback.guard;

    setObjectName(QStringLiteral("PreviewDialog"));
    setWindowTitle(report.title.isEmpty() ? defaultCaption() : report.title);
    setUpPrinter(m_printer, report);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("previewToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    a_first = addCommand(QStringLiteral("First"), QKeySequence(Qt::CTRL | Qt::Key_Home), &PreviewDialog::firstPage);
    a_prior = addCommand(QStringLiteral("Previous"), QKeySequence(Qt::Key_PageUp), &PreviewDialog::priorPage);
    a_next = addCommand(QStringLiteral("Next"), QKeySequence(Qt::Key_PageDown), &PreviewDialog::nextPage);
    a_last = addCommand(QStringLiteral("Last"), QKeySequence(Qt::CTRL | Qt::Key_End), &PreviewDialog::lastPage);
    bar->addActions({a_first, a_prior, a_next, a_last});
    bar->addSeparator();
    zoomBox = new QComboBox(bar);
    zoomBox->setObjectName(QStringLiteral("zoomBox"));
    for (const Zoomed& z : kZooms)
        zoomBox->addItem(QString::fromLatin1(z.text));
    zoomBox->setCurrentIndex(1);
    bar->addWidget(zoomBox);
    bar->addSeparator();
    a_setup = addCommand(QStringLiteral("Printer setup..."), {}, &PreviewDialog::printerSetup);
    a_print = addCommand(QStringLiteral("Print..."), QKeySequence(Qt::CTRL | Qt::Key_P), &PreviewDialog::print);
    a_pdf = addCommand(QStringLiteral("Export PDF..."), {}, &PreviewDialog::exportPdf);
    bar->addActions({a_setup, a_print, a_pdf});
    bar->addSeparator();
    a_close = new QAction(QStringLiteral("Close"), this);
    a_close->setObjectName(QStringLiteral("a_close"));
    connect(a_close, &QAction::triggered, this, &QDialog::reject);
    bar->addAction(a_close);
    bar->addSeparator();
    pageLabel = new QLabel(bar);
    pageLabel->setObjectName(QStringLiteral("pageLabel"));
    bar->addWidget(pageLabel);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("pageArea"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    pageView = new QLabel;
    pageView->setObjectName(QStringLiteral("pageView"));
    m_scroll->setWidget(pageView);

    noteLabel = new QLabel(this);
    noteLabel->setObjectName(QStringLiteral("noteLabel"));
    noteLabel->setWordWrap(true);
    noteLabel->setContentsMargins(8, 4, 8, 4);
    noteLabel->hide();

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(bar);
    box->addWidget(noteLabel);
    box->addWidget(m_scroll, 1);

    connect(zoomBox, &QComboBox::activated, this, [this](int index) {
        setZoom(kZooms[index].mode, kZooms[index].percent);
    });
    m_producer.setInterval(0);
    connect(&m_producer, &QTimer::timeout, this, &PreviewDialog::produceSlice);

    // The first page before the window shows; the rest while it is open.
    m_layout->produceUntil(1);
    if (!m_layout->finished())
        m_producer.start();
    resize(900, 700);
    setWindowState(Qt::WindowMaximized);
    refreshStatus();
    renderCurrent();
}

PreviewDialog::~PreviewDialog() { m_producer.stop(); }

QAction* PreviewDialog::addCommand(const QString& text, const QKeySequence& key, void (PreviewDialog::*command)())
{
    auto* action = new QAction(text, this);
    if (!key.isEmpty())
        action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, command] { m_services.guard([this, command] { (this->*command)(); }); });
    addAction(action);
    return action;
}

void PreviewDialog::produceSlice()
{
    // Stopped while the slice runs: a failure's message box must not let the next
    // slice start inside it.
    m_producer.stop();
    QElapsedTimer slice;
    slice.start();
    const bool ok = m_services.guard([&] {
        while (slice.elapsed() < kSliceMs && m_layout->produce(1)) {
        }
    });
    if (!ok)
        m_failed = true;   // the pages so far stay readable and printable; no more are made
    else if (m_layout->finished())
        emit layoutFinished();
    else if (isVisible())
        m_producer.start();
    refreshStatus();
}

void PreviewDialog::finishLayout()
{
    if (m_layout->finished() || m_failed)
        return;
    m_producer.stop();
    try {
        WaitCursor wait;
        m_layout->produceAll();
    } catch (...) {
        m_failed = true;
        refreshStatus();
        throw;
    }
    refreshStatus();
    emit layoutFinished();
}

void PreviewDialog::refreshStatus()
{
    const int count = pageCount();
    QString text = QStringLiteral("Page %1 of %2").arg(m_page).arg(count);
    if (m_failed)
        text += QStringLiteral(" (incomplete)");
    else if (!m_layout->finished())
        text += QStringLiteral("...");
    pageLabel->setText(text);
    a_first->setEnabled(m_page > 1);
    a_prior->setEnabled(m_page > 1);
    a_next->setEnabled(m_page < count);
    a_last->setEnabled(m_page < count);
    if (count != m_shownComplete) {
        m_shownComplete = count;
        emit pagesGrown(count);
    }
}

void PreviewDialog::setNote(const QString& text)
{
    noteLabel->setText(text);
    noteLabel->setVisible(!text.isEmpty());
}

void PreviewDialog::goToPage(int number)
{
    number = qBound(1, number, qMax(1, pageCount()));
    if (number == m_page)
        return;
    m_page = number;
    refreshStatus();
    renderCurrent();
    m_scroll->verticalScrollBar()->setValue(0);
}

void PreviewDialog::setZoom(Zoom mode, int percent)
{
    m_zoom = mode;
    m_percent = qBound(10, percent, 800);
    for (int i = 0; i < int(std::size(kZooms)); ++i)
        if (kZooms[i].mode == mode && (mode != Zoom::Percent || kZooms[i].percent == m_percent))
            zoomBox->setCurrentIndex(i);
    renderCurrent();
}

void PreviewDialog::renderCurrent()
{
    const PageSetup& setup = m_report.page;
    // The whole area, not the viewport of the moment: a page fitted to the width is
    // taller than the area and brings its vertical scroll bar.
    QSize room = m_scroll->contentsRect().size() - QSize(kPageGapPx, kPageGapPx);
    if (m_zoom == Zoom::FitWidth)
        room.rwidth() -= m_scroll->verticalScrollBar()->sizeHint().width();
    const double byWidth = room.width() / setup.pageWidthMm() * kMmPerInch;
    const double byHeight = room.height() / setup.pageHeightMm() * kMmPerInch;
    switch (m_zoom) {
    case Zoom::FitWidth: m_dpi = int(byWidth); break;
    case Zoom::FitPage: m_dpi = int(qMin(byWidth, byHeight)); break;
    case Zoom::Percent: m_dpi = logicalDpiX() * m_percent / 100; break;
    }
    m_dpi = qMax(10, m_dpi);
    if (pageCount() < 1)
        return;
    const QImage image = renderPage(m_layout->page(m_page - 1), setup, m_dpi);
    pageView->setPixmap(QPixmap::fromImage(image));
    pageView->resize(image.size());
}

void PreviewDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_zoom != Zoom::Percent)
        renderCurrent();
}

void PreviewDialog::done(int result)
{
    m_producer.stop();
    QDialog::done(result);
}

void PreviewDialog::printerSetup()
{
    QPageSetupDialog dialog(&m_printer, this);
    m_services.runModal(&dialog);
}

void PreviewDialog::print()
{
    finishLayout();
    const int count = pageCount();
    QPrintDialog dialog(&m_printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies
                      | QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, count);
    if (m_services.runModal(&dialog) != QDialog::Accepted)
        return;
    int from = 1, to = count;
    if (m_printer.printRange() == QPrinter::PageRange && m_printer.fromPage() > 0) {
        from = m_printer.fromPage();
        to = m_printer.toPage() > 0 ? m_printer.toPage() : count;
    }
    WaitCursor wait;
    if (!printPages(m_printer, *m_layout, from, to))
        m_services.showMessage(this, QStringLiteral("The printer could not be started."));
}

void PreviewDialog::exportPdf()
{
    QString path = m_services.chooseSaveFile(this, QStringLiteral("Export PDF"), QStringLiteral("PDF files (*.pdf)"),
                                             suggestedPdfName(m_report.title));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    finishLayout();
    WaitCursor wait;
    if (!writePdf(path))
        m_services.showMessage(this, QStringLiteral("The file \"%1\" could not be written.").arg(path));
}

bool PreviewDialog::writePdf(const QString& path)
{
    finishLayout();
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    setUpPrinter(pdf, m_report);
    pdf.setCopyCount(1);
    return printPages(pdf, *m_layout, 1, pageCount());
}

} // namespace pellori::report
