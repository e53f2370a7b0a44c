#pragma once
// Payload sessions as data, on top of the steps and checks of scenario.h:
//   steps:  "weapon=LRM 5" / "ammo=Cargo" browse to a catalogue row with "Next",
//           "line=2" selects line 2 of the payload list; every other step as Drive does it.
//   checks: "PayloadCost=260000" / "CASETonnage=0.5" a variable of the design state (numbers
//           written with a period); every other check as FirstFailure does it.
//   items:  lines 1.. of the payload list as "name|heat|tons|location", read by column.
#include <QList>
#include <QString>
#include <QStringList>

#include "app/frmMain.h"

// The steps after those that make a 50-ton tracked vehicle with an I.C.E. engine (15 item
// slots), the base of most payload sessions.
QStringList OnTracked50(const QStringList& steps);

void DrivePayload(frmMain& window, const QStringList& steps);
QString PayloadCheckFailure(const frmMain& window, const QStringList& checks);
QStringList ShownItems(const frmMain& window);

struct PayloadScenario {
    const char* name;
    QStringList steps;
    QStringList checks;
    QStringList items;
};

// Rows of a Qt Test data table with the columns "steps", "checks" and "items".
void AddPayloadRows(const QList<PayloadScenario>& scenarios);
// Runs the current row on a fresh window over the standard test catalogue: drives the steps,
// then compares the checks, the shown items and the payload invariant.
void RunPayloadRow();
