#pragma once
// Small builders for the window's kinds of control, so every value label, spinner and
// caption is made the same way.
#include <QString>

class QLabel;
class RowSet;
class QScrollBar;
class QWidget;

// A label that shows a value: one fixed border, a name to be found by.
QLabel* MakeValueLabel(const QString& name, QWidget* parent);
// The value label of a spinner: filled with the window colours until its spinner first takes
// the focus.
QLabel* MakeSpinnerLabel(const QString& name, QWidget* parent);
// A caption label ("Mass:").
QLabel* MakeCaption(const QString& text, QWidget* parent);
// A vertical scroll bar used as a spinner: the up arrow raises the value by 1, a click in
// the trough moves it by `pageStep`.
QScrollBar* MakeSpinner(const QString& name, int lowest, int highest, int value, QWidget* parent);

// Label updates that touch the widget only when something changes.
void SetLabelText(QLabel* label, const QString& text);
void SetWarningColour(QLabel* label, bool warning);
void SetBackground(QLabel* label, int red, int green, int blue);

// The label shows the field of the row set's current row from now on, as it moves.
void BindLabel(RowSet* rows, QLabel* label, const QString& field);
