// The view: every control shows the design as it is. Showing runs no handler: while the
// controls are set, their changes do not go back to the design.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "core/battlevalue/battlevalue.h"
#include "core/payload/addtonnage.h"
#include "core/payload/payloadline.h"
#include "core/rules/designcheck.h"
#include "core/values/numbertext.h"
#include "window/app/controls.h"
#include "window/app/frmMain.h"
#include "window/app/typedtext.h"

namespace {

void ShowValue(QScrollBar* bar, const Spinner& spinner)
{
    if (bar->minimum() != spinner.minimum || bar->maximum() != spinner.maximum)
        bar->setRange(spinner.minimum, spinner.maximum);
    if (bar->value() != spinner.value) bar->setValue(spinner.value);
    if (bar->isEnabled() != spinner.enabled) bar->setEnabled(spinner.enabled);
}

void ShowText(QLineEdit* box, const QString& text)
{
    if (box->text() != text) box->setText(text);
}

template <std::size_t N>
void ShowChoice(const std::array<QRadioButton*, N>& buttons, int index)
{
    if (index >= 0 && index < int(N) && !buttons[index]->isChecked()) buttons[index]->setChecked(true);
}

QString NotesText(const QStringList& notes)
{
    return notes.isEmpty() ? QStringLiteral("No notes.") : notes.join(u'\n');
}

}  // namespace

void frmMain::ShowDesign()
{
    const bool wasShowing = std::exchange(showing_, true);
    ShowInputs();
    ShowFigures();
    ShowPayloadList();
    ShowDesignCheck();
    ShowBattleValue();
    showing_ = wasShowing;
}

void frmMain::ShowInputs()
{
    const DesignState& s = design_.State();
    ShowText(txtVehicleName, s.txtVehicleName);
    ShowText(txtManufacturer, s.txtManufacturer);
    ShowText(txtCommSystem, s.txtCommSystem);
    ShowText(txtTargetingSystem, s.txtTargetingSystem);
    if (TypedText(*txtOverview) != s.txtOverview) txtOverview->setPlainText(s.txtOverview);
    ShowChoice(optMotiveType, s.optMotiveType);
    ShowChoice(optEngineType, s.optEngineType);
    ShowChoice(optLocation, s.optLocation);
    optLocation[int(Mounting::Turret)]->setEnabled(s.turretLocationEnabled);
    for (const SpinnerInput& pair : SpinnerInputs()) ShowValue(this->*pair.spinner, s.*pair.input);
    for (const BoxInput& pair : BoxInputs()) {
        QCheckBox* box = this->*pair.box;
        const Box& input = s.*pair.input;
        if (box->isChecked() != input.checked) box->setChecked(input.checked);
        if (box->isEnabled() != input.enabled) box->setEnabled(input.enabled);
    }
    lblTurretArmor->setEnabled(s.vsbTurretArmor.enabled);
    lblTurret->setEnabled(s.vsbTurretArmor.enabled);
    if (const MotiveOption* motive = MotiveOptionAt(s.optMotiveType))
        SetLabelText(lblTurret, QString::fromLatin1(motive->turretCaption));
}

void frmMain::ShowFigures()
{
    const DesignState& s = design_.State();
    SetLabelText(lblMass, PlainDigits(s.Mass));
    SetLabelText(lblCruise, FixedText(int(s.CruiseMP), 0));
    SetLabelText(lblFlank, FixedText(s.FlankMP, 0));
    SetLabelText(lblLiftEquipment, FixedText(s.LiftTonnage, 1));
    SetLabelText(lblControlTonnage, FixedText(s.ControlTonnage, 1));
    SetLabelText(lblEngineSize, FixedText(int(s.EngineRating), 0));
    SetLabelText(lblEngineWeight, FixedText(s.EngineTonnage, 1));
    SetLabelText(lblInternalStructure, FixedText(s.StructureTonnage, 1));
    SetLabelText(lblItemLimit, FixedText(int(s.ItemLimit), 0));
    SetLabelText(lblItemsFree, FixedText(int(s.ItemsFree), 0));
    SetWarningColour(lblItemsFree, s.ItemsFree < 0);
    SetLabelText(lblTurretTonnage, FixedText(s.TurretTonnage, 1));
    SetLabelText(lblArmorTonnage, FixedText(s.ArmorTonnage, 1));
    SetLabelText(lblTotalArmorPoints, FixedText(int(s.TotalArmorPoints.toInt16()), 0));
    SetLabelText(lblArmorPointsUsed, PlainDigits(s.ArmorPointsUsed));
    SetLabelText(lblArmorPointsRemaining, PlainDigits(s.ArmorPointsRemaining));
    SetWarningColour(lblArmorPointsRemaining, s.ArmorPointsOver);
    for (const SpinnerInput& pair : SpinnerInputs().subspan(4, 5))
        SetLabelText(this->*pair.label, PlainDigits((s.*pair.input).value));
    SetLabelText(lblPayloadTonnage, FixedText(s.PayloadTonnage, 1));
    SetLabelText(lblHeatSinks, FixedText(int(s.HeatSinks), 0));
    SetLabelText(lblHeatSinkTonnage, FixedText(int(s.HeatSinkTonnage), 0));
    SetLabelText(lblPowerAmplifiers, FixedText(s.PowerAmpTonnage, 1));
    SetLabelText(lblCost, FixedText(s.Cost, 0));
    SetLabelText(lblTonnageRemaining, FixedText(s.TonnageRemaining, 1));
    SetWarningColour(lblTonnageRemaining, s.TonnageOver);
    SetLabelText(lblAddTonnage, AddTonnageText(s.vsbAddTonnage.value, s.vsbAddTonnage.maximum));
    SetLabelText(lblBattleValue, FixedText(s.BattleValue, 0));
}

// The breakdown line by line, and the battle value for the crew's skills.
void frmMain::ShowBattleValue()
{
    const DesignState& s = design_.State();
    QStringList lines;
    for (const BattleValueStep& step : BattleValueBreakdown(s, design_.BattleValues())) lines << BattleValueStepText(step);
    for (int k = 0; k < lines.size(); ++k) {
        if (k >= lstBattleValue->count())
            lstBattleValue->addItem(lines[k]);
        else if (lstBattleValue->item(k)->text() != lines[k])
            lstBattleValue->item(k)->setText(lines[k]);
    }
    while (lstBattleValue->count() > lines.size()) delete lstBattleValue->takeItem(lstBattleValue->count() - 1);
    SetLabelText(lblGunnery, PlainDigits(s.vsbGunnery.value));
    SetLabelText(lblDriving, PlainDigits(s.vsbDriving.value));
    const std::optional<int> crew = CrewBattleValue(s.BattleValue, s.vsbGunnery.value, s.vsbDriving.value);
    SetLabelText(lblCrewBattleValue, crew ? FixedText(*crew, 0) : QString());
}

// The header line, then one line per record; the design's selection.
void frmMain::ShowPayloadList()
{
    const DesignState& s = design_.State();
    const int lines = int(s.PayloadLines.size()) + 1;
    if (lstPayload->count() == 0) lstPayload->addItem(PayloadHeaderLine());
    while (lstPayload->count() > lines) delete lstPayload->takeItem(lstPayload->count() - 1);
    for (int k = 1; k < lines; ++k) {
        const QString& line = s.PayloadLines[k - 1];
        if (k < lstPayload->count()) {
            if (lstPayload->item(k)->text() != line) lstPayload->item(k)->setText(line);
        } else {
            lstPayload->addItem(line);
        }
    }
    if (s.SelectedLine < 0 || s.SelectedLine >= lines) {
        lstPayload->setCurrentRow(-1);
        lstPayload->clearSelection();
    } else if (lstPayload->currentRow() != s.SelectedLine || !lstPayload->currentItem()->isSelected()) {
        lstPayload->setCurrentRow(s.SelectedLine);
    }
}

void frmMain::ShowDesignCheck()
{
    const QStringList& notes = design_.State().DesignNotes;
    const QString summary = DesignCheckSummary(notes);
    if (sbrDesignCheck->text() != summary) sbrDesignCheck->setText(summary);
    const QString text = NotesText(notes);
    if (sbrDesignCheck->toolTip() != text) sbrDesignCheck->setToolTip(text);
    if (frmDesignCheck) frmDesignCheck->findChild<QLabel*>(QStringLiteral("lblDesignNotes"))->setText(text);
}
