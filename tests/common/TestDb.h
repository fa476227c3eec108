#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Databases for tests. One template database is built from data/schema.sql
// per test program (on first use) and every test works on its own copy, so
// tests neither share state nor pay for building the schema again.
namespace pellori::test {

// Path of the schema-only template, built once per process in a temporary
// folder that lives as long as the process. Aborts the test program with
// isql's output when the schema does not build.
QString templateDatabase();

// Copies the template to dir/fileName (replacing a file of that name) and
// returns the path of the writable copy.
QString freshDatabase(const QString& dir, const QString& fileName = QStringLiteral("PELLORI.QVX"));

// The same with data/demo.sql applied on top, built once per process on first use.
QString demoTemplateDatabase();
QString freshDemoDatabase(const QString& dir, const QString& fileName = QStringLiteral("PELLORI.QVX"));

// Runs isql-fb -q -ch ISO8859_1 on the database with sqlText (written as
// Latin-1) as its script; returns standard output and error together.
// Failed statements do not stop the script; their messages are in the output.
QString runIsql(const QString& databasePath, const QString& sqlText);

// Values of one column in isql output produced under "set list on", in row order.
QStringList listColumn(const QString& isqlOutput, const QString& column);

// Every column of what one isql run printed under "set list on": for each
// column name (upper case, as isql prints it) its values in row order. Several
// selects may share a run; their columns then need names of their own.
class Rows {
public:
    explicit Rows(const QString& isqlOutput);
    QStringList values(const QString& column) const { return m_columns.value(column.toUpper()); }
    // The single value of a column with one row, or an empty text.
    QString value(const QString& column) const
    {
        const QStringList v = values(column);
        return v.size() == 1 ? v.first() : QString();
    }
    const QString& output() const { return m_output; }

private:
    QString m_output;
    QHash<QString, QStringList> m_columns;
};

// A fresh copy of the template (or of the demo template) in a temporary
// folder of its own, removed with the object.
class TestDb {
public:
    enum Content { Schema, Demo };
    explicit TestDb(Content content = Schema);

    QString path() const { return m_path; }
    QString dir() const { return m_dir.path(); }

    // runIsql on this database.
    QString isql(const QString& sqlText) const;
    // Runs one select under "set list on" and returns the values of column.
    QStringList values(const QString& select, const QString& column) const;
    // The single value of a one-row select, or an empty text.
    QString value(const QString& select, const QString& column) const;
    // Every column of one or more selects, from a single isql run.
    Rows select(const QString& selects) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace pellori::test
