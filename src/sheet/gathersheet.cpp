#include "sheet/gathersheet.h"

#include <QFileInfo>

#include "app/frmMain.h"
#include "export/gatherreadout.h"
#include "payload/rowset.h"

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

SheetDesign GatherSheet(const frmMain& w)
{
    SheetDesign s;
    s.readout = GatherReadout(w);
    for (const ReadoutItem& item : s.readout.payload) {
        if (!s.weapons.contains(item.name)) s.weapons.insert(item.name, FiguresOf(*w.datWeapons, item.name));
        const QVariant shots = w.datAmmo->FieldWhere(QStringLiteral("Type"), item.name, QStringLiteral("ShotsPerTon"));
        if (!shots.isNull()) s.shotsPerTon.insert(item.name, shots.toInt());
    }
    s.source = w.DesignFileName.isEmpty() ? s.readout.name : QFileInfo(w.DesignFileName).fileName();
    return s;
}
