#pragma once
// A catalogue data source: all rows of one table of the catalogue database, a current row that
// moves forward and back, end and start flags, fields read by name whatever their letter case,
// and labels bound to fields that follow every move.
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QLabel;

class RowSet : public QObject {
    Q_OBJECT
public:
    RowSet(const QString& table, QObject* parent);

    void setDatabaseName(const QString& path) { databaseName_ = path; }
    QString databaseName() const { return databaseName_; }
    QString table() const { return table_; }

    // Reads every row of the table, current row on the first. False, with the rows empty and
    // errorText() saying why, when the file or the table cannot be read.
    bool Refresh();
    QString errorText() const { return error_; }

    int rowCount() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }
    int currentIndex() const { return current_; }

    void MoveNext();
    void MovePrevious();
    void MoveFirst();
    void MoveLast();
    bool AtEnd() const { return current_ >= rowCount(); }
    bool AtStart() const { return current_ < 0; }

    // The field of the current row; a null QVariant when the field holds nothing, there is
    // no such field or no current row.
    QVariant Field(const QString& name) const;
    QString FieldText(const QString& name) const;

    // The label shows the field of the current row from now on.
    void Bind(QLabel* label, const QString& field);

private:
    void ShowCurrent();
    int FieldIndex(const QString& name) const;

    QString table_;
    QString databaseName_;
    QString error_;
    QStringList fields_;
    QVector<QVector<QVariant>> rows_;
    int current_ = 0;
    QList<QPair<QLabel*, QString>> bindings_;
};
