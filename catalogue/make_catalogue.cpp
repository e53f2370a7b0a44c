// Build tool: turns the readable catalogue source (SQL statements) into the SQLite database
// the program opens. Usage: make_catalogue <source.sql> <ISWeapons.mdb>
//
// The database is written under a temporary name and renamed into place only when every
// statement has run, so a failed run never leaves a half-written catalogue behind.
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// The catalogue source as statements, or what in it cannot be split.
struct Statements {
    QStringList list;
    QString refusal;
};

// Splits at each semicolon outside a quoted text or name ('...' or "...", where a doubled
// quote stays inside) and outside a line comment (-- to the end of the line, dropped): all
// that plain CREATE TABLE and INSERT statements need. A block comment (/* */) could hide a
// semicolon or a quote, and a trigger's body holds semicolons of its own, so both are refused
// with their line rather than split wrongly.
Statements SplitStatements(const QString& sql)
{
    static const QRegularExpression trigger(QStringLiteral("^CREATE\\s+(TEMP\\s+|TEMPORARY\\s+)?TRIGGER\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    Statements result;
    QString current;
    QChar quote;
    int line = 1;
    int startLine = 1;
    const auto append = [&](QChar c) {
        if (current.isEmpty() && c.isSpace()) return;
        if (current.isEmpty()) startLine = line;
        current += c;
    };
    const auto refuse = [&](int at, const char* what) {
        result.refusal = QStringLiteral("line %1: %2 cannot be split into statements").arg(at).arg(QLatin1String(what));
        return result;
    };
    const auto finish = [&] {
        const QString statement = current.trimmed();
        current.clear();
        if (statement.isEmpty()) return true;
        if (trigger.match(statement).hasMatch()) return false;
        result.list << statement;
        return true;
    };
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (c == u'\n') ++line;
        if (!quote.isNull()) {
            current += c;
            if (c == quote) quote = QChar();
            continue;
        }
        const QChar next = i + 1 < sql.size() ? sql[i + 1] : QChar();
        if (c == u'/' && next == u'*') return refuse(line, "a block comment (/* */; use -- comments)");
        if (c == u'-' && next == u'-') {
            while (i + 1 < sql.size() && sql[i + 1] != u'\n') ++i;
            continue;
        }
        if (c == u'\'' || c == u'"') quote = c;
        if (c == u';') {
            if (!finish()) return refuse(startLine, "a trigger");
            continue;
        }
        append(c);
    }
    if (!quote.isNull()) return refuse(startLine, "an unclosed quote");
    if (!finish()) return refuse(startLine, "a trigger");
    return result;
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
    const Statements split = SplitStatements(QString::fromUtf8(source.readAll()));
    source.close();
    if (!split.refusal.isEmpty()) return Fail(args[1] + QStringLiteral(", ") + split.refusal), 1;
    const QStringList& statements = split.list;
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
