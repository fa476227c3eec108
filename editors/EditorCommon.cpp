#include "editors/EditorCommon.h"

#include "dialogs/f_notimplemented.h"
#include "settings/Language.h"
#include "widgets/CommandGuard.h"
#include "widgets/Session.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QDialog>

namespace pellori::editor {

QFont windowFont()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    return f;
}

void setUpWindow(QDialog* window, const QString& objectName, const QString& caption)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint);
    window->setFont(windowFont());
}

QFont fieldFont()
{
    QFont f = windowFont();
    f.setBold(true);
    return f;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->move(left, top);
    l->adjustSize();
    return l;
}

QLabel* picture(QWidget* parent, Picture which, const QRect& place)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("Image1"));
    l->setGeometry(place);
    l->setPixmap(pelloriPicture(which, place.size()));
    return l;
}

QMenu* addHelpMenu(QMenuBar* bar, Session& session, QWidget* window, const QString& title, const QString& helpText)
{
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QStringLiteral("m_info"));
    if (QAction* faq = session.faqAction())
        menu->addAction(faq);
    menu->addSeparator();
    QAction* help = menu->addAction(helpText);
    help->setObjectName(QStringLiteral("m_help"));
    onTriggered(help, window, [window] { showNotImplemented(window); });
    return menu;
}

} // namespace pellori::editor
