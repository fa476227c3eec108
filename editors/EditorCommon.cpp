#include "editors/EditorCommon.h"

#include "settings/Language.h"

#include <QDialog>
#include <QLabel>

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

} // namespace pellori::editor
