#include "exchange/csv/f_csvmapping.h"

#include "exchange/csv/CsvMessages.h"
#include "services/DialogButtons.h"
#include "widgets/AccessibleNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pellori {

using namespace exchange;

namespace {

QComboBox* box(QWidget* parent, const char* name)
{
    auto* b = new QComboBox(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

Tf_csvmapping::Tf_csvmapping(QWidget* owner, CsvSource& source, const Texts& texts)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                         | Qt::WindowMaximizeButtonHint),
      m_source(source), m_texts(texts)
{
    setObjectName(QStringLiteral("f_csvmapping"));
    setWindowTitle(texts.caption);
    resize(900, 560);

    label_file = new QLabel(texts.file, this);
    label_file->setObjectName(QStringLiteral("label_file"));
    cb_preset = box(this, "cb_preset");
    cb_preset->addItem(presetCaption(-1, texts.fields), -1);
    for (int i = 0; i < presets().size(); ++i)
        cb_preset->addItem(presetCaption(i, texts.fields), i);
    cb_encoding = box(this, "cb_encoding");
    for (const EncodingInfo& e : encodings())
        cb_encoding->addItem(QString::fromLatin1(e.name), int(e.encoding));
    cb_separator = box(this, "cb_separator");
    for (const QChar sep : {QChar(u','), QChar(u';'), QChar(u'\t')})
        cb_separator->addItem(separatorCaption(sep, texts.fields), sep);
    cb_dates = box(this, "cb_dates");
    for (const DateOrder d : {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay})
        cb_dates->addItem(dateOrderCaption(d, texts.fields), int(d));
    // After the dates, as it stands on their row: Tab goes left to right.
    chk_header = new QCheckBox(texts.header, this);
    chk_header->setObjectName(QStringLiteral("chk_header"));

    grid_preview = new QTableWidget(this);
    grid_preview->setObjectName(QStringLiteral("grid_preview"));
    grid_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the column boxes and Import; arrows move within it.
    grid_preview->setTabKeyNavigation(false);
    grid_preview->verticalHeader()->setVisible(true);
    label_error = new QLabel(this);
    label_error->setObjectName(QStringLiteral("label_error"));
    label_error->setWordWrap(true);
    label_error->setStyleSheet(QStringLiteral("color: #a00000"));

    const DialogButtons buttons = okCancelButtons(this, texts.ok, texts.cancel);
    btn_ok = buttons.ok;
    btn_cancel = buttons.cancel;

    auto* form = new QFormLayout;
    form->addRow(texts.preset, cb_preset);
    auto* reading = new QHBoxLayout;
    reading->addWidget(new QLabel(texts.encoding, this));
    reading->addWidget(cb_encoding);
    reading->addSpacing(12);
    reading->addWidget(new QLabel(texts.separator, this));
    reading->addWidget(cb_separator);
    reading->addSpacing(12);
    reading->addWidget(new QLabel(texts.dates, this));
    reading->addWidget(cb_dates);
    reading->addStretch();
    buttons.row->insertWidget(0, label_error, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_file);
    layout->addLayout(form);
    layout->addLayout(reading);
    // A row of its own, so that the window fits a small screen at twice the scale.
    layout->addWidget(chk_header);
    layout->addWidget(new QLabel(texts.columns, this));
    layout->addWidget(grid_preview, 1);
    layout->addLayout(buttons.row);

    connect(cb_preset, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        m_mapping = m_source.mappingFor(cb_preset->currentData().toInt());
        showMapping();
    });
    connect(cb_encoding, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        m_source.setEncoding(Encoding(cb_encoding->currentData().toInt()));
        reread();
    });
    connect(cb_separator, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        m_source.setSeparator(cb_separator->currentData().toChar());
        reread();
    });
    connect(chk_header, &QCheckBox::toggled, this, [this](bool on) {
        if (m_filling)
            return;
        m_mapping.header = on;
        fillPreview();
    });
    connect(cb_dates, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            m_mapping.dateOrder = DateOrder(cb_dates->currentData().toInt());
    });
    reread();
}

// The file read again in the chosen encoding and separator: its preset and
// columns found anew.
void Tf_csvmapping::reread()
{
    m_mapping = m_source.read().error ? CsvMapping{} : m_source.detectMapping();
    showMapping();
}

void Tf_csvmapping::showMapping()
{
    m_filling = true;
    cb_preset->setCurrentIndex(cb_preset->findData(m_mapping.preset));
    cb_encoding->setCurrentIndex(cb_encoding->findData(int(m_source.encoding())));
    cb_separator->setCurrentIndex(cb_separator->findData(m_source.separator()));
    chk_header->setChecked(m_mapping.header);
    cb_dates->setCurrentIndex(cb_dates->findData(int(m_mapping.dateOrder)));
    m_filling = false;
    fillPreview();
}

void Tf_csvmapping::fillPreview()
{
    const bool failed = m_source.read().error.has_value();
    label_error->setText(failed ? csvErrorText(*m_source.read().error, m_texts.fields) : QString());
    btn_ok->setEnabled(!failed);
    cb_preset->setEnabled(!failed);
    chk_header->setEnabled(!failed);
    grid_preview->clear();
    if (failed) {
        grid_preview->setRowCount(0);
        grid_preview->setColumnCount(0);
        return;
    }
    const CsvTable& table = m_source.table();
    const int first = m_mapping.header ? 1 : 0;
    const int rows = std::min(kPreviewRows, table.rowCount() - first);
    grid_preview->setColumnCount(table.columnCount());
    grid_preview->setRowCount(rows + 1);
    const QStringList headers = m_source.headers(m_mapping);
    grid_preview->setHorizontalHeaderLabels(headers);
    QStringList lines{QString()};
    for (int r = 0; r < rows; ++r)
        lines << QString::number(table.line(first + r));
    grid_preview->setVerticalHeaderLabels(lines);
    QWidget* previous = grid_preview;
    for (int c = 0; c < table.columnCount(); ++c) {
        // The first row of the grid: what the column is for Pellori.
        auto* choice = new QComboBox(grid_preview);
        choice->setObjectName(QStringLiteral("cb_column%1").arg(c + 1));
        const QList<FieldChoice> choices = choicesFor(m_mapping.columns.value(c));
        for (int i = 0; i < choices.size(); ++i)
            choice->addItem(choiceCaption(choices[i], m_texts.fields));
        choice->setCurrentIndex(int(choices.indexOf(m_mapping.columns.value(c))));
        connect(choice, &QComboBox::currentIndexChanged, this, [this, c, choices](int i) {
            if (i >= 0 && c < m_mapping.columns.size())
                m_mapping.columns[c] = choices[i];
        });
        // Named by its column's title above it; reached by Tab after the grid, left to right.
        grid_preview->setCellWidget(0, c, choice);
        nameChoiceBox(choice, headers[c]);
        QWidget::setTabOrder(previous, choice);
        previous = choice;
        for (int r = 0; r < rows; ++r)
            grid_preview->setItem(r + 1, c, new QTableWidgetItem(table.field(first + r, c).toString()));
    }
    QWidget::setTabOrder(previous, btn_ok);
    // The grid's current cell on a row of the file: on the row of boxes the
    // grid would hand its focus to the first box, and Tab would stand still once.
    if (rows > 0)
        grid_preview->selectionModel()->setCurrentIndex(grid_preview->model()->index(1, 0), QItemSelectionModel::NoUpdate);
    grid_preview->resizeColumnsToContents();
    for (int c = 0; c < table.columnCount(); ++c)
        grid_preview->setColumnWidth(c, std::clamp(grid_preview->columnWidth(c), 120, 260));
}

} // namespace pellori
