// New and Open: a design reset, or replaced by a file, in place through the inputs' steps.
#include "core/design/design.h"

void Design::New()
{
    s_.txtVehicleName = QStringLiteral("Insert Name and Designation");
    SetMotiveType(int(Motive::Hover));
    SetEngineType(int(Engine::ICE));
    Move(s_.vsbMass, 1);
    Move(s_.vsbCruise, 1);
    cmdClearAll_Click();
    for (Box* box : {&s_.chkCASE, &s_.chkFerroFibrous, &s_.chkArtemisSRM, &s_.chkArtemisLRM, &s_.chkTurret})
        Tick(*box, false);
    Move(s_.vsbArmorTonnage, 0);
    for (Spinner* location :
         {&s_.vsbFrontArmor, &s_.vsbRightArmor, &s_.vsbLeftArmor, &s_.vsbRearArmor, &s_.vsbTurretArmor})
        Move(*location, 0);
    for (QString* text : {&s_.txtManufacturer, &s_.txtCommSystem, &s_.txtTargetingSystem, &s_.txtOverview})
        text->clear();
    s_.DesignFileName.clear();
    ResetCrew();
}

void Design::Open(const QString& path)
{
    s_.DesignFileName = path;
    cmdClearAll_Click();
    ReadDesignFile(path);
    ResetCrew();
}

void Design::ResetCrew()
{
    Move(s_.vsbGunnery, 4);
    Move(s_.vsbDriving, 5);
}
