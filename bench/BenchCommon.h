#pragma once
// What every benchmark needs: isql-fb for building databases, a whole
// command timed, and the median of several runs.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryFile>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <vector>

namespace pellori::bench {

// Runs isql-fb on the database (or without one, for "create database") with the script on its input.
inline QByteArray isql(const QString& db, const QByteArray& input)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(PELLORI_ISQL, db.isEmpty() ? QStringList{"-q"} : QStringList{"-q", "-ch", "ISO8859_1", db});
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(-1);
    return p.readAll();
}

// Runs a script from a file, as isql reads ISO-8859-1 text only from a file
// (what it reads from its input loses every byte above 127).
inline QByteArray isqlScript(const QString& db, const QByteArray& script)
{
    QTemporaryFile file;
    file.open();
    file.write(script);
    file.flush();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(PELLORI_ISQL, QStringList{"-q", "-ch", "ISO8859_1", "-i", file.fileName(), db});
    p.waitForFinished(-1);
    return p.readAll();
}

// A new database at db holding the schema alone. The schema goes in as a
// script file: read from standard input, isql loses its Latin-1 letters
// ("Telefon geschäftlich" would lose its "ä").
inline void createWithSchema(const QString& db)
{
    isql({}, QString("create database '%1' page_size 8192 default character set ISO8859_1;\n").arg(db).toLatin1());
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(PELLORI_ISQL, {"-q", "-ch", "ISO8859_1", "-i", PELLORI_SCHEMA_SQL, db});
    p.waitForFinished(-1);
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline double timeMs(const std::function<void()>& f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace pellori::bench
