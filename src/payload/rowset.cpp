#include "payload/rowset.h"

#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

RowSet::RowSet(const QString& table, QObject* parent) : QObject(parent), table_(table) {}

bool RowSet::Refresh()
{
    rows_.clear();
    fields_.clear();
    current_ = 0;
    error_.clear();
    if (!QFileInfo(databaseName_).isFile()) {
        error_ = QStringLiteral("The file does not exist.");
        ShowCurrent();
        return false;
    }
    // A connection of its own, closed again once the rows are read: nothing stays open.
    const QString connection = QStringLiteral("catalogue-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(databaseName_);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            error_ = db.lastError().text();
        } else {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table_))) {
                error_ = query.lastError().text();
            } else {
                const QSqlRecord record = query.record();
                for (int i = 0; i < record.count(); ++i) fields_ << record.fieldName(i);
                while (query.next()) {
                    QVector<QVariant> row;
                    row.reserve(fields_.size());
                    for (int i = 0; i < fields_.size(); ++i) row << query.value(i);
                    rows_ << row;
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    ShowCurrent();
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

int RowSet::FieldIndex(const QString& name) const
{
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant RowSet::Field(const QString& name) const
{
    const int field = FieldIndex(name);
    if (field < 0 || current_ < 0 || current_ >= rowCount()) return {};
    const QVariant& value = rows_[current_][field];
    if (value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty())) return {};
    return value;
}

QString RowSet::FieldText(const QString& name) const
{
    const QVariant value = Field(name);
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

void RowSet::Bind(QLabel* label, const QString& field)
{
    bindings_.append({label, field});
    label->setText(FieldText(field));
}

void RowSet::ShowCurrent()
{
    for (const auto& [label, field] : bindings_) {
        const QString text = FieldText(field);
        if (label->text() != text) label->setText(text);
    }
}
