#pragma once
// The birthdays of the next two weeks, today first, with the age each person
// turns. Its opener fills it, shows it modally and keeps the start-up choice
// its check box makes.
#include "printing/birthdays/UpcomingBirthdays.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace pellori {

class TLang;

class Tf_upcomingbirthdays : public QDialog {
    Q_OBJECT
public:
    // `showAtStart`: the check box's state; `atStartChanged` is told each change.
    Tf_upcomingbirthdays(QWidget* owner, const TLang& lang, const QList<birthdays::UpcomingBirthday>& list,
                         bool showAtStart, std::function<void(bool)> atStartChanged);

    QLabel* label_heading = nullptr;
    QTreeWidget* tv_birthdays = nullptr;
    QCheckBox* cb_atstart = nullptr;
    QPushButton* btn_close = nullptr;
};

} // namespace pellori
