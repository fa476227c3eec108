#include "info/f_notimplemented.h"

#include "info/f_help_main.h"
#include "services/CommandGuard.h"
#include "services/Session.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace pellori {

Tf_not_implemented::Tf_not_implemented(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("f_not_implemented"));
    setWindowTitle(QStringLiteral("Not implemented yet"));
    resize(kWidth, 107);

    label_sorry = new QLabel(QStringLiteral("Sorry-not implemented yet"), this);
    label_sorry->setObjectName(QStringLiteral("label_sorry"));
    label_sorry->setGeometry(16, 24, 190, 16);

    btn_close = new QPushButton(QStringLiteral("Close"), this);
    btn_close->setObjectName(QStringLiteral("btn_close"));
    btn_close->setGeometry(68, 56, 75, 25);
    connect(btn_close, &QPushButton::clicked, this, &QWidget::close);

    dockToWorkAreaRight(this, outerWidth(), true);
}

int Tf_not_implemented::outerWidth() const
{
    // The title bar holds the caption (in a bold title font, as most window
    // managers draw it), the icon and the close button.
    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.15);
    const int caption = QFontMetrics(title).horizontalAdvance(windowTitle());
    return qMax(kWidth, caption + 96);
}

void showNotImplemented(QWidget* owner)
{
    auto* notice = new Tf_not_implemented(owner);
    notice->show();
}

HelpMenu addHelpMenu(QMenuBar* bar, Session& session, QWidget* window, const QString& title, const QString& helpText,
                     const char* menuName)
{
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(menuName));
    if (QAction* faq = session.faqAction())
        menu->addAction(faq);
    menu->addSeparator();
    QAction* help = menu->addAction(helpText);
    help->setObjectName(QStringLiteral("m_help"));
    onTriggered(help, window, [window] { showNotImplemented(window); });
    return {menu, help};
}

} // namespace pellori
