#pragma once
// Driving the main window in tests as a user would: by the names of its controls.
#include "support/toolkit.h"
#include "support/designchecks.h"
#include "support/designfixtures.h"
#include "support/filedialogs.h"
#include "support/payloadchecks.h"
#include "support/scenario.h"
#include "support/testcatalogue.h"

template <class T>
T* Control(const frmMain& window, const QString& name)
{
    T* control = window.findChild<T*>(name);
    if (!control) qFatal("no control named %s", qPrintable(name));
    return control;
}

inline QString Text(const frmMain& window, const QString& label) { return Control<QLabel>(window, label)->text(); }

// Pins the regional settings for the test's lifetime.
class LocaleScope {
public:
    // German (Germany) settings, or else English (United States).
    explicit LocaleScope(bool german)
    {
        QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany) : QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~LocaleScope() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

// A table of cases as the rows of a data-driven test, each row named by its case's `name`; the
// test function reads its own case with CaseOf(table).
template <class Table>
void AddCases(const Table& table)
{
    QTest::addColumn<int>("row");
    int row = 0;
    for (const auto& c : table) QTest::newRow(c.name) << row++;
}

template <class Table>
const auto& CaseOf(const Table& table)
{
    QFETCH(int, row);
    return table[row];
}
