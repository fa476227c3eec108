#pragma once
// The about window: emblem, product, edition, version and the download link.
// Its opener shows it modally and destroys it right after.
#include <QDialog>

class QLabel;
class QPushButton;

namespace pellori {

class TURLLabel;

class Tf_copyright : public QDialog {
    Q_OBJECT
public:
    explicit Tf_copyright(QWidget* owner);

private:
    QLabel* Image1 = nullptr;
    QLabel* label_vendor = nullptr;
    QLabel* label_product = nullptr;
    QLabel* label_edition = nullptr;
    QLabel* label_version = nullptr;
    TURLLabel* URLLabel1 = nullptr;
    QPushButton* btn_ok = nullptr;
};

} // namespace pellori
