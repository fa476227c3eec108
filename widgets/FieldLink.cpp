#include "widgets/FieldLink.h"

#include "data/DataSet.h"
#include "widgets/DataSource.h"

#include <QWidget>

namespace pellori {

FieldLink::FieldLink(QWidget* control, std::function<void()> reload, std::function<void()> writer)
    : QObject(control), m_control(control), m_reload(std::move(reload)), m_writer(std::move(writer))
{
}

void FieldLink::setDataSource(DataSource* source)
{
    if (m_source) {
        disconnect(m_source, nullptr, this, nullptr);
        m_source->removeWriters(this);
    }
    m_source = source;
    if (source) {
        connect(source, &DataSource::dataSetChanged, this, &FieldLink::reload);
        connect(source, &DataSource::currentChanged, this, &FieldLink::reload);
        connect(source, &DataSource::stateChanged, this, &FieldLink::reload);
        connect(source, &DataSource::rowChanged, this, [this](int row) {
            const DataSet* ds = dataSet();
            if (ds && row == ds->recNo())
                reload();
        });
        connect(source, &DataSource::focusFieldRequested, this, [this](const QString& name) {
            if (name.compare(m_field, Qt::CaseInsensitive) == 0)
                m_control->setFocus(Qt::OtherFocusReason);
        });
        if (m_writer)
            source->addWriter(this, m_writer);
    }
    reload();
}

void FieldLink::setField(const QString& name)
{
    m_field = name;
    reload();
}

DataSet* FieldLink::dataSet() const { return m_source ? m_source->dataSet() : nullptr; }

const FieldDef* FieldLink::field() const
{
    DataSet* ds = dataSet();
    const int fi = ds ? ds->fieldIndex(m_field) : -1;
    return fi >= 0 ? &ds->fields()[fi] : nullptr;
}

bool FieldLink::hasRow() const
{
    const DataSet* ds = dataSet();
    return ds && ds->isOpen() && ds->recNo() >= 0 && ds->recNo() < ds->rowCount() && ds->fieldIndex(m_field) >= 0;
}

QVariant FieldLink::value() const { return hasRow() ? dataSet()->value(m_field) : QVariant(); }

QString FieldLink::text() const
{
    if (!hasRow())
        return QString();
    const DataSet* ds = dataSet();
    return ds->text(ds->recNo(), ds->fieldIndex(m_field));
}

TextEncoding FieldLink::encoding() const
{
    const DataSet* ds = dataSet();
    return ds ? ds->encoding() : TextEncoding::Latin1;
}

bool FieldLink::canWrite() const
{
    const FieldDef* f = field();
    const DataSet* ds = dataSet();
    return hasRow() && f && !f->readOnly && (ds->canModify() || ds->state() == DataSet::State::Insert);
}

void FieldLink::write(const QVariant& value)
{
    DataSet* ds = dataSet();
    if (!ds || !hasRow())
        return;
    m_writing = true;
    try {
        ds->setValue(m_field, value);
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
}

void FieldLink::reload()
{
    if (m_writing)   // our own write echoing back: the control already shows it
        return;
    m_loading = true;
    m_reload();
    m_loading = false;
}

} // namespace pellori
