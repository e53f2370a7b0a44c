// The "General" frame: name, movement and engine type, and the rows of chassis figures.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "window/app/controls.h"
#include "window/app/frmMain.h"
#include "core/rules/ruletables.h"

namespace {

QGroupBox* MakeFrame(const QString& name, const QString& caption, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

template <class Option, std::size_t N>
QButtonGroup* MakeOptionRow(QGroupBox* frame, const QString& name, const Option (&options)[N],
                            const QString& toolTip, std::array<QRadioButton*, N>& buttons)
{
    auto* group = new QButtonGroup(frame);
    group->setObjectName(name);
    auto* row = new QHBoxLayout(frame);
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = new QRadioButton(QString::fromLatin1(options[i].caption), frame);
        buttons[i]->setObjectName(name + QLatin1Char('_') + QString::number(i));
        buttons[i]->setToolTip(toolTip);
        group->addButton(buttons[i], int(i));
        row->addWidget(buttons[i]);
    }
    row->addStretch();
    buttons[0]->setChecked(true);
    return group;
}

}  // namespace

void frmMain::CreateGeneralFrame()
{
    Frame4 = MakeFrame(QStringLiteral("Frame4"), QStringLiteral("General"), this);
    auto* grid = new QGridLayout(Frame4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    txtVehicleName = new QLineEdit(QStringLiteral("Insert Name and Designation"), Frame4);
    txtVehicleName->setObjectName(QStringLiteral("txtVehicleName"));
    txtVehicleName->setToolTip(QStringLiteral("Insert Name and Designation"));
    grid->addWidget(MakeCaption(QStringLiteral("Name/Designation:"), Frame4), 0, 0);
    grid->addWidget(txtVehicleName, 0, 1, 1, 4);

    Frame1 = MakeFrame(QStringLiteral("Frame1"), QStringLiteral("Movement Type"), Frame4);
    optMotiveTypeGroup = MakeOptionRow(Frame1, QStringLiteral("optMotiveType"), MotiveOptions,
                                       QStringLiteral("Select Movement Type"), optMotiveType);
    grid->addWidget(Frame1, 1, 0, 1, 5);

    Frame2 = MakeFrame(QStringLiteral("Frame2"), QStringLiteral("Engine Type"), Frame4);
    optEngineTypeGroup = MakeOptionRow(Frame2, QStringLiteral("optEngineType"), EngineOptions,
                                       QStringLiteral("Select Engine Type"), optEngineType);
    grid->addWidget(Frame2, 2, 0, 1, 5);

    auto value = [this](const char* name) { return MakeValueLabel(QString::fromLatin1(name), Frame4); };
    auto spinnerValue = [this](const char* name) { return MakeSpinnerLabel(QString::fromLatin1(name), Frame4); };
    lblMass = spinnerValue("lblMass");
    lblMass->setToolTip(QStringLiteral("Select Mass"));
    vsbMass = MakeSpinner(QStringLiteral("vsbMass"), 1, 100, 1, Frame4);
    lblTonnageRemaining = value("lblTonnageRemaining");
    lblLiftEquipment = value("lblLiftEquipment");
    lblItemLimit = value("lblItemLimit");
    lblControlTonnage = value("lblControlTonnage");
    lblItemsFree = value("lblItemsFree");
    lblCruise = spinnerValue("lblCruise");
    lblCruise->setToolTip(QStringLiteral("Select Cruise Speed"));
    vsbCruise = MakeSpinner(QStringLiteral("vsbCruise"), 1, 100, 1, Frame4);
    lblFlank = value("lblFlank");
    lblEngineSize = value("lblEngineSize");
    lblEngineWeight = value("lblEngineWeight");
    lblInternalStructure = value("lblInternalStructure");
    chkTurret = new QCheckBox(QStringLiteral("Turret"), Frame4);
    chkTurret->setObjectName(QStringLiteral("chkTurret"));
    lblTurretTonnage = value("lblTurretTonnage");
    lblHeatSinks = spinnerValue("lblHeatSinks");
    lblHeatSinks->setToolTip(QStringLiteral("Add/Remove Heat Sinks"));
    vsbHeatSinks = MakeSpinner(QStringLiteral("vsbHeatSinks"), 0, rules::UsualHeatSinkTop, 1, Frame4);
    lblHeatSinkTonnage = value("lblHeatSinkTonnage");
    lblPowerAmplifiers = value("lblPowerAmplifiers");
    lblCost = value("lblCost");
    lblBattleValue = value("lblBattleValue");

    struct Row {
        const char* caption;
        QLabel* value;
        QScrollBar* spinner;
        QWidget* secondCaption;
        QLabel* secondValue;
    };
    const Row rows[] = {
        {"Mass:", lblMass, vsbMass, MakeCaption(QStringLiteral("Remaining:"), Frame4), lblTonnageRemaining},
        {"Lift Equipment:", lblLiftEquipment, nullptr, MakeCaption(QStringLiteral("Item Limit:"), Frame4), lblItemLimit},
        {"Control Tonnage:", lblControlTonnage, nullptr, MakeCaption(QStringLiteral("Items Free:"), Frame4), lblItemsFree},
        {"Cruise:", lblCruise, vsbCruise, MakeCaption(QStringLiteral("Flank:"), Frame4), lblFlank},
        {"Power Plant:", lblEngineSize, nullptr, MakeCaption(QStringLiteral("Tons:"), Frame4), lblEngineWeight},
        {"Internal Structure:", lblInternalStructure, nullptr, chkTurret, lblTurretTonnage},
        {"Heat Sinks:", lblHeatSinks, vsbHeatSinks, MakeCaption(QStringLiteral("Tons:"), Frame4), lblHeatSinkTonnage},
        {"Power Amps:", lblPowerAmplifiers, nullptr, nullptr, nullptr},
    };
    int line = 3;
    for (const Row& row : rows) {
        grid->addWidget(MakeCaption(QString::fromLatin1(row.caption), Frame4), line, 0);
        grid->addWidget(row.value, line, 1);
        if (row.spinner) grid->addWidget(row.spinner, line, 2);
        if (row.secondCaption) grid->addWidget(row.secondCaption, line, 3);
        if (row.secondValue) grid->addWidget(row.secondValue, line, 4);
        ++line;
    }
    grid->addWidget(MakeCaption(QStringLiteral("Cost:"), Frame4), line, 0);
    grid->addWidget(lblCost, line, 1, 1, 3);
    ++line;
    grid->addWidget(MakeCaption(QStringLiteral("Battle Value:"), Frame4), line, 0);
    grid->addWidget(lblBattleValue, line, 1, 1, 3);
    grid->setRowStretch(line + 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
}
