#include "TestSession.h"

#include "data/DataSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pellori::test {

namespace {
const QStringList kParams{"user_name=SYSDBA", "password=x", "lc_ctype=ISO8859_1"};
}

TestSession::TestSession(const QString& path) : databasePath(path), m_faq(QStringLiteral("FAQ-Online"))
{
    m_faq.setObjectName(QStringLiteral("BrowseURL1"));
    m_connection.setDatabaseName(path);
    m_connection.params = kParams;
    m_connection.open();
    m_main = std::make_unique<DbTransaction>(m_connection, DbTransaction::readCommitted());
    m_configPath = QFileInfo(path).absolutePath() + QStringLiteral("/Pellori.ini");
}

TestSession::~TestSession()
{
    m_main.reset();
    m_connection.close();
}

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
    m_lang.LoadLanguageFile(dir);
}

QStringList committedValues(const QString& databasePath, const QString& select)
{
    Connection c;
    c.setDatabaseName(databasePath);
    c.params = kParams;
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
