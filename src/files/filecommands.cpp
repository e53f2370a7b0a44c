// The File menu's design commands: New, Open, Save and Save As.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "app/frmMain.h"
#include "files/commondialog.h"
#include "files/suggestedname.h"

namespace {

const QLatin1StringView DesignFilter("Editor files (*.edt)|*.edt|All files (*.*)|*.*");
const QLatin1StringView NewVehicleName("Insert Name and Designation");

void PrepareDesignDialog(CommonDialog* dialog, const QLineEdit* nameBox, int flags)
{
    dialog->setFileName(SuggestedFileName(nameBox->text(), QStringLiteral(".edt")));
    dialog->setFilter(DesignFilter);
    dialog->setCancelError(true);
    dialog->setFlags(flags);
}

}  // namespace

void frmMain::mnuFileNew_Click()
{
    txtVehicleName->setText(NewVehicleName);
    optMotiveType[int(Motive::Hover)]->setChecked(true);
    optEngineType[int(Engine::ICE)]->setChecked(true);
    vsbMass->setValue(1);
    vsbCruise->setValue(1);
    cmdClearAll_Click();
    for (QCheckBox* box : {chkCASE, chkFerroFibrous, chkArtemisSRM, chkArtemisLRM, chkTurret}) box->setChecked(false);
    vsbArmorTonnage->setValue(0);
    for (QScrollBar* location : {vsbFrontArmor, vsbRightArmor, vsbLeftArmor, vsbRearArmor, vsbTurretArmor})
        location->setValue(0);
    for (QLineEdit* box : {txtManufacturer, txtCommSystem, txtTargetingSystem}) box->clear();
    txtOverview->clear();
    DesignFileName.clear();
}

void frmMain::mnuFileOpen_Click()
{
    PrepareDesignDialog(dlgCommon, txtVehicleName, 0);
    if (!dlgCommon->ShowOpen()) return;
    OpenDesignFile(dlgCommon->fileName());
}

void frmMain::OpenDesignFile(const QString& path)
{
    DesignFileName = path;
    cmdClearAll_Click();
    ReadDesignFile(DesignFileName);
}

void frmMain::mnuFileSave_Click()
{
    if (DesignFileName.isEmpty()) {
        mnuFileSaveAs_Click();
        return;
    }
    WriteDesignFile(DesignFileName);
}

void frmMain::mnuFileSaveAs_Click()
{
    PrepareDesignDialog(dlgCommon, txtVehicleName, CommonDialog::OverwritePrompt);
    if (!dlgCommon->ShowSave()) return;
    DesignFileName = dlgCommon->fileName();
    WriteDesignFile(DesignFileName);
}
