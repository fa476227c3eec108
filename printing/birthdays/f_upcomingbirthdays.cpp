#include "printing/birthdays/f_upcomingbirthdays.h"

#include "services/CommandGuard.h"
#include "settings/Language.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pellori {

using namespace birthdays;

Tf_upcomingbirthdays::Tf_upcomingbirthdays(QWidget* owner, const TLang& lang, const QList<UpcomingBirthday>& list,
                                           bool showAtStart, std::function<void(bool)> atStartChanged)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("f_upcomingbirthdays"));
    setWindowTitle(lang.text(QStringLiteral("birthdays_caption")));
    const QString days = QString::number(kUpcomingDays);

    label_heading = new QLabel(this);
    label_heading->setObjectName(QStringLiteral("label_heading"));
    label_heading->setText(lang.text(list.isEmpty() ? QStringLiteral("birthdays_none") : QStringLiteral("birthdays_heading"))
                               .replace(QStringLiteral("%DAYS%"), days));

    tv_birthdays = new QTreeWidget(this);
    tv_birthdays->setObjectName(QStringLiteral("tv_birthdays"));
    tv_birthdays->setRootIsDecorated(false);
    tv_birthdays->setHeaderLabels({lang.text(QStringLiteral("birthdays_day")), lang.text(QStringLiteral("birthdays_name")),
                                   lang.text(QStringLiteral("birthdays_age"))});
    for (const UpcomingBirthday& b : list) {
        auto* row = new QTreeWidgetItem(tv_birthdays, {dayText(lang, b), nameText(lang, b),
                                                       b.age > 0 ? QString::number(b.age) : QString()});
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        if (b.daysAhead == 0) {
            QFont bold = row->font(0);
            bold.setBold(true);
            for (int c = 0; c < 3; ++c)
                row->setFont(c, bold);
        }
    }
    tv_birthdays->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    tv_birthdays->header()->setStretchLastSection(false);
    tv_birthdays->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tv_birthdays->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    tv_birthdays->setVisible(!list.isEmpty());
    tv_birthdays->setMinimumSize(460, 220);
    if (!list.isEmpty())
        tv_birthdays->setCurrentItem(tv_birthdays->topLevelItem(0));

    cb_atstart = new QCheckBox(lang.text(QStringLiteral("birthdays_atstart")), this);
    cb_atstart->setObjectName(QStringLiteral("cb_atstart"));
    cb_atstart->setChecked(showAtStart);
    onSignal(cb_atstart, &QCheckBox::toggled, this, [this, atStartChanged = std::move(atStartChanged)] {
        if (atStartChanged)
            atStartChanged(cb_atstart->isChecked());
    });

    btn_close = new QPushButton(lang.text(QStringLiteral("close")), this);
    btn_close->setObjectName(QStringLiteral("btn_close"));
    btn_close->setDefault(true);
    connect(btn_close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cb_atstart, 1);
    buttons->addWidget(btn_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_heading);
    layout->addWidget(tv_birthdays, 1);
    layout->addLayout(buttons);
}

} // namespace pellori
