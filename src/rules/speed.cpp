#include <QLabel>

#include "app/controls.h"
#include "app/frmMain.h"
#include "app/numbertext.h"
#include "rules/drive.h"

void frmMain::CalcSpeed()
{
    SetLabelText(lblCruise, FixedText(int(CruiseMP), 0));
    SetLabelText(lblFlank, FixedText(rules::FlankSpeed(CruiseMP), 0));
}
