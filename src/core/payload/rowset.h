#pragma once
// A catalogue data source: all rows of one table of the catalogue database, a current row that
// moves forward and back, end and start flags, fields read by name whatever their letter case,
// and views (the window's labels) bound to fields that follow every move.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>

class RowSet : public QObject {
    Q_OBJECT
public:
    RowSet(const QString& table, QObject* parent);

    void setDatabaseName(const QString& path) { databaseName_ = path; }
    QString databaseName() const { return databaseName_; }
    QString table() const { return table_; }

    // Reads every row of the table, current row on the first. False, with the rows empty and
    // errorText() saying why in plain words, when the file or the table cannot be read.
    bool Refresh();
    QString errorText() const { return error_; }
    // Keeps the rows only when the table has every one of `fields`; otherwise empties the row
    // set and says which field is missing. False when a field is missing.
    bool RequireFields(const QStringList& fields);

    int rowCount() const { return int(rows_.size()); }
    // Drops every row without a reason of its own: a table that is fine but belongs to a
    // catalogue that is not.
    void Discard() { Clear({}); }
    bool isEmpty() const { return rows_.isEmpty(); }
    int currentIndex() const { return current_; }
    bool HasField(const QString& name) const { return FieldIndex(name) >= 0; }

    void MoveNext();
    void MovePrevious();
    void MoveFirst();
    void MoveLast();
    // Straight to a row (0 to rowCount() - 1); any other number moves nothing.
    void MoveTo(int row);
    // On an empty table both flags are set.
    bool AtEnd() const { return current_ >= rowCount(); }
    bool AtStart() const { return current_ < 0 || isEmpty(); }

    // The field of the current row; a null QVariant when the field holds nothing, there is
    // no such field or no current row.
    QVariant Field(const QString& name) const { return FieldAt(current_, name); }
    QString FieldText(const QString& name) const { return FieldTextAt(current_, name); }
    // The same for any row.
    QVariant FieldAt(int row, const QString& name) const;
    QString FieldTextAt(int row, const QString& name) const;
    // The field of the first row whose `key` field holds `value`; a null QVariant when no row
    // matches or the field holds nothing.
    QVariant FieldWhere(const QString& key, const QString& value, const QString& name) const;

    // `show` gets the field's text of the current row now and after every move, for as long as
    // `view` lives; binding a view again replaces its earlier field.
    using ShowText = std::function<void(const QString&)>;
    void Bind(QObject* view, const QString& field, ShowText show);

signals:
    // The current row has changed, or the rows have been read again: the bound views show it.
    void moved();

private:
    void Clear(const QString& reason);
    bool ReadRows();
    void ShowCurrent();
    int FieldIndex(const QString& name) const;

    QString table_;
    QString databaseName_;
    QString error_;
    QStringList fields_;
    QVector<QVector<QVariant>> rows_;
    int current_ = 0;
    struct Binding {
        QPointer<QObject> view;
        QString field;
        ShowText show;
    };
    QList<Binding> bindings_;
};
