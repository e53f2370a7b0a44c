#include "support/testsupport.h"

#include <QTest>

QString Text(const frmMain& window, const QString& label)
{
    return Control<QLabel>(window, label)->text();
}

int Value(const frmMain& window, const QString& spinner)
{
    return Control<QScrollBar>(window, spinner)->value();
}

void SetValue(frmMain& window, const QString& spinner, int value)
{
    Control<QScrollBar>(window, spinner)->setValue(value);
}

void Tick(frmMain& window, const QString& box, bool ticked)
{
    Control<QCheckBox>(window, box)->setChecked(ticked);
}

void Choose(frmMain& window, const QString& option)
{
    QRadioButton* button = Control<QRadioButton>(window, option);
    if (!button->isChecked()) button->click();
}

void Press(frmMain& window, const QString& button)
{
    Control<QPushButton>(window, button)->click();
}

LocaleScope::LocaleScope(QLocale::Language language, QLocale::Territory territory)
{
    QLocale::setDefault(QLocale(language, territory));
}

LocaleScope::~LocaleScope()
{
    QLocale::setDefault(previous_);
}
