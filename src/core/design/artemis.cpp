// Artemis IV: while its box is ticked, every launcher of the family has one Artemis IV line at
// its own location, appended after all other lines.
#include "core/design/artemis.h"
#include "core/rules/ruletables.h"

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

void Design::chkArtemisSRM_Click()
{
    SwitchArtemis(ArtemisSRM);
}

void Design::chkArtemisLRM_Click()
{
    SwitchArtemis(ArtemisLRM);
}

void Design::SwitchArtemis(const ArtemisFamily& family)
{
    if ((s_.*family.box).checked)
        FitArtemis(family);
    else
        UnfitArtemis(family);
    UpdateDesign();
}

// The walk runs to the last line, the ones it appends included; those are no launchers. When
// the table fills up, the lines that fit stay and the user is told.
void Design::FitArtemis(const ArtemisFamily& family)
{
    for (int index = 1; index <= s_.PayloadLines.size(); ++index) {
        if (!family.isLauncher(s_.PayloadItems[index].Name)) continue;
        if (RefusePayloadWhenFull()) break;
        SelectLine(index);
        s_.CurrentItem = ArtemisLine(family, s_.PayloadItems[index].Location);
        CountIntoPayload(s_.CurrentItem);
        AppendPayloadItem();
    }
}

// After a line goes, the same index holds the next record.
void Design::UnfitArtemis(const ArtemisFamily& family)
{
    int index = 1;
    while (index <= s_.PayloadCount) {
        if (family.isArtemisLine(s_.PayloadItems[index].Name)) {
            CountOutOfPayload(s_.PayloadItems[index]);
            RemovePayloadRecord(index);
        } else {
            ++index;
        }
    }
}

// A new launcher of a family whose Artemis IV is fitted gets its line: the box goes off, which
// takes out every line of the family, and on again, which adds one per launcher. The name is
// a copy: fitting Artemis IV fills CurrentItem anew.
void Design::ReapplyArtemis(QString launcherName)
{
    for (const ArtemisFamily* family : ArtemisFamilies) {
        Box& box = s_.*family->box;
        if (!family->isLauncher(launcherName) || !box.checked) continue;
        Tick(box, false);
        Tick(box, true);
    }
}
