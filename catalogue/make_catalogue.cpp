// Build tool: turns the readable catalogue source (SQL statements) into the SQLite database
// the program opens. Usage: make_catalogue <source.sql> <ISWeapons.mdb>
//
// The database is written under a temporary name and renamed into place only when every
// statement has run, so a failed run never leaves a half-written catalogue behind.
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// Splits SQL text into statements at semicolons outside quotes and comments.
QStringList SplitStatements(const QString& sql)
{
    QStringList statements;
    QString current;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            current += c;
            if (c == quote) quote = QChar();
            continue;
        }
        if (c == u'-' && i + 1 < sql.size() && sql[i + 1] == u'-') {
            while (i < sql.size() && sql[i] != u'\n') ++i;
            current += u'\n';
            continue;
        }
        if (c == u'\'' || c == u'"') quote = c;
        if (c == u';') {
            if (!current.trimmed().isEmpty()) statements << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty()) statements << current.trimmed();
    return statements;
}

bool Fail(const QString& message)
{
    std::fprintf(stderr, "make_catalogue: %s\n", qPrintable(message));
    return false;
}

bool WriteDatabase(const QString& path, const QStringList& statements)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    if (!db.open()) return Fail(db.lastError().text());
    bool ok = db.transaction();
    {
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            if (!ok) break;
            ok = query.exec(statement);
            if (!ok) Fail(query.lastError().text() + QStringLiteral(" in: ") + statement);
        }
    }
    ok = ok && db.commit();
    db.close();
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) return Fail(QStringLiteral("usage: make_catalogue <source.sql> <database>")), 2;

    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) return Fail(source.errorString() + u' ' + args[1]), 1;
    const QStringList statements = SplitStatements(QString::fromUtf8(source.readAll()));
    source.close();
    if (statements.isEmpty()) return Fail(QStringLiteral("no statements in ") + args[1]), 1;

    const std::filesystem::path target = args[2].toStdString();
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);

    bool ok = WriteDatabase(QString::fromStdString(temporary.string()), statements);
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    std::error_code renamed;
    if (ok) std::filesystem::rename(temporary, target, renamed);
    if (renamed) ok = Fail(QString::fromStdString(renamed.message()));
    if (!ok) std::filesystem::remove(temporary, ignored);
    return ok ? 0 : 1;
}
