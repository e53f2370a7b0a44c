#include <span>

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

int ChosenIndex(std::span<QRadioButton* const> buttons)
{
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked()) return int(i);
    return -1;
}

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
    for (const QString& line : PayloadLines(w)) entries << QStringLiteral("line=") + line;
    for (int i = 0; i <= PayloadCapacity; ++i) {
        const PayloadItem& r = w.PayloadItems[i];
        entries << QStringList{QString::number(i), r.Class, r.Name, QString::number(r.Heat), Units(r.Tons), r.Location, Units(r.Cost),
                               QString::number(r.Reserved)}.join(u'|');
    }
    entries << QStringList{QString::number(w.Mass), QString::number(w.MotiveType), QString::number(w.CruiseMP),
                           QString::number(w.EngineType), QString::number(w.EngineRating), QString::number(w.EngineSlots),
                           QString::number(w.FreeHeatSinks), QString::number(w.HeatSinks), QString::number(w.ItemsUsed),
                           Units(w.ArmorTonnage), Units(w.TotalArmorPoints), w.ArmorTypeName, QString::number(w.PayloadCount),
                           Units(w.PayloadTonnage), Units(w.PayloadCost), QString::number(w.PayloadHeat),
                           Units(w.EnergyWeaponTonnage), Units(w.TurretWeaponTonnage), Units(w.CASETonnage),
                           Units(w.TonnageUsed), Units(w.CalcCost())}.join(u'|');
    return entries;
}

QString InputConsistencyFailure(const frmMain& w)
{
    const struct {
        const char* what;
        int kept, shown;
    } pairs[] = {
        {"MotiveType", w.MotiveType, ChosenIndex(w.optMotiveType)},
        {"EngineType", w.EngineType, ChosenIndex(w.optEngineType)},
        {"Mass", w.Mass, w.vsbMass->value()},
        {"CruiseMP", w.CruiseMP, w.vsbCruise->value()},
        {"HeatSinks", w.HeatSinks, w.vsbHeatSinks->value()},
    };
    for (const auto& p : pairs)
        if (p.kept != p.shown) return QStringLiteral("%1 is %2, its control shows %3").arg(p.what).arg(p.kept).arg(p.shown);
    for (const QScrollBar* spinner : w.findChildren<QScrollBar*>())
        if (spinner->value() < spinner->minimum() || spinner->value() > spinner->maximum())
            return spinner->objectName() + QStringLiteral(" is outside its range");
    if (w.chkTurret->isChecked() && w.MotiveType == int(Motive::VTOL)) return QStringLiteral("a VTOL with a turret");
    if (!w.vsbTurretArmor->isEnabled() && w.vsbTurretArmor->value() != 0)
        return QStringLiteral("armor on a turret that is not there");
    const QString armorType = w.chkFerroFibrous->isChecked() ? QStringLiteral("Ferro Fibrous") : QStringLiteral("Standard");
    if (w.ArmorTypeName != armorType) return QStringLiteral("armor type name ") + w.ArmorTypeName;
    if (w.ArmorTonnage.units() != qint64(w.vsbArmorTonnage->value()) * Currency::Scale / 2)
        return QStringLiteral("ArmorTonnage is not half the spinner");
    return QString();
}

QString DesignConsistencyFailure(const frmMain& w)
{
    if (const QString failure = InputConsistencyFailure(w); !failure.isEmpty()) return failure;
    if (w.lblPayloadTonnage->text() != FixedText(w.PayloadTonnage, 1))
        return QStringLiteral("payload tonnage shows ") + w.lblPayloadTonnage->text();
    return PayloadInvariantFailure(w);
}

bool FileIsOpen(const QString& path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    for (const QFileInfo& descriptor : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        if (descriptor.symLinkTarget() == target) return true;
    return false;
}
