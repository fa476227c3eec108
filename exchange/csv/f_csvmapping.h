#pragma once
// The mapping of a CSV file's columns, shown before anything is stored: the
// first rows as read, the preset recognised (changeable), the encoding and
// separator (a change reads the file again, so a wrong guess shows in the
// preview), whether the first row names the columns, the order of dates,
// and above each column what it is for Pellori. Its opener shows it
// modally and reads mapping() when it is accepted.
#include "exchange/Messages.h"
#include "exchange/csv/CsvContacts.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace pellori {

class Tf_csvmapping : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString caption, file, preset, encoding, separator, header, dates, columns, ok, cancel;
        exchange::TextSource fields;   // the captions of the choices, presets and errors
    };
    // Rows of the file shown in the preview.
    static constexpr int kPreviewRows = 12;

    Tf_csvmapping(QWidget* owner, exchange::CsvSource& source, const Texts& texts);

    const exchange::CsvMapping& mapping() const { return m_mapping; }

    QLabel* label_file = nullptr;
    QComboBox* cb_preset = nullptr;
    QComboBox* cb_encoding = nullptr;
    QComboBox* cb_separator = nullptr;
    QCheckBox* chk_header = nullptr;
    QComboBox* cb_dates = nullptr;
    QTableWidget* grid_preview = nullptr;
    QLabel* label_error = nullptr;
    QPushButton* btn_ok = nullptr;
    QPushButton* btn_cancel = nullptr;

private:
    void reread();
    void showMapping();
    void fillPreview();

    exchange::CsvSource& m_source;
    const Texts m_texts;
    exchange::CsvMapping m_mapping;
    bool m_filling = false;
};

} // namespace pellori
