#include "support/designchecks.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <span>

#include "app/numbertext.h"
#include "support/payloadchecks.h"

namespace {

QString Amount(Currency value)
{
    return QString::number(value.units());
}

QString Record(const PayloadItem& r)
{
    return QStringList{r.Class, r.Name, QString::number(r.Heat), Amount(r.Tons), r.Location, Amount(r.Cost),
                       QString::number(r.Reserved)}
        .join(u'|');
}

// The controls of the browsers and of mounting, which a design file neither holds nor sets.
constexpr const char* NotInTheDesign[] = {"optLocation", "vsbAddTonnage", "lblAddTonnage", "lblClass", "lblName",
                                          "lblWeight", "lblHeat", "lblWeaponCost", "lblAmmo"};

bool InTheDesign(const QString& name)
{
    for (const char* prefix : NotInTheDesign)
        if (name.startsWith(QLatin1String(prefix))) return false;
    return true;
}

// The window's own controls of one kind whose names begin with `prefix`, by name; the parts
// of other controls (the scroll bars of a list) have no name.
template <class T>
QList<T*> Named(const frmMain& window, const char* prefix)
{
    QList<T*> controls;
    for (T* control : window.findChildren<T*>())
        if (control->objectName().startsWith(QLatin1String(prefix)) && InTheDesign(control->objectName()))
            controls << control;
    std::sort(controls.begin(), controls.end(), [](T* a, T* b) { return a->objectName() < b->objectName(); });
    return controls;
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
    for (const QScrollBar* spinner : Named<QScrollBar>(w, "vsb"))
        entries << QStringLiteral("%1=%2 [%3..%4]%5")
                       .arg(spinner->objectName())
                       .arg(spinner->value())
                       .arg(spinner->minimum())
                       .arg(spinner->maximum())
                       .arg(spinner->isEnabled() ? "" : " disabled");
    for (const QCheckBox* box : Named<QCheckBox>(w, "chk"))
        entries << QStringLiteral("%1=%2%3").arg(box->objectName()).arg(box->isChecked()).arg(box->isEnabled() ? "" : " disabled");
    for (const QRadioButton* option : Named<QRadioButton>(w, "opt"))
        entries << QStringLiteral("%1 %2=%3").arg(option->objectName(), option->text()).arg(option->isChecked());
    for (const QLineEdit* box : Named<QLineEdit>(w, "txt")) entries << box->objectName() + u'=' + box->text();
    entries << QStringLiteral("txtOverview=") + w.txtOverview->toPlainText();
    for (const QLabel* label : Named<QLabel>(w, "lbl")) {
        const bool red = label->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
        entries << QStringLiteral("%1=%2%3").arg(label->objectName(), label->text(), red ? " red" : "");
    }
    for (const QString& line : PayloadLines(w)) entries << QStringLiteral("line=") + line;
    for (int i = 0; i <= PayloadCapacity; ++i) entries << QStringLiteral("record %1=").arg(i) + Record(w.PayloadItems[i]);
    const struct {
        const char* name;
        QString value;
    } state[] = {
        {"Mass", QString::number(w.Mass)},
        {"MotiveType", QString::number(w.MotiveType)},
        {"CruiseMP", QString::number(w.CruiseMP)},
        {"EngineType", QString::number(w.EngineType)},
        {"EngineRating", QString::number(w.EngineRating)},
        {"EngineSlots", QString::number(w.EngineSlots)},
        {"FreeHeatSinks", QString::number(w.FreeHeatSinks)},
        {"HeatSinks", QString::number(w.HeatSinks)},
        {"ItemsUsed", QString::number(w.ItemsUsed)},
        {"ArmorTonnage", Amount(w.ArmorTonnage)},
        {"TotalArmorPoints", Amount(w.TotalArmorPoints)},
        {"ArmorTypeName", w.ArmorTypeName},
        {"PayloadCount", QString::number(w.PayloadCount)},
        {"PayloadTonnage", Amount(w.PayloadTonnage)},
        {"PayloadCost", Amount(w.PayloadCost)},
        {"PayloadHeat", QString::number(w.PayloadHeat)},
        {"EnergyWeaponTonnage", Amount(w.EnergyWeaponTonnage)},
        {"TurretWeaponTonnage", Amount(w.TurretWeaponTonnage)},
        {"CASETonnage", Amount(w.CASETonnage)},
        {"TonnageUsed", Amount(w.TonnageUsed)},
        {"CalcCost", Amount(w.CalcCost())},
    };
    for (const auto& s : state) entries << QString::fromLatin1(s.name) + u'=' + s.value;
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
    if (w.chkTurret->isChecked() && w.MotiveType == 3) return QStringLiteral("a VTOL with a turret");
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
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& descriptor : descriptors.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        if (descriptor.symLinkTarget() == target) return true;
    return false;
}
