#include "support/testsupport.h"

namespace {

// Presses a browser's "Next" until its name label shows `wanted`.
void Browse(const frmMain& window, const char* next, const char* rows, const char* name, const QString& wanted)
{
    auto* button = Control<QPushButton>(window, next);
    const QLabel* label = Control<QLabel>(window, name);
    const int count = Control<RowSet>(window, rows)->rowCount();
    for (int presses = 0; presses <= count && label->text() != wanted; ++presses) button->click();
    if (label->text() != wanted) qFatal("no catalogue row named %s", qPrintable(wanted));
}

// A button is pressed, a spinner set, a box ticked (1) or cleared (0), an option chosen, a text
// box given its text: the first of these properties the control has.
void DriveControl(frmMain& window, const QString& name, const QString& value)
{
    QObject* control = Control<QObject>(window, name);
    if (auto* button = qobject_cast<QPushButton*>(control)) return button->click();
    const bool on = value.toInt() != 0 || qobject_cast<QRadioButton*>(control);
    using Given = std::pair<const char*, QVariant>;
    for (const auto& [property, given] : {Given{"value", value.toInt()}, {"checked", on}, {"text", value}, {"plainText", value}})
        if (control->metaObject()->indexOfProperty(property) >= 0) return void(control->setProperty(property, given));
    qFatal("cannot drive %s", qPrintable(name));
}

// A control's value, bound, enabled state, check or text, as the check names it.
QString Observe(const frmMain& window, const QString& name, const QString& aspect)
{
    const QWidget* control = window.findChild<QWidget*>(name);
    if (!control) return QStringLiteral("<no control>");
    if (aspect == QLatin1String("colour"))
        return control->palette().color(QPalette::WindowText) == QColor(255, 0, 0) ? QStringLiteral("red") : QStringLiteral("black");
    QByteArray property = aspect == QLatin1String("min") ? "minimum" : aspect == QLatin1String("max") ? "maximum" : aspect.toLatin1();
    for (const char* shown : {"value", "checked", "text", "plainText"})
        if (property.isEmpty() && control->property(shown).isValid()) property = shown;
    const QVariant value = control->property(property);
    return value.typeId() == QMetaType::Bool ? QString::number(value.toBool()) : value.toString();
}

// The figure labels of the design; the browsers' and the ammunition tonnage's, which a design
// file neither holds nor sets, stay out.
bool IsFigureLabel(const QString& name)
{
    for (const char* prefix : {"lblAddTonnage", "lblClass", "lblName", "lblWeight", "lblHeat", "lblWeaponCost", "lblAmmo"})
        if (name.startsWith(QLatin1String(prefix))) return false;
    return name.startsWith(QLatin1String("lbl"));
}

}  // namespace

void Drive(frmMain& window, const QStringList& steps)
{
    for (const QString& step : steps) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        const QString value = step.section(QLatin1Char('='), 1);
        if (name == QLatin1String("weapon"))
            Browse(window, "cmdNextWeapon", "datWeapons", "lblName", value);
        else if (name == QLatin1String("ammo"))
            Browse(window, "cmdAmmoNext", "datAmmo", "lblAmmoType", value);
        else if (name == QLatin1String("line"))
            Control<QListWidget>(window, QStringLiteral("lstPayload"))->setCurrentRow(value.toInt());
        else
            DriveControl(window, window.findChild<QRadioButton*>(name + u'_' + value) ? name + u'_' + value : name, value);
    }
}

QString FirstFailure(const frmMain& window, const QStringList& checks)
{
    for (const QString& check : checks) {
        const bool colour = check.contains(QLatin1Char(':')) && !check.contains(QLatin1Char('='));
        const QChar split = colour ? QLatin1Char(':') : QLatin1Char('=');
        const QString left = check.section(split, 0, 0);
        const QString expected = check.section(split, 1);
        const QString name = left.section(QLatin1Char('.'), 0, 0);
        const bool control = window.findChild<QObject*>(name) || name.startsWith(QLatin1String("msg"));
        const QString got = !control ? Figure(window.design(), left)
                                     : Observe(window, name, colour ? QStringLiteral("colour") : left.section(QLatin1Char('.'), 1));
        if (got != expected) return QStringLiteral("%1 (got %2)").arg(check, got);
    }
    return {};
}

void TestCatalogue::Attach(frmMain& window) const
{
    window.OpenCatalogue(path());
}

QStringList PayloadLines(const frmMain& window)
{
    const auto* list = Control<QListWidget>(window, QStringLiteral("lstPayload"));
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

QStringList DesignSnapshot(const frmMain& window)
{
    QStringList labels;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (IsFigureLabel(label->objectName()))
            labels << label->objectName() + u'=' + label->text() + u' ' + Observe(window, label->objectName(), QStringLiteral("colour"));
    labels.sort();  // a tab page shown raises its frame among its siblings
    return labels + PayloadLines(window) + DesignFigures(window.design()) << ControlsDisagree(window);
}

QString ControlsDisagree(const frmMain& window)
{
    const Design& design = window.design();
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName(), group = name.section(u'_', 0, 0);
        QStringList aspects{QString()};
        if (qobject_cast<const QScrollBar*>(control)) aspects << "min" << "max" << "enabled";
        if (qobject_cast<const QCheckBox*>(control)) aspects << "enabled";
        for (const QString& aspect : aspects) {
            QString held = Figure(design, aspect.isEmpty() ? group : group + u'.' + aspect);
            if (held.startsWith(u'<')) break;
            if (group != name) held = QString::number(held == name.section(u'_', 1));  // an option of a group
            if (const QString shown = Observe(window, name, aspect); shown != held)
                return QStringLiteral("%1.%2 shows %3, the design holds %4").arg(name, aspect, shown, held);
        }
    }
    return PayloadLines(window).mid(1) == design.State().PayloadLines ? QString() : QStringLiteral("the payload list");
}

bool FileIsOpen(const QString& path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    for (const QFileInfo& descriptor : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        if (descriptor.symLinkTarget() == target) return true;
    return false;
}
