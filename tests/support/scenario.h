#pragma once
// A user's session as data: steps that drive controls by name, and checks of what the window
// shows and holds afterwards.
//   steps:  "vsbMass=50" sets a spinner, "chkTurret=1" ticks a box, "optMotiveType_3" or
//           "optMotiveType=3" chooses an option, "cmdAllocateArmor" presses a button,
//           "txtVehicleName=Kestrel" types over a text box, "weapon=LRM 5" / "ammo=Cargo" browses to a catalogue row with "Next",
//           "line=2" selects line 2 of the payload list.
//   checks: "lblCost=20,570" a label's text, "vsbCruise=4" a spinner's value, "lblItemsFree:red"
//           or ":black" its colour, "vsbHeatSinks.min=14" / ".max=2" a bound,
//           "vsbTurretArmor.enabled=0" or any other property; a name that is no control's, a
//           figure of the design as Figure() writes it ("PayloadCost=260000"); a message box that
//           is not there shows "<no control>".
#include "support/testcatalogue.h"
#include "support/toolkit.h"

// The window's control of that name; a test that names a control the window lacks stops.
template <class T>
T* Control(const frmMain& window, const QString& name)
{
    T* control = window.findChild<T*>(name);
    if (!control) qFatal("no control named %s", qPrintable(name));
    return control;
}

inline QString Text(const frmMain& window, const QString& label) { return Control<QLabel>(window, label)->text(); }

// A menu command given as a user gives it.
inline void Trigger(const frmMain& window, const QString& command) { Control<QAction>(window, command)->trigger(); }

void Drive(frmMain& window, const QStringList& steps);
// Returns the first check that fails, as "check (got ...)", or an empty text.
QString FirstFailure(const frmMain& window, const QStringList& checks);

// Opens the standard test catalogue, made once per test program, in the window.
inline void UseTestCatalogue(frmMain& window) { StandardCatalogue().Attach(window); }

// A fresh window over the standard test catalogue.
struct CatalogueWindow : frmMain {
    CatalogueWindow() { UseTestCatalogue(*this); }
};

QStringList PayloadLines(const frmMain& window);

// Every figure label (text and colour), the payload list's lines, the design's inputs, figures
// and records (DesignFigures), and where the controls of the inputs disagree with the design, if
// anywhere: the whole window as a design file sets it, to compare two windows or one before and
// after. The browsers and the ammunition tonnage stay out.
QStringList DesignSnapshot(const frmMain& window);

// The first control of an input that shows other than its design holds (value, bounds, enabled
// state, check, text, chosen option), or the payload list; an empty text when all agree.
QString ControlsDisagree(const frmMain& window);

// Whether this process holds a descriptor on the file at `path`.
bool FileIsOpen(const QString& path);
