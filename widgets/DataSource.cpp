#include "widgets/DataSource.h"

#include "data/DataSet.h"

namespace pellori {

DataSource::DataSource(QObject* parent) : QObject(parent) {}

DataSource::DataSource(DataSet* dataSet, QObject* parent) : QObject(parent) { setDataSet(dataSet); }

DataSource::~DataSource()
{
    for (const auto& c : std::as_const(m_connections))
        disconnect(c);
}

void DataSource::setDataSet(DataSet* dataSet)
{
    if (m_dataSet == dataSet)
        return;
    for (const auto& c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_dataSet = dataSet;
    if (dataSet) {
        m_connections << connect(dataSet, &DataSet::opened, this, &DataSource::dataSetChanged)
                      << connect(dataSet, &DataSet::closed, this, &DataSource::dataSetChanged)
                      << connect(dataSet, &DataSet::layoutReset, this, &DataSource::dataSetChanged)
                      << connect(dataSet, &DataSet::stateChanged, this, &DataSource::stateChanged)
                      << connect(dataSet, &DataSet::currentChanged, this, &DataSource::currentChanged)
                      << connect(dataSet, &DataSet::rowChanged, this, &DataSource::rowChanged)
                      << connect(dataSet, &DataSet::rowsInserted, this, &DataSource::rowsInserted)
                      << connect(dataSet, &DataSet::rowsRemoved, this, &DataSource::rowsRemoved)
                      << connect(dataSet, &DataSet::focusFieldRequested, this, &DataSource::focusFieldRequested)
                      // The data set may go before its controls; they then show nothing.
                      << connect(dataSet, &QObject::destroyed, this, [this] {
                             m_connections.clear();
                             emit dataSetChanged();
                         });
    }
    emit dataSetChanged();
}

void DataSource::addWriter(QObject* control, Writer writer)
{
    m_writers.push_back({control, std::move(writer)});
    connect(control, &QObject::destroyed, this, [this, control] { removeWriters(control); });
}

void DataSource::removeWriters(QObject* control)
{
    std::erase_if(m_writers, [control](const Entry& e) { return e.control == control; });
}

void DataSource::updateRecord()
{
    const auto writers = m_writers;   // a writer may (un)register others
    for (const auto& e : writers)
        e.writer();
}

} // namespace pellori
