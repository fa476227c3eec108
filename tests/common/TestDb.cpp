#include "TestDb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QtGlobal>

namespace pellori::test {

namespace {

const QString kSchemaSql = QStringLiteral(PELLORI_SCHEMA_SQL);
const QString kDemoSql = QStringLiteral(PELLORI_DEMO_SQL);
const QString kIsql = QStringLiteral(PELLORI_ISQL);

struct IsqlResult {
    bool ok = false;
    QString output;
};

// isql exits non-zero when a statement failed (with -b it stops at the
// first one), which is how a broken script is told from a working one.
IsqlResult isql(const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(kIsql, arguments);
    if (!process.waitForStarted())
        return {false, QStringLiteral("cannot start %1: %2").arg(kIsql, process.errorString())};
    process.write(input);
    process.closeWriteChannel();
    // Generous: only a hung engine (a stale lock) would ever reach it.
    const bool finished = process.waitForFinished(240000);
    IsqlResult result;
    result.output = QString::fromLatin1(process.readAll());
    if (!finished) {
        process.kill();
        process.waitForFinished();
        result.output += QStringLiteral("\nisql did not finish");
        return result;
    }
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return result;
}

void makeWritable(const QString& path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                    | QFile::WriteUser | QFile::ReadGroup | QFile::WriteGroup);
}

void runScriptOrDie(const QString& database, const QString& script)
{
    const IsqlResult result = isql({QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("-ch"),
                                    QStringLiteral("ISO8859_1"), QStringLiteral("-i"), script, database},
                                   QByteArray());
    if (!result.ok)
        qFatal("building the test database from %s failed:\n%s", qPrintable(script),
               qPrintable(result.output));
}

QString copyOrDie(const QString& from, const QString& to)
{
    QFile::remove(to);
    if (!QFile::copy(from, to))
        qFatal("cannot copy the test database %s to %s", qPrintable(from), qPrintable(to));
    makeWritable(to);
    return to;
}

QTemporaryDir& templateFolder()
{
    static QTemporaryDir folder;
    if (!folder.isValid())
        qFatal("cannot create a temporary folder for the test databases");
    return folder;
}

QString buildTemplate()
{
    const QString path = QDir(templateFolder().path()).filePath(QStringLiteral("template.fdb"));
    const QByteArray create = "CREATE DATABASE '" + path.toLocal8Bit()
                              + "' PAGE_SIZE 8192 DEFAULT CHARACTER SET ISO8859_1;\n";
    const IsqlResult created = isql({QStringLiteral("-q"), QStringLiteral("-b")}, create);
    if (!created.ok || !QFileInfo::exists(path))
        qFatal("creating the template database %s failed:\n%s", qPrintable(path),
               qPrintable(created.output));
    runScriptOrDie(path, kSchemaSql);
    return path;
}

QString buildDemoTemplate()
{
    const QString path = copyOrDie(templateDatabase(),
                                   QDir(templateFolder().path()).filePath(QStringLiteral("demo.fdb")));
    runScriptOrDie(path, kDemoSql);
    return path;
}

} // namespace

QString templateDatabase()
{
    static const QString path = buildTemplate();
    return path;
}

QString demoTemplateDatabase()
{
    static const QString path = buildDemoTemplate();
    return path;
}

QString freshDatabase(const QString& dir, const QString& fileName)
{
    return copyOrDie(templateDatabase(), QDir(dir).filePath(fileName));
}

QString freshDemoDatabase(const QString& dir, const QString& fileName)
{
    return copyOrDie(demoTemplateDatabase(), QDir(dir).filePath(fileName));
}

QString runIsql(const QString& databasePath, const QString& sqlText)
{
    // Through a script file rather than standard input: isql reads its
    // console input with a line editor that drops bytes above 127.
    QTemporaryFile script(QDir(QDir::tempPath()).filePath(QStringLiteral("pellori-isql-XXXXXX.sql")));
    if (!script.open())
        return QStringLiteral("cannot write an isql script: %1").arg(script.errorString());
    QString text = sqlText;
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    script.write(text.toLatin1());
    script.close();
    return isql({QStringLiteral("-q"), QStringLiteral("-ch"), QStringLiteral("ISO8859_1"), QStringLiteral("-i"),
                 script.fileName(), databasePath},
                QByteArray())
        .output;
}

QStringList listColumn(const QString& isqlOutput, const QString& column)
{
    // Under "set list on" every value is a line: the column name padded with
    // blanks, then the value.
    const QRegularExpression line(QStringLiteral("^%1 +(.*)$").arg(QRegularExpression::escape(column)),
                                  QRegularExpression::CaseInsensitiveOption);
    QStringList values;
    for (const QString& text : isqlOutput.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch())
            values << match.captured(1).trimmed();
    }
    return values;
}

Rows::Rows(const QString& isqlOutput) : m_output(isqlOutput)
{
    // Under "set list on" every value is a line: the column name padded with
    // blanks, then the value; records are separated by blank lines.
    static const QRegularExpression line(QStringLiteral("^([A-Z_$][A-Z0-9_$]*) +(.*)$"));
    for (const QString& text : isqlOutput.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch())
            m_columns[match.captured(1)] << match.captured(2).trimmed();
    }
}

Rows TestDb::select(const QString& selects) const
{
    return Rows(isql(QStringLiteral("set list on;\n") + selects));
}

TestDb::TestDb(Content content)
{
    if (!m_dir.isValid())
        qFatal("cannot create a temporary folder for a test database");
    m_path = content == Demo ? freshDemoDatabase(m_dir.path()) : freshDatabase(m_dir.path());
}

QString TestDb::isql(const QString& sqlText) const
{
    return runIsql(m_path, sqlText);
}

QStringList TestDb::values(const QString& select, const QString& column) const
{
    return listColumn(isql(QStringLiteral("set list on;\n") + select), column);
}

QString TestDb::value(const QString& select, const QString& column) const
{
    const QStringList all = values(select, column);
    return all.size() == 1 ? all.first() : QString();
}

} // namespace pellori::test
