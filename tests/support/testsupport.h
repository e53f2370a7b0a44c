#pragma once
// Driving the main window in tests as a user would: by the names of its controls.
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QString>

#include "app/frmMain.h"

template <class T>
T* Control(const frmMain& window, const QString& name)
{
    T* control = window.findChild<T*>(name);
    if (!control) qFatal("no control named %s", qPrintable(name));
    return control;
}

QString Text(const frmMain& window, const QString& label);
int Value(const frmMain& window, const QString& spinner);
void SetValue(frmMain& window, const QString& spinner, int value);
void Tick(frmMain& window, const QString& box, bool ticked);
void Choose(frmMain& window, const QString& option);
void Press(frmMain& window, const QString& button);

// Pins the regional settings for the test's lifetime.
class LocaleScope {
public:
    explicit LocaleScope(QLocale::Language language, QLocale::Territory territory);
    ~LocaleScope();

private:
    QLocale previous_;
};
