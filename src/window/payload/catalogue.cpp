// Opening the equipment catalogue: both row sets read, the browser labels bound to their
// fields, and the user told when the catalogue cannot be used.
#include <QLabel>
#include <QPushButton>

#include "window/app/controls.h"
#include "window/app/frmMain.h"
#include "window/payload/cataloguenotice.h"
#include "core/payload/rowset.h"


void frmMain::OpenCatalogue(const QString& path)
{
    struct CatalogueBinding {
        RowSet* frmMain::*rows;
        QLabel* frmMain::*label;
        const char* field;
    };

    // Every field the program reads is bound to a label, so this is also the list of fields a
    // usable catalogue must have.
    static constexpr CatalogueBinding CatalogueBindings[] = {
        {&frmMain::datWeapons, &frmMain::lblClass, "Class"},
        {&frmMain::datWeapons, &frmMain::lblName, "Type"},
        {&frmMain::datWeapons, &frmMain::lblWeight, "Tons"},
        {&frmMain::datWeapons, &frmMain::lblHeat, "Heat"},
        {&frmMain::datWeapons, &frmMain::lblWeaponCost, "Cost"},
        {&frmMain::datAmmo, &frmMain::lblAmmoClass, "Class"},
        {&frmMain::datAmmo, &frmMain::lblAmmoType, "Type"},
        {&frmMain::datAmmo, &frmMain::lblAmmoShotsPerTon, "ShotsPerTon"},
        {&frmMain::datAmmo, &frmMain::lblAmmoCost, "Cost"},
    };

    struct BrowserButtons {
        RowSet* frmMain::*rows;
        QPushButton* frmMain::*buttons[3];
    };

    // The buttons that work on a browser's current row: off while its table is empty.
    static constexpr BrowserButtons Browsers[] = {
        {&frmMain::datWeapons, {&frmMain::cmdPreviousWeapon, &frmMain::cmdNextWeapon, &frmMain::cmdAdd}},
        {&frmMain::datAmmo, {&frmMain::cmdAmmoPrevious, &frmMain::cmdAmmoNext, &frmMain::cmdAmmoAdd}},
    };

    datWeapons->setDatabaseName(path);
    datAmmo->setDatabaseName(path);
    datWeapons->Refresh();
    datAmmo->Refresh();
    for (const CatalogueBinding& binding : CatalogueBindings)
        (this->*binding.rows)->RequireFields({QString::fromLatin1(binding.field)});
    // One file: when either table cannot be used, neither is offered.
    if (!datWeapons->errorText().isEmpty() || !datAmmo->errorText().isEmpty()) {
        if (datWeapons->errorText().isEmpty()) datWeapons->Discard();
        if (datAmmo->errorText().isEmpty()) datAmmo->Discard();
    }
    for (const CatalogueBinding& binding : CatalogueBindings)
        BindLabel(this->*binding.rows, this->*binding.label, QString::fromLatin1(binding.field));
    for (const BrowserButtons& browser : Browsers)
        for (QPushButton* frmMain::*button : browser.buttons)
            (this->*button)->setEnabled(!(this->*browser.rows)->isEmpty());
    design_.UseCatalogue(datWeapons, datAmmo);
    ReportCatalogue(this, {datWeapons, datAmmo});
    ShowDesign();
}
