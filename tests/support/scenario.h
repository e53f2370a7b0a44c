#pragma once
// A user's session as data: steps that drive controls by name, and checks of what the window
// shows afterwards.
//   steps:  "vsbMass=50" sets a spinner, "chkTurret=1" ticks a box, "optMotiveType_3" chooses an
//           option, "cmdAllocateArmor" presses a button.
//   checks: "lblCost=20,570" a label's text, "vsbCruise=4" a spinner's value, "lblItemsFree:red"
//           or ":black" its colour, "vsbHeatSinks.min=14" / ".max=2" a bound, "vsbTurretArmor.enabled=0".
#include <QString>
#include <QStringList>

#include "app/frmMain.h"

void Drive(frmMain& window, const QStringList& steps);
// Returns the first check that fails, as "check (got ...)", or an empty text.
QString FirstFailure(const frmMain& window, const QStringList& checks);
// An English check text as German settings write it: the two separators swapped.
QString InGerman(const QString& check);
