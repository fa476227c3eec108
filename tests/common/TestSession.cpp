#include "TestSession.h"

#include "data/DataSet.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

namespace pellori::test {

TestSession::TestSession(const QString& path)
    : databasePath(path), m_session(QFileInfo(path).absolutePath()), m_faq(QStringLiteral("FAQ-Online"))
{
    m_faq.setObjectName(QStringLiteral("BrowseURL1"));
    // As the program starts, with whatever Pellori.ini the folder holds; the
    // database file itself may have another name, and the built-in login stays.
    const IniSnapshot ini = m_session.readConfiguration();
    m_session.readStandardValues(ini);
    m_session.connection().setDatabaseName(path);
    m_session.connection().open();
}

TestSession::~TestSession() = default;

void TestSession::loadCatalogue(const QString& dir, const QString& prefix)
{
    QMap<QString, QStringList> sections;
    for (const LangKey& k : TLang::keys())
        sections[QString::fromLatin1(k.section)] << QString::fromLatin1(k.key) + '=' + prefix + QString::fromLatin1(k.key);
    QByteArray text = "[Pellori]\r\nVersion=1.0\r\n";
    for (auto it = sections.cbegin(); it != sections.cend(); ++it)
        text += ("[" + it.key() + "]\r\n" + it.value().join("\r\n") + "\r\n").toLatin1();
    QFile file(QDir(dir).filePath(QStringLiteral("Pellori.lang")));
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    file.close();
    m_session.lang().LoadLanguageFile(dir);
}

QStringList committedValues(const QString& databasePath, const QString& select, const QStringList& login)
{
    Connection c;
    c.setDatabaseName(databasePath);
    c.params = login;
    DbTransaction tr(c);
    QueryDataSet q(tr);
    q.setSelectSql(select);
    q.open();
    q.fetchAll();
    QStringList values;
    for (int r = 0; r < q.rowCount(); ++r)
        values << q.text(r, 0);
    return values;
}

} // namespace pellori::test
