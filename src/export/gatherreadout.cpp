#include "export/gatherreadout.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <stdexcept>

#include "app/frmMain.h"
#include "app/numbertext.h"
#include "app/typedtext.h"

namespace {

// The index of the first chosen option, or -1.
template <std::size_t N>
int ChosenIndex(const std::array<QRadioButton*, N>& options)
{
    const auto chosen = std::find_if(options.begin(), options.end(), [](QRadioButton* o) { return o->isChecked(); });
    return chosen == options.end() ? -1 : int(chosen - options.begin());
}

// A label's caption read back as the number it shows.
double CaptionNumber(const QLabel* label)
{
    return ReadRegionalNumber(label->text()).value_or(0);
}

// The mounted records; the list has a header line above one line per record.
QList<ReadoutItem> Payload(const frmMain& w)
{
    const int count = std::clamp(w.lstPayload->count() - 1, 0, PayloadCapacity);
    QList<ReadoutItem> items;
    for (int k = 1; k <= count; ++k) {
        const PayloadItem& record = w.PayloadItems[k];
        items.append({record.Name, int(record.Heat), record.Tons, record.Location});
    }
    return items;
}

// The price worked out afresh; empty when it leaves the range of amounts.
std::optional<Currency> Price(const frmMain& w)
{
    try {
        return w.CalcCost();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

ReadoutDesign GatherReadout(const frmMain& w)
{
    ReadoutDesign d;
    d.name = w.txtVehicleName->text();
    d.mass = w.Mass;
    d.motive = MotiveOf(ChosenIndex(w.optMotiveType));
    d.engine = EngineOf(ChosenIndex(w.optEngineType));
    d.engineRating = w.EngineRating;
    d.engineTonnage = w.EngineTonnage;
    d.cruiseMP = CaptionNumber(w.lblCruise);
    d.flankMP = CaptionNumber(w.lblFlank);
    d.structureTonnage = w.StructureTonnage;
    d.heatSinks = w.HeatSinks;
    d.heatSinkTonnage = w.HeatSinkTonnage;
    d.turretTonnage = w.TurretTonnage;
    d.controlTonnage = w.ControlTonnage;
    d.liftTonnage = w.LiftTonnage;
    d.powerAmpTonnage = w.PowerAmpTonnage;
    d.armorFactor = w.TotalArmorPoints;
    d.armorTonnage = w.ArmorTonnage;
    d.armorTypeName = w.ArmorTypeName;
    d.caseFitted = w.chkCASE->isChecked();
    d.turretFitted = w.chkTurret->isChecked();
    d.frontArmor = w.vsbFrontArmor->value();
    d.rightArmor = w.vsbRightArmor->value();
    d.leftArmor = w.vsbLeftArmor->value();
    d.rearArmor = w.vsbRearArmor->value();
    d.turretArmor = w.vsbTurretArmor->value();
    d.manufacturer = w.txtManufacturer->text();
    d.commSystem = w.txtCommSystem->text();
    d.targetingSystem = w.txtTargetingSystem->text();
    d.overview = TypedText(*w.txtOverview);
    d.payload = Payload(w);
    d.cost = Price(w);
    return d;
}
