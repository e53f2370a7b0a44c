// Artemis IV: while its box is ticked, every launcher of the family has one Artemis IV line at
// its own location, appended after all other lines.
#include <QCheckBox>
#include <QListWidget>

#include "payload/artemis.h"
#include "payload/payloadnotice.h"
#include "payload/payloadtotals.h"
#include "rules/ruletables.h"

namespace {

PayloadItem ArtemisLine(const ArtemisFamily& family, const QString& location)
{
    PayloadItem line;
    line.Class = QStringLiteral("Electronics");
    line.Name = family.lineName;
    line.Heat = 0;
    line.Tons = rules::ArtemisTons;
    line.Location = location;
    line.Cost = rules::ArtemisPrice;
    return line;
}

}  // namespace

void frmMain::chkArtemisSRM_Click()
{
    SwitchArtemis(ArtemisSRM);
}

void frmMain::chkArtemisLRM_Click()
{
    SwitchArtemis(ArtemisLRM);
}

void frmMain::SwitchArtemis(const ArtemisFamily& family)
{
    if ((this->*family.box)->isChecked())
        FitArtemis(family);
    else
        UnfitArtemis(family);
    UpdateDesign();
}

// The walk runs to the last line, the ones it appends included; those are no launchers. When
// the table fills up, the lines that fit stay and the user is told.
void frmMain::FitArtemis(const ArtemisFamily& family)
{
    for (int index = 1; index < lstPayload->count(); ++index) {
        if (!family.isLauncher(PayloadItems[index].Name)) continue;
        if (RefusePayloadWhenFull(this, PayloadCount)) break;
        lstPayload->setCurrentRow(index);
        CurrentItem = ArtemisLine(family, PayloadItems[index].Location);
        CountIntoPayload(*this, CurrentItem);
        AppendPayloadItem();
    }
}

// After a line goes, the same index holds the next record.
void frmMain::UnfitArtemis(const ArtemisFamily& family)
{
    int index = 1;
    while (index <= PayloadCount) {
        if (family.isArtemisLine(PayloadItems[index].Name)) {
            CountOutOfPayload(*this, PayloadItems[index]);
            RemovePayloadRecord(index);
        } else {
            ++index;
        }
    }
}
