#include "support/testsupport.h"

#include "core/values/numbertext.h"

namespace {

// The controls of the design, by their prefixes; the browsers and mounting, which a design file
// neither holds nor sets, stay out.
bool InTheDesign(const QString& name)
{
    for (const char* prefix : {"optLocation", "vsbAddTonnage", "lblAddTonnage", "lblClass", "lblName", "lblWeight", "lblHeat",
                               "lblWeaponCost", "lblAmmo"})
        if (name.startsWith(QLatin1String(prefix))) return false;
    for (const char* prefix : {"vsb", "chk", "opt", "txt", "lbl"})
        if (name.startsWith(QLatin1String(prefix))) return true;
    return false;
}

// The index of the chosen option of a group, optMotiveType_0 on; -1 when none is chosen.
int ChosenIndex(const frmMain& window, const QString& group)
{
    for (int i = 0; const auto* option = window.findChild<QRadioButton*>(group + QStringLiteral("_%1").arg(i)); ++i)
        if (option->isChecked()) return i;
    return -1;
}

int SpinnerValue(const frmMain& window, const char* name) { return Control<QScrollBar>(window, QString::fromLatin1(name))->value(); }

}  // namespace

QStringList DesignSnapshot(const frmMain& w)
{
    QStringList entries;
    for (const QWidget* control : w.findChildren<QWidget*>()) {
        if (!InTheDesign(control->objectName())) continue;
        QString entry = control->objectName();
        for (const char* property : {"value", "minimum", "maximum", "checked", "enabled", "text", "plainText"})
            if (const QVariant value = control->property(property); value.isValid()) entry += QStringLiteral(" %1=%2").arg(property, value.toString());
        if (qobject_cast<const QLabel*>(control) && control->palette().color(QPalette::WindowText) == QColor(255, 0, 0)) entry += " red";
        entries << entry;
    }
    entries.sort();  // a tab page shown raises its frame among its siblings
    for (const QString& line : PayloadLines(w)) entries << QStringLiteral("shown line=") + line;
    return entries + DesignFigures(w.design());
}

QString InputConsistencyFailure(const frmMain& w)
{
    const DesignState& s = w.design().State();
    const struct {
        const char* what;
        int kept, shown;
    } pairs[] = {
        {"MotiveType", s.MotiveType, ChosenIndex(w, QStringLiteral("optMotiveType"))},
        {"EngineType", s.EngineType, ChosenIndex(w, QStringLiteral("optEngineType"))},
        {"Mass", s.Mass, SpinnerValue(w, "vsbMass")},
        {"CruiseMP", s.CruiseMP, SpinnerValue(w, "vsbCruise")},
        {"HeatSinks", s.HeatSinks, SpinnerValue(w, "vsbHeatSinks")},
    };
    for (const auto& p : pairs)
        if (p.kept != p.shown) return QStringLiteral("%1 is %2, its control shows %3").arg(p.what).arg(p.kept).arg(p.shown);
    for (const QScrollBar* spinner : w.findChildren<QScrollBar*>())
        if (spinner->value() < spinner->minimum() || spinner->value() > spinner->maximum())
            return spinner->objectName() + QStringLiteral(" is outside its range");
    if (Control<QCheckBox>(w, QStringLiteral("chkTurret"))->isChecked() && s.MotiveType == int(Motive::VTOL))
        return QStringLiteral("a VTOL with a turret");
    const auto* turretArmor = Control<QScrollBar>(w, QStringLiteral("vsbTurretArmor"));
    if (!turretArmor->isEnabled() && turretArmor->value() != 0) return QStringLiteral("armor on a turret that is not there");
    const bool ferro = Control<QCheckBox>(w, QStringLiteral("chkFerroFibrous"))->isChecked();
    const QString armorType = ferro ? QStringLiteral("Ferro Fibrous") : QStringLiteral("Standard");
    if (s.ArmorTypeName != armorType) return QStringLiteral("armor type name ") + s.ArmorTypeName;
    if (s.ArmorTonnage.units() != qint64(SpinnerValue(w, "vsbArmorTonnage")) * Currency::Scale / 2)
        return QStringLiteral("ArmorTonnage is not half the spinner");
    return QString();
}

QString DesignConsistencyFailure(const frmMain& w)
{
    if (const QString failure = InputConsistencyFailure(w); !failure.isEmpty()) return failure;
    const QString tons = FixedText(w.design().State().PayloadTonnage, 1);
    if (Text(w, QStringLiteral("lblPayloadTonnage")) != tons)
        return QStringLiteral("payload tonnage shows ") + Text(w, QStringLiteral("lblPayloadTonnage"));
    return PayloadInvariantFailure(w);
}

bool FileIsOpen(const QString& path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    for (const QFileInfo& descriptor : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        if (descriptor.symLinkTarget() == target) return true;
    return false;
}
