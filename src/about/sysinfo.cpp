// The system information button.
#include "about/abouttexts.h"
#include "about/frmAbout.h"
#include "about/sysinfoenvironment.h"
#include "about/sysinfoprogram.h"

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo()
{
    const QString program = FindSysInfoProgram(*environment_);
    if (!program.isEmpty() && environment_->StartProgram(program)) return;
    environment_->ShowMessage(this, QStringLiteral("System Information Is Unavailable At This Time"), AppTitle());
}
