#include "core/payload/rowset.h"

#include <algorithm>

#include <QFileInfo>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {

// SQLite opens any file and finds out only on the first read that it is no database.
bool HoldsDatabase(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
}

}  // namespace

RowSet::RowSet(const QString& table, QObject* parent) : QObject(parent), table_(table) {}

bool RowSet::Refresh()
{
    Clear({});
    const QFileInfo file(databaseName_);
    if (!file.exists())
        Clear(QStringLiteral("The file does not exist."));
    else if (!file.isFile())
        Clear(QStringLiteral("There is a folder of that name instead of a file."));
    else if (!file.isReadable())
        Clear(QStringLiteral("The file cannot be read."));
    else if (file.size() == 0)
        Clear(QStringLiteral("The file is empty."));
    else if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        Clear(QStringLiteral("The SQLite database driver of Qt, which reads the file, is not installed."));
    else if (!ReadRows())
        Clear(QString(error_));
    ShowCurrent();
    return error_.isEmpty();
}

bool RowSet::RequireFields(const QStringList& fields)
{
    if (!error_.isEmpty()) return false;
    for (const QString& field : fields) {
        if (HasField(field)) continue;
        Clear(QStringLiteral("The table \"%1\" has no field \"%2\".").arg(table_, field));
        return false;
    }
    return true;
}

void RowSet::Clear(const QString& reason)
{
    rows_.clear();
    fields_.clear();
    current_ = 0;
    error_ = reason;
    ShowCurrent();
}

// Reads the table on a connection of its own that is closed again once the rows are read:
// nothing stays open between user actions.
bool RowSet::ReadRows()
{
    const QString connection = QStringLiteral("catalogue-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(databaseName_);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open() || !HoldsDatabase(db)) {
            error_ = QStringLiteral("The file is not a database.");
        } else if (!db.tables().contains(table_, Qt::CaseInsensitive)) {
            error_ = QStringLiteral("The file holds no table \"%1\".").arg(table_);
        } else {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            if (query.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table_))) {
                const QSqlRecord record = query.record();
                for (int i = 0; i < record.count(); ++i) fields_ << record.fieldName(i);
                while (query.next()) {
                    QVector<QVariant> row;
                    row.reserve(fields_.size());
                    for (int i = 0; i < fields_.size(); ++i) row << query.value(i);
                    rows_ << row;
                }
            }
            if (query.lastError().isValid()) error_ = QStringLiteral("The table \"%1\" cannot be read.").arg(table_);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error_.isEmpty();
}

void RowSet::MoveNext()
{
    if (current_ < rowCount()) ++current_;
    ShowCurrent();
}

void RowSet::MovePrevious()
{
    if (current_ >= 0) --current_;
    ShowCurrent();
}

void RowSet::MoveFirst()
{
    current_ = 0;
    ShowCurrent();
}

void RowSet::MoveLast()
{
    current_ = rowCount() - 1;
    ShowCurrent();
}

void RowSet::MoveTo(int row)
{
    if (row < 0 || row >= rowCount()) return;
    current_ = row;
    ShowCurrent();
}

int RowSet::FieldIndex(const QString& name) const
{
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant RowSet::FieldAt(int row, const QString& name) const
{
    const int field = FieldIndex(name);
    if (field < 0 || row < 0 || row >= rowCount()) return {};
    const QVariant& value = rows_[row][field];
    if (value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty())) return {};
    return value;
}

QVariant RowSet::FieldWhere(const QString& key, const QString& value, const QString& name) const
{
    for (int row = 0; row < rowCount(); ++row)
        if (FieldAt(row, key).toString() == value) return FieldAt(row, name);
    return {};
}

QString RowSet::FieldTextAt(int row, const QString& name) const
{
    const QVariant value = FieldAt(row, name);
    if (value.isNull()) return {};
    // Numbers in the user's regional form, without grouping, as a bound label shows them.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    switch (value.typeId()) {
    case QMetaType::Double: return locale.toString(value.toDouble(), 'g', 15);
    case QMetaType::LongLong:
    case QMetaType::Int: return locale.toString(value.toLongLong());
    default: return value.toString();
    }
}

void RowSet::Bind(QObject* view, const QString& field, ShowText show)
{
    auto earlier = std::find_if(bindings_.begin(), bindings_.end(), [view](const Binding& b) { return b.view == view; });
    if (earlier == bindings_.end()) earlier = bindings_.insert(bindings_.end(), Binding{});
    *earlier = {view, field, std::move(show)};
    earlier->show(FieldText(field));
}

void RowSet::ShowCurrent()
{
    for (const Binding& binding : bindings_)
        if (binding.view) binding.show(FieldText(binding.field));
    emit moved();
}
