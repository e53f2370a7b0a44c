// The File menu's design commands: New, Open, Save and Save As.

#include "window/app/frmMain.h"
#include "window/files/commondialog.h"
#include "core/files/suggestedname.h"

namespace {

const QLatin1StringView DesignFilter("Editor files (*.edt)|*.edt|All files (*.*)|*.*");
const QLatin1StringView NewVehicleName("Insert Name and Designation");

void PrepareDesignDialog(CommonDialog* dialog, const QString& vehicleName, int flags)
{
    dialog->setFileName(SuggestedFileName(vehicleName, QStringLiteral(".edt")));
    dialog->setFilter(DesignFilter);
    dialog->setCancelError(true);
    dialog->setFlags(flags);
}

}  // namespace

void frmMain::mnuFileNew_Click()
{
    Change([this] { design_.New(); });
}

void frmMain::mnuFileOpen_Click()
{
    PrepareDesignDialog(dlgCommon, design_.State().txtVehicleName, 0);
    if (!dlgCommon->ShowOpen()) return;
    OpenDesignFile(dlgCommon->fileName());
}

void frmMain::OpenDesignFile(const QString& path)
{
    Change([&] { design_.Open(path); });
}

void frmMain::mnuFileSave_Click()
{
    if (design_.State().DesignFileName.isEmpty()) {
        mnuFileSaveAs_Click();
        return;
    }
    design_.WriteDesignFile(design_.State().DesignFileName);
}

void frmMain::mnuFileSaveAs_Click()
{
    PrepareDesignDialog(dlgCommon, design_.State().txtVehicleName, CommonDialog::OverwritePrompt);
    if (!dlgCommon->ShowSave()) return;
    design_.SetDesignFileName(dlgCommon->fileName());
    design_.WriteDesignFile(design_.State().DesignFileName);
}
