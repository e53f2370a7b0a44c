#include "support/designdriver.h"

#include "core/payload/payloadline.h"

namespace {

template <class Member>
struct Named {
    const char* name;
    Member DesignState::*member;
};
#define NAMED(member) {#member, &DesignState::member}

// The inputs and figures by name, as the design holds them: the spinners, boxes, options and
// texts (but for the armor type's name) are what a design file holds.
const Named<Spinner> Spinners[] = {
    NAMED(vsbMass), NAMED(vsbCruise), NAMED(vsbHeatSinks), NAMED(vsbArmorTonnage),
    NAMED(vsbFrontArmor), NAMED(vsbLeftArmor), NAMED(vsbRightArmor), NAMED(vsbRearArmor), NAMED(vsbTurretArmor),
};
const Named<Box> Boxes[] = {NAMED(chkTurret), NAMED(chkFerroFibrous), NAMED(chkCASE), NAMED(chkArtemisSRM), NAMED(chkArtemisLRM)};
const Named<int> Options[] = {NAMED(optMotiveType), NAMED(optEngineType)};
const Named<QString> Texts[] = {
    NAMED(txtVehicleName), NAMED(txtManufacturer), NAMED(txtCommSystem), NAMED(txtTargetingSystem),
    NAMED(txtOverview), NAMED(ArmorTypeName),
};
const Named<Int16> Counts[] = {
    NAMED(Mass), NAMED(MotiveType), NAMED(CruiseMP), NAMED(EngineType), NAMED(EngineRating),
    NAMED(EngineSlots), NAMED(SuspensionFactor), NAMED(ItemLimit), NAMED(ItemsUsed), NAMED(ItemsFree),
    NAMED(ArmorPointsUsed), NAMED(ArmorPointsRemaining), NAMED(PayloadCount), NAMED(PayloadHeat), NAMED(HeatSinksRequired),
    NAMED(HeatSinkTonnage), NAMED(HeatSinks), NAMED(FreeHeatSinks),
};
const Named<Currency> Amounts[] = {
    NAMED(TonnageUsed), NAMED(TonnageRemaining), NAMED(ControlTonnage), NAMED(LiftTonnage), NAMED(StructureTonnage),
    NAMED(TurretTonnage), NAMED(FlankMP), NAMED(EngineTonnage), NAMED(ArmorTonnage), NAMED(TotalArmorPoints),
    NAMED(PayloadTonnage), NAMED(PowerAmpTonnage), NAMED(EnergyWeaponTonnage), NAMED(TurretWeaponTonnage), NAMED(CASETonnage),
    NAMED(PayloadCost), NAMED(Cost),
};
const Named<bool> Flags[] = {NAMED(TonnageOver), NAMED(ArmorPointsOver), NAMED(turretLocationEnabled)};
// Read by name, but no part of the design a file gives.
const Named<int> Choices[] = {NAMED(optLocation), NAMED(SelectedLine)};

// An amount written out exactly: its ten-thousandths with the point put in by hand.
QString Exact(Currency amount)
{
    const qint64 units = amount.units();
    const quint64 magnitude = units < 0 ? 0 - quint64(units) : quint64(units);
    QString text = (units < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / 10000);
    if (magnitude % 10000 == 0) return text;
    QString decimals = QString::number(magnitude % 10000).rightJustified(4, u'0');
    while (decimals.endsWith(u'0')) decimals.chop(1);
    return text + u'.' + decimals;
}

QString Flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString RecordText(int index, const PayloadItem& r)
{
    return QStringList{QString::number(index), r.Class, r.Name, QString::number(r.Heat), Exact(r.Tons), r.Location,
                       Exact(r.Cost), QString::number(r.Reserved)}
        .join(u'|');
}

QString SpinnerAspect(const Spinner& spinner, const QString& aspect)
{
    if (aspect.isEmpty()) return QString::number(spinner.value);
    if (aspect == QLatin1String("min")) return QString::number(spinner.minimum);
    if (aspect == QLatin1String("max")) return QString::number(spinner.maximum);
    if (aspect == QLatin1String("enabled")) return Flag(spinner.enabled);
    return QStringLiteral("<unknown>");
}

QString BoxAspect(const Box& box, const QString& aspect)
{
    if (aspect.isEmpty()) return Flag(box.checked);
    if (aspect == QLatin1String("enabled")) return Flag(box.enabled);
    return QStringLiteral("<unknown>");
}

template <class Member, size_t N, class Show>
std::optional<QString> Find(const Named<Member> (&table)[N], const DesignState& s, const QString& name, Show show)
{
    for (const Named<Member>& row : table)
        if (name == QLatin1String(row.name)) return show(s.*row.member);
    return std::nullopt;
}

// Presses a browser's Next until its current row has the name `wanted`.
void Browse(Design& design, bool weapons, const QString& wanted)
{
    const RowSet* rows = weapons ? design.Weapons() : design.Ammo();
    if (!rows) qFatal("no catalogue to browse for %s", qPrintable(wanted));
    for (int presses = 0; presses <= rows->rowCount() && rows->FieldText(QStringLiteral("Type")) != wanted; ++presses)
        weapons ? design.cmdNextWeapon_Click() : design.cmdAmmoNext_Click();
    if (rows->FieldText(QStringLiteral("Type")) != wanted) qFatal("no catalogue row named %s", qPrintable(wanted));
}

// The commands without a value, by the names of their buttons.
const struct {
    const char* name;
    void (*press)(Design&);
} Commands[] = {
    {"cmdAdd", [](Design& d) { d.cmdAdd_Click(); }},
    {"cmdAmmoAdd", [](Design& d) { d.cmdAmmoAdd_Click(); }},
    {"cmdRemove", [](Design& d) { d.cmdRemove_Click(); }},
    {"cmdClearAll", [](Design& d) { d.cmdClearAll_Click(); }},
    {"cmdAllocateArmor", [](Design& d) { d.cmdAllocateArmor_Click(); }},
    {"cmdNextWeapon", [](Design& d) { d.cmdNextWeapon_Click(); }},
    {"cmdPreviousWeapon", [](Design& d) { d.cmdPreviousWeapon_Click(); }},
    {"cmdAmmoNext", [](Design& d) { d.cmdAmmoNext_Click(); }},
    {"cmdAmmoPrevious", [](Design& d) { d.cmdAmmoPrevious_Click(); }},
};

// A step with a value: an option, a text, a spinner, a box, a browser or the payload list.
void SetInput(Design& design, const QString& name, const QString& text)
{
    const int value = text.toInt();
    if (name == QLatin1String("optMotiveType")) return design.SetMotiveType(value);
    if (name == QLatin1String("optEngineType")) return design.SetEngineType(value);
    if (name == QLatin1String("optLocation")) return design.SetLocation(value);
    if (name == QLatin1String("weapon") || name == QLatin1String("ammo")) return Browse(design, name == QLatin1String("weapon"), text);
    if (name == QLatin1String("line")) return design.SelectLine(value);
    if (name == QLatin1String("weaponRow") || name == QLatin1String("ammoRow"))
        return design.BrowseToRow(name == QLatin1String("weaponRow"), value);
    const std::pair<const char*, void (Design::*)(const QString&)> texts[] = {
        {"txtVehicleName", &Design::SetVehicleName}, {"txtManufacturer", &Design::SetManufacturer},
        {"txtCommSystem", &Design::SetCommSystem}, {"txtTargetingSystem", &Design::SetTargetingSystem},
        {"txtOverview", &Design::SetOverview}};
    for (const auto& [input, set] : texts)
        if (name == QLatin1String(input)) return (design.*set)(text);
    for (const Named<Spinner>& row : Spinners)
        if (name == QLatin1String(row.name)) return design.SetSpinner(row.member, value);
    if (name == QLatin1String("vsbAddTonnage")) return design.SetSpinner(&DesignState::vsbAddTonnage, value);
    for (const Named<Box>& row : Boxes)
        if (name == QLatin1String(row.name)) return design.SetBox(row.member, value != 0);
    qFatal("no input named %s", qPrintable(name));
}

}  // namespace

void Drive(Design& design, const QStringList& steps)
{
    for (const QString& step : steps) {
        const qsizetype split = step.indexOf(u'=');
        if (split >= 0) {
            SetInput(design, step.left(split), step.mid(split + 1));
            continue;
        }
        const auto command = std::find_if(std::begin(Commands), std::end(Commands),
                                          [&](const auto& c) { return step == QLatin1String(c.name); });
        if (command == std::end(Commands)) qFatal("no command named %s", qPrintable(step));
        command->press(design);
    }
}

QString Figure(const Design& design, const QString& name)
{
    const DesignState& s = design.State();
    const QString input = name.section(u'.', 0, 0);
    const QString aspect = name.section(u'.', 1);
    const auto number = [](int value) { return QString::number(value); };
    const auto same = [](const QString& text) { return text; };
    std::optional<QString> found = Find(Spinners, s, input, [&](const Spinner& v) { return SpinnerAspect(v, aspect); });
    if (!found && input == QLatin1String("vsbAddTonnage")) found = SpinnerAspect(s.vsbAddTonnage, aspect);
    if (!found) found = Find(Boxes, s, input, [&](const Box& v) { return BoxAspect(v, aspect); });
    if (!found) found = Find(Options, s, name, number);
    if (!found) found = Find(Choices, s, name, number);
    if (!found) found = Find(Texts, s, name, same);
    if (!found) found = Find(Counts, s, name, [](Int16 v) { return QString::number(v); });
    if (!found) found = Find(Amounts, s, name, Exact);
    if (!found) found = Find(Flags, s, name, Flag);
    if (!found && name == QLatin1String("DesignFileName")) found = s.DesignFileName;
    if (!found && name == QLatin1String("DesignNotes")) found = s.DesignNotes.join(QStringLiteral(" | "));
    for (const auto& [browser, rows] : {std::pair{"weapon", design.Weapons()}, {"ammo", design.Ammo()}})
        if (!found && name == QLatin1String(browser)) found = rows ? rows->FieldText(QStringLiteral("Type")) : QString();
    return found.value_or(QStringLiteral("<unknown>"));
}

QString SpinnerName(const Design& design, const Spinner& spinner)
{
    for (const Named<Spinner>& row : Spinners)
        if (&(design.State().*row.member) == &spinner) return QLatin1String(row.name);
    return QStringLiteral("<unknown>");
}

QString FirstFailure(const Design& design, const QStringList& checks)
{
    for (const QString& check : checks) {
        const QString got = Figure(design, check.section(u'=', 0, 0));
        if (got != check.section(u'=', 1)) return QStringLiteral("%1 (got %2)").arg(check, got);
    }
    return {};
}

QStringList DesignFigures(const Design& design)
{
    const DesignState& s = design.State();
    QStringList entries;
    const auto add = [&](const auto& table, std::initializer_list<const char*> aspects = {""}) {
        for (const auto& row : table)
            for (const char* aspect : aspects)
                entries << QStringLiteral("%1%2=%3").arg(row.name, aspect, Figure(design, row.name + QLatin1String(aspect)));
    };
    add(Spinners, {"", ".min", ".max", ".enabled"});
    add(Boxes, {"", ".enabled"});
    add(Options);
    add(Texts);
    add(Counts);
    add(Amounts);
    add(Flags);
    entries << QStringLiteral("DesignNotes=") + Figure(design, QStringLiteral("DesignNotes"));
    for (const QString& line : s.PayloadLines) entries << QStringLiteral("line=") + line;
    for (int i = 0; i <= PayloadCapacity; ++i) entries << RecordText(i, s.PayloadItems[i]);
    return entries;
}

QString PayloadInvariantFailure(const Design& design)
{
    const DesignState& s = design.State();
    if (s.PayloadLines.size() != s.PayloadCount)
        return QStringLiteral("%1 lines for %2 records").arg(s.PayloadLines.size()).arg(int(s.PayloadCount));
    if (!(s.PayloadItems[0] == PayloadItem())) return QStringLiteral("record 0 is used");
    Currency tons, cost, energy, turret;
    int heat = 0;
    for (int k = 1; k <= s.PayloadCount; ++k) {
        const PayloadItem& r = s.PayloadItems[k];
        if (r.isEmpty()) return QStringLiteral("record %1 is empty").arg(k);
        if (s.PayloadLines[k - 1] != FormatPayloadLine(r)) return QStringLiteral("line %1 is \"%2\"").arg(k).arg(s.PayloadLines[k - 1]);
        tons += r.Tons;
        cost += r.Cost;
        heat += r.Heat;
        if (r.Class == QLatin1String("Energy")) energy += r.Tons;
        if (r.Location == QLatin1String("Turret")) turret += r.Tons;
    }
    for (int k = s.PayloadCount + 1; k <= PayloadCapacity; ++k)
        if (!(s.PayloadItems[k] == PayloadItem())) return QStringLiteral("record %1 past the count is not empty").arg(k);
    const bool fitted = s.chkCASE.checked;
    if (fitted) cost += 50000;
    const struct {
        const char* total;
        QString kept, sum;
    } totals[] = {
        {"PayloadTonnage", Exact(s.PayloadTonnage), Exact(tons)},
        {"PayloadCost", Exact(s.PayloadCost), Exact(cost)},
        {"PayloadHeat", QString::number(s.PayloadHeat), QString::number(heat)},
        {"EnergyWeaponTonnage", Exact(s.EnergyWeaponTonnage), Exact(energy)},
        {"TurretWeaponTonnage", Exact(s.TurretWeaponTonnage), Exact(turret)},
        {"CASETonnage", Exact(s.CASETonnage), fitted ? QStringLiteral("0.5") : QStringLiteral("0")},
        {"ItemsUsed", QString::number(s.ItemsUsed), QString::number(s.PayloadCount + (s.chkFerroFibrous.checked ? 2 : 0))},
    };
    for (const auto& t : totals)
        if (t.kept != t.sum) return QStringLiteral("%1 is %2, the records make %3").arg(t.total, t.kept, t.sum);
    return {};
}

CatalogueDesign::CatalogueDesign(const QString& path)
{
    for (RowSet* rows : {&weapons, &ammo}) {
        rows->setDatabaseName(path);
        if (!rows->Refresh()) qFatal("cannot read %s: %s", qPrintable(path), qPrintable(rows->errorText()));
    }
    design.UseCatalogue(&weapons, &ammo);
}

QString BuiltCatalogue()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ISWeapons.mdb");
}

QByteArray BytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void PutBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write %s", qPrintable(path));
}
