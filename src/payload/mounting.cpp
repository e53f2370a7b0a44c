// Mounting the browsed weapon or piece of equipment at the chosen location.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <iterator>

#include "payload/artemis.h"
#include "payload/payloadnotice.h"
#include "payload/payloadtotals.h"
#include "payload/rowset.h"

namespace {

// An empty heat counts as none.
Int16 HeatOf(const QVariant& heat)
{
    if (heat.isNull()) return 0;
    return Currency::fromDouble(heat.toDouble()).toInt16();
}

Currency AmountOf(const QVariant& value)
{
    return Currency::fromDouble(value.toDouble());
}

// Electronic equipment goes in the body, the target designator excepted; everything else
// goes where the first chosen location button says.
QString MountingLocation(const frmMain& w, const PayloadItem& item)
{
    if (item.Class == QLatin1String("Electronics") && item.Name != QLatin1String("TAG"))
        return LocationWord(Mounting::Body);
    for (std::size_t i = 0; i < w.optLocation.size(); ++i)
        if (w.optLocation[i]->isChecked()) return LocationWord(MountingOptions[i].mounting);
    return QString();
}

}  // namespace

void frmMain::cmdAdd_Click()
{
    if (datWeapons->isEmpty()) return;
    if (RefusePayloadWhenFull(this, PayloadCount)) return;
    if (RefuseUnnamedRow(this, lblName->text())) return;
    CurrentItem = PayloadItem();
    CurrentItem.Class = datWeapons->Field(QStringLiteral("Class")).toString();
    CurrentItem.Name = lblName->text();
    CurrentItem.Heat = HeatOf(datWeapons->Field(QStringLiteral("heat")));
    CurrentItem.Tons = AmountOf(datWeapons->Field(QStringLiteral("tons")));
    CurrentItem.Cost = AmountOf(datWeapons->Field(QStringLiteral("cost")));
    CurrentItem.Location = MountingLocation(*this, CurrentItem);
    AddAmountsToPayload(*this, CurrentItem);
    AppendPayloadItem();
    ReapplyArtemis(CurrentItem.Name);
    ItemsUsed += 1;
    UpdateDesign();
}

// A new launcher of a family whose Artemis IV is fitted gets its line: the box goes off, which
// takes out every line of the family, and on again, which adds one per launcher. The name is
// a copy: fitting Artemis IV fills CurrentItem anew.
void frmMain::ReapplyArtemis(QString launcherName)
{
    for (const ArtemisFamily* family : ArtemisFamilies) {
        QCheckBox* box = this->*family->box;
        if (!family->isLauncher(launcherName) || !box->isChecked()) continue;
        box->setChecked(false);
        box->setChecked(true);
    }
}
