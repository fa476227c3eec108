#pragma once
// What a single-field control needs of its data source: the current row's value
// of one field, a reload whenever that may have changed, writing it back, and
// the focus when a save names the field.
#include "data/FieldValue.h"
#include "widgets/DataSource.h"
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <functional>

class QWidget;

namespace pellori {

class DataSet;
struct FieldDef;

class FieldLink : public QObject {
    Q_OBJECT
public:
    // `reload` shows the current value in the control; `writer` (optional) writes
    // the control's pending input and may throw.
    FieldLink(QWidget* control, std::function<void()> reload, std::function<void()> writer = {});

    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return m_source; }
    void setField(const QString& name);
    const QString& fieldName() const { return m_field; }

    DataSet* dataSet() const;
    const FieldDef* field() const;           // nullptr when unbound or unknown
    bool hasRow() const;                     // open, with a current row
    QVariant value() const;                  // current row's value (null without a row)
    QString text() const;                    // current row's display text
    bool canWrite() const;
    // How the bound data set stores text (ISO-8859-1 when unbound).
    TextEncoding encoding() const;
    void write(const QVariant& value);       // throws

    bool isLoading() const { return m_loading; }
    void reload();

private:
    QWidget* m_control;
    std::function<void()> m_reload;
    std::function<void()> m_writer;
    QPointer<DataSource> m_source;
    QString m_field;
    bool m_loading = false;
    bool m_writing = false;
};

} // namespace pellori
