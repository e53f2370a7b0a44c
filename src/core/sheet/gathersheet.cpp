#include "core/sheet/gathersheet.h"

#include <QFileInfo>

#include "core/battlevalue/battlevalue.h"
#include "core/design/design.h"
#include "core/export/gatherreadout.h"
#include "core/payload/rowset.h"

namespace {

std::optional<int> Range(const RowSet& rows, const QString& name, const char* field)
{
    const QVariant value = rows.FieldWhere(QStringLiteral("Type"), name, QLatin1String(field));
    bool isNumber = false;
    const int range = value.toInt(&isNumber);
    return isNumber ? std::optional<int>(range) : std::nullopt;
}

WeaponFigures FiguresOf(const RowSet& rows, const QString& name)
{
    return {rows.FieldWhere(QStringLiteral("Type"), name, QStringLiteral("Damage")).toString(), Range(rows, name, "MinRange"),
            Range(rows, name, "ShortRange"), Range(rows, name, "MediumRange"), Range(rows, name, "LongRange")};
}

}  // namespace

SheetDesign GatherSheet(const Design& design, const RowSet& weapons, const RowSet& ammo)
{
    SheetDesign s;
    s.readout = GatherReadout(design);
    for (const ReadoutItem& item : s.readout.payload) {
        if (!s.weapons.contains(item.name)) s.weapons.insert(item.name, FiguresOf(weapons, item.name));
        const QVariant shots = ammo.FieldWhere(QStringLiteral("Type"), item.name, QStringLiteral("ShotsPerTon"));
        if (!shots.isNull()) s.shotsPerTon.insert(item.name, shots.toInt());
    }
    s.battleValue = design.Weapons() ? design.State().BattleValue
                                     : RateBattleValue(design.State(), BattleValueTable(weapons, ammo)).value;
    const QString fileName = design.State().DesignFileName;
    s.source = fileName.isEmpty() ? s.readout.name : QFileInfo(fileName).fileName();
    return s;
}
