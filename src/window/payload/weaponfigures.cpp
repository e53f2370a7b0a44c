// What a record sheet prints of the browsed weapon, as the name label's tool tip: its damage
// and its ranges in hexes. A catalogue without these fields shows no tool tip.
#include <QLabel>
#include <QLocale>

#include "window/app/frmMain.h"
#include "core/payload/rowset.h"

void frmMain::ShowWeaponFigures()
{
    if (datWeapons->isEmpty() || !datWeapons->HasField(QStringLiteral("Damage"))) {
        lblName->setToolTip({});
        return;
    }
    const auto range = [this](const char* field) {
        const QVariant hexes = datWeapons->Field(QString::fromLatin1(field));
        return hexes.isNull() ? QStringLiteral("-") : QLocale().toString(hexes.toInt());
    };
    const QString damage = datWeapons->FieldText(QStringLiteral("Damage"));
    lblName->setToolTip(QStringLiteral("Damage: %1\nRange in hexes: minimum %2, short %3, medium %4, long %5")
                            .arg(damage.isEmpty() ? QStringLiteral("-") : damage, range("MinRange"), range("ShortRange"),
                                 range("MediumRange"), range("LongRange")));
}
