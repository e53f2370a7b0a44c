// Ammunition and cargo by weight: always in the body, no heat, one item slot per addition.
#include <QLabel>
#include <QScrollBar>

#include "app/frmMain.h"
#include "app/numbertext.h"
#include "payload/addtonnage.h"
#include "payload/payloadnotice.h"
#include "payload/payloadtotals.h"
#include "payload/rowset.h"

namespace {

// The spinner's top value marks half-ton steps.
Currency AmmoTons(const QScrollBar* spinner)
{
    if (spinner->maximum() == HalfTonTop) return Currency::fromDouble(spinner->value() * 0.5);
    return spinner->value();
}

}  // namespace

void frmMain::cmdAmmoAdd_Click()
{
    if (datAmmo->isEmpty()) return;
    if (RefusePayloadWhenFull(this, PayloadCount)) return;
    if (RefuseUnnamedRow(this, lblAmmoType->text())) return;
    const std::optional<double> costPerTon = ReadRegionalNumber(lblAmmoCost->text());
    if (!costPerTon) {
        ShowPayloadNotice(this, QStringLiteral("\"%1\" has no price per ton and cannot be added.").arg(lblAmmoType->text()));
        return;
    }
    CurrentItem = PayloadItem();
    CurrentItem.Class = datAmmo->Field(QStringLiteral("Class")).toString();
    CurrentItem.Name = lblAmmoType->text();
    CurrentItem.Heat = 0;
    CurrentItem.Tons = AmmoTons(vsbAddTonnage);
    CurrentItem.Cost = Currency::fromDouble(*costPerTon * CurrentItem.Tons.toDouble());
    CurrentItem.Location = LocationWord(Mounting::Body);
    CountIntoPayload(*this, CurrentItem);
    AppendPayloadItem();
    UpdateDesign();
}
