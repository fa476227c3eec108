#pragma once
// The OK and Cancel buttons of a small dialog, named as every window names
// them (btn_ok, btn_cancel), side by side at the right: OK is the default
// button and accepts, Cancel rejects.
class QDialog;
class QHBoxLayout;
class QPushButton;
class QString;

namespace pellori {

struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QHBoxLayout* row;   // for the caller's layout to take
};

DialogButtons okCancelButtons(QDialog* dialog, const QString& okText, const QString& cancelText);

} // namespace pellori
