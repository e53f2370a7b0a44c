// The "Add Ammo & Equipment" page: the weapons and the ammunition browser in one place,
// the Artemis IV boxes and the payload tonnage.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "window/app/controls.h"
#include "window/app/frmMain.h"

namespace {

QPushButton* MakeButton(const char* name, const char* caption, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// Caption and bound value label, one row of a browser.
QLabel* AddFieldRow(QGridLayout* grid, int row, const char* caption, const char* name, QWidget* parent)
{
    auto* value = MakeValueLabel(QString::fromLatin1(name), parent);
    grid->addWidget(MakeCaption(QString::fromLatin1(caption), parent), row, 0);
    grid->addWidget(value, row, 1, 1, 3);
    return value;
}

}  // namespace

QWidget* frmMain::CreateEquipmentPage()
{
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);

    auto* switches = new QHBoxLayout;
    cmdAddEquipment = MakeButton("cmdAddEquipment", "Add Weapons", page);
    cmdAddAmmo = MakeButton("cmdAddAmmo", "Add Ammo", page);
    switches->addWidget(cmdAddEquipment);
    switches->addWidget(cmdAddAmmo);
    switches->addStretch();
    pageLayout->addLayout(switches);

    // Both browsers share one rectangle; exactly one of them is visible.
    auto* browsers = new QWidget(page);
    auto* stack = new QGridLayout(browsers);
    stack->setContentsMargins(0, 0, 0, 0);

    fraAddWeapons = new QGroupBox(QStringLiteral("Add Weapons"), browsers);
    fraAddWeapons->setObjectName(QStringLiteral("fraAddWeapons"));
    auto* weapons = new QGridLayout(fraAddWeapons);
    lblClass = AddFieldRow(weapons, 0, "Class:", "lblClass", fraAddWeapons);
    lblName = AddFieldRow(weapons, 1, "Name:", "lblName", fraAddWeapons);
    lblWeight = AddFieldRow(weapons, 2, "Weight:", "lblWeight", fraAddWeapons);
    lblHeat = AddFieldRow(weapons, 3, "Heat:", "lblHeat", fraAddWeapons);
    lblWeaponCost = AddFieldRow(weapons, 4, "Cost:", "lblWeaponCost", fraAddWeapons);
    optLocationGroup = new QButtonGroup(fraAddWeapons);
    optLocationGroup->setObjectName(QStringLiteral("optLocation"));
    auto* locations = new QHBoxLayout;
    for (int i = 0; i < int(optLocation.size()); ++i) {
        optLocation[i] = new QRadioButton(QString::fromLatin1(MountingOptions[i].word), fraAddWeapons);
        optLocation[i]->setObjectName(QStringLiteral("optLocation_%1").arg(i));
        optLocationGroup->addButton(optLocation[i], i);
        locations->addWidget(optLocation[i]);
    }
    optLocation[int(Mounting::Front)]->setChecked(true);
    weapons->addLayout(locations, 5, 0, 1, 4);
    auto* weaponButtons = new QHBoxLayout;
    cmdPreviousWeapon = MakeButton("cmdPreviousWeapon", "&<- Previous", fraAddWeapons);
    cmdNextWeapon = MakeButton("cmdNextWeapon", "Next -&>", fraAddWeapons);
    cmdAdd = MakeButton("cmdAdd", "&Add", fraAddWeapons);
    weaponButtons->addWidget(cmdPreviousWeapon);
    weaponButtons->addWidget(cmdNextWeapon);
    weaponButtons->addStretch();
    weaponButtons->addWidget(cmdAdd);
    weapons->addLayout(weaponButtons, 6, 0, 1, 4);
    weapons->setRowStretch(7, 1);
    weapons->setColumnStretch(1, 1);

    fraAddAmmo = new QGroupBox(QStringLiteral("Add Ammunition and Cargo"), browsers);
    fraAddAmmo->setObjectName(QStringLiteral("fraAddAmmo"));
    auto* ammo = new QGridLayout(fraAddAmmo);
    lblAmmoClass = AddFieldRow(ammo, 0, "Class:", "lblAmmoClass", fraAddAmmo);
    lblAmmoType = AddFieldRow(ammo, 1, "Name:", "lblAmmoType", fraAddAmmo);
    lblAmmoShotsPerTon = AddFieldRow(ammo, 2, "Shots/Ton:", "lblAmmoShotsPerTon", fraAddAmmo);
    lblAmmoCost = AddFieldRow(ammo, 3, "Cost:", "lblAmmoCost", fraAddAmmo);
    lblAddTonnage = MakeSpinnerLabel(QStringLiteral("lblAddTonnage"), fraAddAmmo);
    vsbAddTonnage = MakeSpinner(QStringLiteral("vsbAddTonnage"), 1, 100, 1, fraAddAmmo);
    ammo->addWidget(MakeCaption(QStringLiteral("Tons:"), fraAddAmmo), 4, 0);
    ammo->addWidget(lblAddTonnage, 4, 1);
    ammo->addWidget(vsbAddTonnage, 4, 2);
    auto* ammoButtons = new QHBoxLayout;
    cmdAmmoPrevious = MakeButton("cmdAmmoPrevious", "&<- Previous", fraAddAmmo);
    cmdAmmoNext = MakeButton("cmdAmmoNext", "Next -&>", fraAddAmmo);
    cmdAmmoAdd = MakeButton("cmdAmmoAdd", "&Add", fraAddAmmo);
    ammoButtons->addWidget(cmdAmmoPrevious);
    ammoButtons->addWidget(cmdAmmoNext);
    ammoButtons->addStretch();
    ammoButtons->addWidget(cmdAmmoAdd);
    ammo->addLayout(ammoButtons, 5, 0, 1, 4);
    ammo->setRowStretch(6, 1);
    ammo->setColumnStretch(1, 1);
    fraAddAmmo->setVisible(false);

    stack->addWidget(fraAddWeapons, 0, 0);
    stack->addWidget(fraAddAmmo, 0, 0);
    pageLayout->addWidget(browsers, 1);

    Frame5 = new QGroupBox(QStringLiteral("Artemis IV"), page);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    auto* artemis = new QHBoxLayout(Frame5);
    chkArtemisSRM = new QCheckBox(QStringLiteral("SRM"), Frame5);
    chkArtemisSRM->setObjectName(QStringLiteral("chkArtemisSRM"));
    chkArtemisLRM = new QCheckBox(QStringLiteral("LRM"), Frame5);
    chkArtemisLRM->setObjectName(QStringLiteral("chkArtemisLRM"));
    artemis->addWidget(chkArtemisSRM);
    artemis->addWidget(chkArtemisLRM);
    artemis->addStretch();
    auto* artemisRow = new QHBoxLayout;
    artemisRow->addWidget(Frame5);
    artemisRow->addStretch();
    pageLayout->addLayout(artemisRow);

    auto* payloadRow = new QHBoxLayout;
    lblPayloadTonnage = MakeValueLabel(QStringLiteral("lblPayloadTonnage"), page);
    payloadRow->addWidget(MakeCaption(QStringLiteral("Payload Tonnage:"), page));
    payloadRow->addWidget(lblPayloadTonnage);
    payloadRow->addStretch();
    pageLayout->addLayout(payloadRow);
    return page;
}
