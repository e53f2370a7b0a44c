// Which handler answers which control. Qt reports a value change only when the value really
// changes, from the user or from code, and handlers run inside one another as they fire.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>

#include "app/frmMain.h"
#include "payload/rowset.h"

#include <stdexcept>

namespace {

// A handler that meets an overflow stops there, as a procedure stops at an error; the error
// must not travel on through the toolkit's signal delivery.
template <class Handler>
void Guarded(Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception&) {
    }
}

}  // namespace

void frmMain::ConnectHandlers()
{
    auto onChange = [this](QScrollBar* spinner, void (frmMain::*handler)()) {
        connect(spinner, &QScrollBar::valueChanged, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
        spinner->installEventFilter(this);
    };
    auto onToggle = [this](QCheckBox* box, void (frmMain::*handler)()) {
        connect(box, &QCheckBox::toggled, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    auto onClick = [this](QPushButton* button, void (frmMain::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    auto onMenu = [this](QAction* item, void (frmMain::*handler)()) {
        connect(item, &QAction::triggered, this, [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    auto onChoose = [this](QButtonGroup* group, void (frmMain::*handler)(int)) {
        connect(group, &QButtonGroup::idToggled, this, [this, handler](int id, bool checked) {
            if (checked) Guarded([&] { (this->*handler)(id); });
        });
    };

    onChoose(optMotiveTypeGroup, &frmMain::optMotiveType_Click);
    onChoose(optEngineTypeGroup, &frmMain::optEngineType_Click);
    onChange(vsbMass, &frmMain::vsbMass_Change);
    onChange(vsbCruise, &frmMain::vsbCruise_Change);
    onToggle(chkTurret, &frmMain::chkTurret_Click);
    onChange(vsbHeatSinks, &frmMain::vsbHeatSinks_Change);

    onChange(vsbArmorTonnage, &frmMain::vsbArmorTonnage_Change);
    onToggle(chkFerroFibrous, &frmMain::chkFerroFibrous_Click);
    onChange(vsbFrontArmor, &frmMain::vsbFrontArmor_Change);
    onChange(vsbLeftArmor, &frmMain::vsbLeftArmor_Change);
    onChange(vsbRightArmor, &frmMain::vsbRightArmor_Change);
    onChange(vsbRearArmor, &frmMain::vsbRearArmor_Change);
    onChange(vsbTurretArmor, &frmMain::vsbTurretArmor_Change);
    onClick(cmdAllocateArmor, &frmMain::cmdAllocateArmor_Click);

    onClick(cmdAddEquipment, &frmMain::cmdAddEquipment_Click);
    onClick(cmdAddAmmo, &frmMain::cmdAddAmmo_Click);
    onClick(cmdNextWeapon, &frmMain::cmdNextWeapon_Click);
    onClick(cmdPreviousWeapon, &frmMain::cmdPreviousWeapon_Click);
    onClick(cmdAmmoNext, &frmMain::cmdAmmoNext_Click);
    onClick(cmdAmmoPrevious, &frmMain::cmdAmmoPrevious_Click);
    onClick(cmdAdd, &frmMain::cmdAdd_Click);
    onClick(cmdAmmoAdd, &frmMain::cmdAmmoAdd_Click);
    onChange(vsbAddTonnage, &frmMain::vsbAddTonnage_Change);
    onToggle(chkArtemisSRM, &frmMain::chkArtemisSRM_Click);
    onToggle(chkArtemisLRM, &frmMain::chkArtemisLRM_Click);
    onToggle(chkCASE, &frmMain::chkCASE_Click);
    onClick(cmdRemove, &frmMain::cmdRemove_Click);
    onClick(cmdClearAll, &frmMain::cmdClearAll_Click);
    connect(datWeapons, &RowSet::moved, this, &frmMain::ShowWeaponFigures);
    ConnectRowFinders();

    onMenu(mnuFileNew, &frmMain::mnuFileNew_Click);
    onMenu(mnuFileOpen, &frmMain::mnuFileOpen_Click);
    onMenu(mnuFileSave, &frmMain::mnuFileSave_Click);
    onMenu(mnuFileSaveAs, &frmMain::mnuFileSaveAs_Click);
    onMenu(mnuFileExportHTML, &frmMain::mnuFileExportHTML_Click);
    onMenu(mnuFileExportHVN, &frmMain::mnuFileExportHVN_Click);
    onMenu(mnuFileExportSheet, &frmMain::mnuFileExportSheet_Click);
    onMenu(mnuFilePrintSheet, &frmMain::mnuFilePrintSheet_Click);
    onMenu(mnuFileExit, &frmMain::mnuFileExit_Click);
    onMenu(mnuHelpAbout, &frmMain::mnuHelpAbout_Click);
}
