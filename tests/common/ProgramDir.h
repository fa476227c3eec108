#pragma once
// A program folder for window tests: the demo database as PELLORI.QVX beside
// whatever Pellori.ini or Pellori.lang a test writes, as the program finds
// them beside itself.
#include "TestDb.h"
#include "settings/uBase64Codec.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace pellori::test {

// A configuration of the right version with the program's login, and more lines after it.
inline QByteArray iniText(const QByteArray& more = {}, const QByteArray& version = "1.0")
{
    return "[Pellori]\r\nVersion=" + version + "\r\n[Database]\r\ndbusername=QVXPELLORI\r\ndbpassword="
           + EncodeBase64Text("*vemlox!") + "\r\nlc_ctype=ISO8859_1\r\n" + more;
}

class ProgramDir {
public:
    ProgramDir() { m_db = freshDemoDatabase(m_dir.path()); }
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString database() const { return m_db; }
    QString file(const QString& name) const { return path() + name; }
    void write(const QString& name, const QByteArray& latin1) const
    {
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(latin1);
    }
    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList column(const QString& select, const QString& column) const
    {
        return listColumn(runIsql(m_db, QStringLiteral("set list on;\n") + select), column);
    }

private:
    QTemporaryDir m_dir;
    QString m_db;
};

} // namespace pellori::test
