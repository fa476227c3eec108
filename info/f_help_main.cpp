#include "info/f_help_main.h"

#include "widgets/OuterGeometry.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTextEdit>

namespace pellori {
namespace {

constexpr int kLeft = 24;
constexpr int kTextWidth = 568;

QFont pixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace

OuterGeometry* dockToWorkAreaRight(QWidget* window, int width, bool fixedSize)
{
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    auto* outer = new OuterGeometry(window);
    outer->setFixedSize(fixedSize);
    // The frame counts: the whole window, title bar and border too, stays on the work area.
    outer->setOuterRect(QRect(work.x() + work.width() - width, work.y(), width, work.height()));
    return outer;
}

Tf_main_help::Tf_main_help(QWidget* owner)
    : QMainWindow(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("f_main_help"));
    setWindowTitle(QStringLiteral("Help"));

    m_menu.file = menuBar()->addMenu(QStringLiteral("&File"));
    m_menu.file->setObjectName(QStringLiteral("m_file"));
    m_menu.print = m_menu.file->addAction(QStringLiteral("&Print"));
    m_menu.print->setObjectName(QStringLiteral("m_print"));
    m_menu.file->addSeparator();
    m_menu.close = m_menu.file->addAction(QStringLiteral("&Close"));
    m_menu.close->setObjectName(QStringLiteral("m_close"));
    connect(m_menu.close, &QAction::triggered, this, &QWidget::close);

    auto* page = new QWidget(this);
    page->setAutoFillBackground(true);
    QPalette white = page->palette();
    white.setColor(QPalette::Window, Qt::white);
    page->setPalette(white);
    setCentralWidget(page);

    label_help = new QLabel(QStringLiteral("Help"), page);
    label_help->setObjectName(QStringLiteral("label_help"));
    label_help->setFont(pixelFont(QStringLiteral("Verdana"), 48, true));
    label_help->setGeometry(kLeft, 8, 300, 60);

    RichEdit1 = new QTextEdit(page);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setFont(pixelFont(QStringLiteral("Verdana"), 27, true));
    RichEdit1->setPlainText(QStringLiteral("This program mangages a firebird-\n"
                                           "database concerning contacts, \n"
                                           "adresses, phone-numbers, emails, \n"
                                           "etc."));
    RichEdit1->setGeometry(kLeft, 76, kTextWidth, 150);

    RichEdit2 = new QTextEdit(page);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    RichEdit2->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 19));
    RichEdit2->setPlainText(QStringLiteral("All contacts (firms and persons) are listet in the main menu."));
    RichEdit2->setGeometry(kLeft, 236, kTextWidth, 60);

    label_details = new QLabel(page);
    label_details->setObjectName(QStringLiteral("label_details"));
    label_details->setFont(pixelFont(QStringLiteral("Verdana"), 19));
    label_details->setWordWrap(true);
    label_details->setText(QStringLiteral("To get more detailed information you can either mouse-right-click and choose "
                                          "\"show details\" or you can choose the same menu from the menu-bar."));
    label_details->setGeometry(kLeft, 306, 420, 140);

    dockToWorkAreaRight(this, kWidth);
}

void Tf_main_help::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The two text boxes follow the window's width, keeping their right margin.
    const int rightMargin = kWidth - kLeft - kTextWidth;
    const int w = qMax(0, centralWidget()->width() - kLeft - rightMargin);
    RichEdit1->resize(w, RichEdit1->height());
    RichEdit2->resize(w, RichEdit2->height());
}

} // namespace pellori
