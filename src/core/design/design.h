#pragma once
// One vehicle design: every input with the rules of the control that sets it (its bounds, the
// clamping when its bounds move under it, whether it is enabled), every derived figure of the
// recalculation, the payload with its running totals, and the current rows of the two
// catalogue browsers.
//
// Setting an input runs its step at once, inside whatever step set it, and only when the value
// really changes: the cruise speed and heat sink cascades and every range change that moves a
// value run nested, in the order the window's handlers always ran them. A step that leaves the
// range of its arithmetic throws std::overflow_error and stops where it is, leaving what it
// had done.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "core/battlevalue/battlevaluetable.h"
#include "core/payload/payloaditem.h"
#include "core/rules/options.h"
#include "core/values/currency.h"
#include "core/values/int16.h"

class Design;
class RowSet;
struct ArtemisFamily;

// A spinner: its value always within its bounds.
struct Spinner {
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    bool enabled = true;
    void (Design::*changed)() = nullptr;  // the step a change of value runs
};

// A check box: ticking or clearing it from a step works also while it is disabled.
struct Box {
    bool checked = false;
    bool enabled = true;
    void (Design::*clicked)() = nullptr;
};

// The design's inputs, named after the controls that set them, and its derived figures, named
// as the recalculation names them.
struct DesignState {
    // ---- inputs -----------------------------------------------------------------------------
    QString txtVehicleName = QStringLiteral("Insert Name and Designation");
    QString txtManufacturer;
    QString txtCommSystem;
    QString txtTargetingSystem;
    QString txtOverview;  // as typed, a line feed per line break
    Spinner vsbMass{1, 100, 1};
    Spinner vsbCruise{1, 100, 1};
    Spinner vsbHeatSinks{0, 100, 1};
    Spinner vsbArmorTonnage{0, 200, 0};  // half tons
    Spinner vsbFrontArmor{0, 2000, 0};
    Spinner vsbLeftArmor{0, 2000, 0};
    Spinner vsbRightArmor{0, 2000, 0};
    Spinner vsbRearArmor{0, 2000, 0};
    Spinner vsbTurretArmor{0, 2000, 0};
    Spinner vsbAddTonnage{1, 100, 1};  // whole tons, or half tons while its top is 200
    // The crew's skills, for its battle value; not part of the design file, and back at 4 and 5
    // with every new or opened design.
    Spinner vsbGunnery{0, 8, 4};
    Spinner vsbDriving{0, 8, 5};
    Box chkTurret;
    Box chkFerroFibrous;
    Box chkCASE;
    Box chkArtemisSRM;
    Box chkArtemisLRM;
    int optMotiveType = 0;  // the chosen option's index, its design file value
    int optEngineType = 0;
    int optLocation = int(Mounting::Front);
    bool turretLocationEnabled = true;  // the turret's location button
    // The payload list: one line per record from record 1, and the selected line (0 is the
    // list's header line, -1 none).
    QStringList PayloadLines;
    int SelectedLine = -1;

    // ---- derived figures --------------------------------------------------------------------
    QString DesignFileName;
    Int16 Mass;
    Currency TonnageUsed;
    Currency TonnageRemaining;
    bool TonnageOver = false;
    Currency ControlTonnage;
    Currency LiftTonnage;
    Currency StructureTonnage;
    Currency TurretTonnage;
    Int16 MotiveType;
    Int16 CruiseMP;
    Currency FlankMP;
    Int16 EngineType;
    Int16 EngineRating;
    Currency EngineTonnage;
    Int16 EngineSlots;
    Int16 SuspensionFactor;
    Int16 ItemLimit;
    Int16 ItemsUsed;
    Int16 ItemsFree;
    Currency ArmorTonnage;
    Currency TotalArmorPoints;
    Int16 ArmorPointsUsed;
    Int16 ArmorPointsRemaining;
    bool ArmorPointsOver = false;
    QString ArmorTypeName;
    PayloadItem CurrentItem;
    std::array<PayloadItem, PayloadCapacity + 1> PayloadItems;
    Currency PayloadTonnage;
    Currency PowerAmpTonnage;
    Currency EnergyWeaponTonnage;
    Currency TurretWeaponTonnage;
    Int16 PayloadCount;
    Currency CASETonnage;
    Currency PayloadCost;
    Int16 PayloadHeat;
    Int16 HeatSinksRequired;
    Int16 HeatSinkTonnage;
    Int16 HeatSinks;
    Int16 FreeHeatSinks;
    Currency Cost;
    int BattleValue = 0;  // for a crew of gunnery 4 and driving 5
    QStringList DesignNotes;  // the design check's notes after the last recalculation
};

class Design {
public:
    // A new design as the window shows it at start-up: every input's step run once in a fixed
    // order, the payload cleared, and the whole chain.
    Design();

    const DesignState& State() const { return s_; }

    // The catalogue the browsers walk and the adds take their rows from; the design does not
    // own it. Without one, or with empty tables, browsing and adding do nothing.
    void UseCatalogue(RowSet* weapons, RowSet* ammo);
    const RowSet* Weapons() const { return datWeapons; }
    const RowSet* Ammo() const { return datAmmo; }
    // The catalogue's battle value figures, read when the catalogue is attached; empty without
    // one, when only armor, structure, tonnage and speed count.
    const BattleValueTable& BattleValues() const { return battleValues_; }

    // ---- inputs: each runs its control's step when the value changes ------------------------
    void SetVehicleName(const QString& text) { s_.txtVehicleName = text; }
    void SetManufacturer(const QString& text) { s_.txtManufacturer = text; }
    void SetCommSystem(const QString& text) { s_.txtCommSystem = text; }
    void SetTargetingSystem(const QString& text) { s_.txtTargetingSystem = text; }
    void SetOverview(const QString& text) { s_.txtOverview = text; }
    void SetMotiveType(int index);
    void SetEngineType(int index);
    void SetLocation(int index);
    void SetSpinner(Spinner DesignState::*spinner, int value) { Move(s_.*spinner, value); }
    void SetBox(Box DesignState::*box, bool checked) { Tick(s_.*box, checked); }
    // The selected payload line, -1 for none.
    void SelectLine(int line) { s_.SelectedLine = line; }
    // Told of each spinner whose value changes, with its new value and before its step runs:
    // the order of the steps, nested ones included, seen from outside.
    void WatchSpinners(std::function<void(const Spinner&)> watcher) { spinnerWatcher_ = std::move(watcher); }

    // ---- the recalculation ------------------------------------------------------------------
    void UpdateDesign();
    void CalcSpeed();
    void CalcLiftAndControl();
    void CalcEngine();
    Currency CalcEngineWeight(Int16 rating) const;
    void CalcStructure();
    void CalcItems();
    void CalcTurret();
    void CalcArmorPoints();
    void UpdateHeatSinks();
    void CalcHeatSinks();
    void CalcPowerAmps();
    Currency CalcCost() const;
    void CalcBattleValue();
    void CalcTonnage();
    void CheckDesign();

    // ---- the steps of the inputs ------------------------------------------------------------
    void optMotiveType_Click(int index);
    void optEngineType_Click(int index);
    void vsbMass_Change();
    void vsbCruise_Change();
    void chkTurret_Click();
    void vsbHeatSinks_Change();
    void vsbArmorTonnage_Change();
    void chkFerroFibrous_Click();
    void vsbFrontArmor_Change();
    void vsbLeftArmor_Change();
    void vsbRightArmor_Change();
    void vsbRearArmor_Change();
    void vsbTurretArmor_Change();
    void cmdAllocateArmor_Click();
    void chkArtemisSRM_Click();
    void chkArtemisLRM_Click();
    void chkCASE_Click();

    // ---- the browsers -----------------------------------------------------------------------
    // Next and previous with wrap-around; false on an empty table, where nothing moves.
    bool cmdNextWeapon_Click();
    bool cmdPreviousWeapon_Click();
    bool cmdAmmoNext_Click();
    bool cmdAmmoPrevious_Click();
    // Straight to a row of the weapons or the ammunition table, with the rule after a move.
    void BrowseToRow(bool weapons, int row);

    // ---- the payload ------------------------------------------------------------------------
    // The adds refuse a full payload and a nameless row; a refusal leaves the design as it was
    // and is told through TakeNotices().
    void cmdAdd_Click();
    void cmdAmmoAdd_Click();
    void cmdRemove_Click();
    void cmdClearAll_Click();
    // What the user was refused since the last call, oldest first, and forgotten.
    QStringList TakeNotices();

    // ---- design files -----------------------------------------------------------------------
    // File > New: every input back to a new design's.
    void New();
    // File > Open after its dialog: the file becomes the design's, the payload is cleared and
    // the file read.
    void Open(const QString& path);
    // Reads a design file value by value, each one applied as it is read. Returns the physical
    // line, from 1, where reading stopped, or 0 when the whole design was read.
    int ReadDesignFile(const QString& path);
    // Writes the 21 inputs and the 100 records; false when the file cannot be written.
    bool WriteDesignFile(const QString& path) const;
    void SetDesignFileName(const QString& path) { s_.DesignFileName = path; }
    int DesignFileStopLine() const { return stopLine_; }

private:
    friend class DesignFileReader;
    void Move(Spinner& spinner, int value);
    void Bound(Spinner& spinner, int minimum, int maximum);
    void Tick(Box& box, bool checked);
    void Refuse(const QString& text) { notices_ << text; }
    void ResetCrew();
    bool RefusePayloadWhenFull();
    bool RefuseUnnamedRow(const QString& name);
    void ApplyTonnageStep();
    bool AppendPayloadItem();
    void RemovePayloadRecord(int index);
    void CountIntoPayload(const PayloadItem& item);
    void CountOutOfPayload(const PayloadItem& item);
    void CountAmounts(const PayloadItem& item, int sign);
    void SwitchArtemis(const ArtemisFamily& family);
    void FitArtemis(const ArtemisFamily& family);
    void UnfitArtemis(const ArtemisFamily& family);
    void ReapplyArtemis(QString launcherName);

    DesignState s_;
    RowSet* datWeapons = nullptr;
    RowSet* datAmmo = nullptr;
    BattleValueTable battleValues_;
    int updateDepth_ = 0;  // runs of UpdateDesign under way
    // Counts the changes of the payload records; the notes on the payload are of `notedPayload_`.
    int payloadVersion_ = 0;
    int notedPayload_ = -1;
    QStringList payloadNotes_;
    int stopLine_ = 0;
    QStringList notices_;
    std::function<void(const Spinner&)> spinnerWatcher_;
};
