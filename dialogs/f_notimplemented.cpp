#include "dialogs/f_notimplemented.h"

#include "dialogs/f_help_main.h"

#include <QLabel>
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

    dockToWorkAreaRight(this, kWidth);
}

void Tf_not_implemented::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_docked) {
        m_docked = true;
        dockToWorkAreaRight(this, kWidth);
        // A fixed border: the width stays as docked.
        setFixedWidth(width());
    }
}

void showNotImplemented(QWidget* owner)
{
    auto* notice = new Tf_not_implemented(owner);
    notice->show();
}

} // namespace pellori
