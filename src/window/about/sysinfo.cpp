// The system information button.
#include "window/about/abouttexts.h"
#include "window/about/frmAbout.h"
#include "window/about/sysinfoenvironment.h"
#include "window/about/sysinfoprogram.h"

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo()
{
    const QString program = FindSysInfoProgram(*environment_);
    if (!program.isEmpty() && environment_->StartProgram(program)) return;
    environment_->ShowMessage(this, QStringLiteral("System Information Is Unavailable At This Time"), AppTitle());
}
