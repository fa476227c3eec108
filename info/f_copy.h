#pragma once
// The about window: emblem, product, edition, version and the download link.
// Its opener shows it modally and destroys it right after.
#include <QDialog>

namespace pellori {

class Tf_copyright : public QDialog {
    Q_OBJECT
public:
    explicit Tf_copyright(QWidget* owner);
};

} // namespace pellori
