// Help > About.
#include "window/about/frmAbout.h"
#include "window/app/frmMain.h"

// A fresh box each time, so it loads its texts again; it is deleted as it closes.
void frmMain::mnuHelpAbout_Click()
{
    auto* about = new frmAbout(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->exec();
}
