#include "support/scenario.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

void Drive(frmMain& window, const QStringList& steps)
{
    for (const QString& step : steps) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        const int value = step.section(QLatin1Char('='), 1).toInt();
        QObject* control = window.findChild<QObject*>(name);
        if (!control) qFatal("no control named %s", qPrintable(name));
        if (auto* spinner = qobject_cast<QScrollBar*>(control))
            spinner->setValue(value);
        else if (auto* box = qobject_cast<QCheckBox*>(control))
            box->setChecked(value != 0);
        else if (auto* option = qobject_cast<QRadioButton*>(control))
            option->setChecked(true);
        else if (auto* button = qobject_cast<QPushButton*>(control))
            button->click();
        else
            qFatal("cannot drive %s", qPrintable(name));
    }
}

namespace {

QString Observe(const frmMain& window, const QString& name, const QString& aspect)
{
    QWidget* control = window.findChild<QWidget*>(name);
    if (!control) return QStringLiteral("<no control>");
    if (aspect == QLatin1String("enabled")) return control->isEnabled() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* spinner = qobject_cast<QScrollBar*>(control)) {
        if (aspect == QLatin1String("min")) return QString::number(spinner->minimum());
        if (aspect == QLatin1String("max")) return QString::number(spinner->maximum());
        return QString::number(spinner->value());
    }
    if (auto* box = qobject_cast<QCheckBox*>(control)) return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* option = qobject_cast<QRadioButton*>(control))
        return option->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (aspect == QLatin1String("colour"))
            return label->palette().color(QPalette::WindowText) == QColor(255, 0, 0) ? QStringLiteral("red")
                                                                                     : QStringLiteral("black");
        return label->text();
    }
    return QStringLiteral("<unknown kind>");
}

}  // namespace

QString FirstFailure(const frmMain& window, const QStringList& checks)
{
    for (const QString& check : checks) {
        QString name, aspect, expected;
        if (check.contains(QLatin1Char(':')) && !check.contains(QLatin1Char('='))) {
            name = check.section(QLatin1Char(':'), 0, 0);
            aspect = QStringLiteral("colour");
            expected = check.section(QLatin1Char(':'), 1);
        } else {
            const QString left = check.section(QLatin1Char('='), 0, 0);
            expected = check.section(QLatin1Char('='), 1);
            name = left.section(QLatin1Char('.'), 0, 0);
            aspect = left.section(QLatin1Char('.'), 1);
        }
        const QString got = Observe(window, name, aspect);
        if (got != expected) return QStringLiteral("%1 (got %2)").arg(check, got);
    }
    return {};
}

QString InGerman(const QString& check)
{
    const int split = check.indexOf(QLatin1Char('='));
    if (split < 0 || !check.startsWith(QLatin1String("lbl"))) return check;
    QString value = check.mid(split + 1);
    for (QChar& c : value) {
        if (c == QLatin1Char('.'))
            c = QLatin1Char(',');
        else if (c == QLatin1Char(','))
            c = QLatin1Char('.');
    }
    return check.left(split + 1) + value;
}
