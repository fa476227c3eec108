#include "services/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace pellori {

DialogButtons okCancelButtons(QDialog* dialog, const QString& okText, const QString& cancelText)
{
    DialogButtons b{.ok = new QPushButton(okText, dialog), .cancel = new QPushButton(cancelText, dialog),
                    .row = new QHBoxLayout};
    b.ok->setObjectName(QStringLiteral("btn_ok"));
    b.ok->setDefault(true);
    b.cancel->setObjectName(QStringLiteral("btn_cancel"));
    QObject::connect(b.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(b.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    b.row->addStretch();
    b.row->addWidget(b.ok);
    b.row->addWidget(b.cancel);
    return b;
}

} // namespace pellori
