#pragma once
// The modal print preview of a report. It lays out the first page before it
// shows, then produces the rest in slices on the user-interface thread, its
// page count growing while the user already reads, zooms, prints or closes.
// Printing and the PDF export wait until every page is laid out.
//
// The engine knows nothing of the program's message service: the caller hands
// in how to run a dialog modally, ask for a file, show a message and run a
// command so that its errors are reported.
#include "printing/engine/ReportLayout.h"

#include <QDialog>
#include <QPrinter>
#include <QTimer>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QScrollArea;

namespace pellori::report {

struct PreviewServices {
    std::function<int(QDialog* dialog)> runModal;
    std::function<QString(QWidget* parent, const QString& caption, const QString& filter, const QString& suggestedName)>
        chooseSaveFile;
    std::function<void(QWidget* parent, const QString& text)> showMessage;
    // Runs one user command; false when it failed (the service has reported why).
    std::function<bool(const std::function<void()>& command)> guard;

    // Real dialogs, errors shown in a message box: for callers without a service of their own.
    static PreviewServices plain();
};

class PreviewDialog : public QDialog {
    Q_OBJECT
public:
    // Lays out the first page; an error there leaves the constructor.
    PreviewDialog(Report& report, PreviewServices services, QWidget* parent = nullptr);
    ~PreviewDialog() override;

    static QString defaultCaption();

    const ReportLayout& layout() const { return *m_layout; }
    int currentPage() const { return m_page; }           // from 1
    int pageCount() const { return m_layout->completePages(); }
    bool producing() const { return m_producer.isActive(); }

    enum class Zoom { FitWidth, FitPage, Percent };
    void setZoom(Zoom mode, int percent = 100);
    int zoomDpi() const { return m_dpi; }                // the resolution the page is shown at

    // The tool bar's commands.
    void goToPage(int number);
    void firstPage() { goToPage(1); }
    void priorPage() { goToPage(m_page - 1); }
    void nextPage() { goToPage(m_page + 1); }
    void lastPage() { goToPage(pageCount()); }
    void printerSetup();
    void print();
    void exportPdf();
    // Every page into a PDF file; false when the file cannot be written.
    bool writePdf(const QString& path);
    // A line under the tool bar that tells the reader something the pages do not
    // (what was left out, say); hidden while empty. It is not printed.
    void setNote(const QString& text);

    QAction *a_first, *a_prior, *a_next, *a_last, *a_setup, *a_print, *a_pdf, *a_close;
    QComboBox* zoomBox;
    QLabel* pageLabel;
    QLabel* pageView;
    QLabel* noteLabel;

signals:
    void pagesGrown(int complete);
    void layoutFinished();

protected:
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void produceSlice();
    void finishLayout();
    void refreshStatus();
    void renderCurrent();
    QAction* addCommand(const QString& text, const QKeySequence& key, void (PreviewDialog::*command)());

    Report& m_report;
    PreviewServices m_services;
    std::unique_ptr<ReportLayout> m_layout;
    QPrinter m_printer;
    QTimer m_producer;
    QScrollArea* m_scroll;
    int m_page = 1;
    int m_shownComplete = 0;
    Zoom m_zoom = Zoom::FitPage;
    int m_percent = 100;
    int m_dpi = 96;
    bool m_failed = false;
};

} // namespace pellori::report
