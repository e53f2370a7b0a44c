// The "Armor" page: tonnage and type, the points budget, the five locations as a cross.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "window/app/controls.h"
#include "window/app/frmMain.h"

namespace {

// Caption above, value label and spinner side by side below it.
QWidget* MakeLocation(QLabel* caption, QLabel* value, QScrollBar* spinner, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(caption);
    auto* row = new QHBoxLayout;
    row->addWidget(value);
    row->addWidget(spinner);
    column->addLayout(row);
    return box;
}

}  // namespace

QWidget* frmMain::CreateArmorPage()
{
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);

    Frame3 = new QGroupBox(QStringLiteral("Armor"), page);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto* grid = new QGridLayout(Frame3);

    lblArmorTonnage = MakeSpinnerLabel(QStringLiteral("lblArmorTonnage"), Frame3);
    vsbArmorTonnage = MakeSpinner(QStringLiteral("vsbArmorTonnage"), 0, 200, 0, Frame3);
    vsbArmorTonnage->setPageStep(10);
    chkFerroFibrous = new QCheckBox(QStringLiteral("Ferro Fibrous"), Frame3);
    chkFerroFibrous->setObjectName(QStringLiteral("chkFerroFibrous"));
    lblTotalArmorPoints = MakeValueLabel(QStringLiteral("lblTotalArmorPoints"), Frame3);
    lblArmorPointsUsed = MakeValueLabel(QStringLiteral("lblArmorPointsUsed"), Frame3);
    lblArmorPointsRemaining = MakeValueLabel(QStringLiteral("lblArmorPointsRemaining"), Frame3);

    grid->addWidget(MakeCaption(QStringLiteral("Armor Tonnage:"), Frame3), 0, 0);
    grid->addWidget(lblArmorTonnage, 0, 1);
    grid->addWidget(vsbArmorTonnage, 0, 2);
    grid->addWidget(chkFerroFibrous, 0, 3, 1, 2);
    grid->addWidget(MakeCaption(QStringLiteral("Total Points:"), Frame3), 1, 0);
    grid->addWidget(lblTotalArmorPoints, 1, 1);
    grid->addWidget(MakeCaption(QStringLiteral("Points Used:"), Frame3), 2, 0);
    grid->addWidget(lblArmorPointsUsed, 2, 1);
    grid->addWidget(MakeCaption(QStringLiteral("Remaining:"), Frame3), 2, 3);
    grid->addWidget(lblArmorPointsRemaining, 2, 4);

    auto location = [this](const char* caption, const char* value, const char* spinner, QLabel*& label,
                           QScrollBar*& bar, QLabel* captionLabel = nullptr) {
        label = MakeSpinnerLabel(QString::fromLatin1(value), Frame3);
        bar = MakeSpinner(QString::fromLatin1(spinner), 0, 2000, 0, Frame3);
        if (!captionLabel) captionLabel = MakeCaption(QString::fromLatin1(caption), Frame3);
        return MakeLocation(captionLabel, label, bar, Frame3);
    };
    lblTurret = MakeCaption(QStringLiteral("Turret:"), Frame3);
    lblTurret->setObjectName(QStringLiteral("lblTurret"));

    auto* cross = new QGridLayout;
    cross->setHorizontalSpacing(16);
    cross->setVerticalSpacing(10);
    cross->addWidget(location("Front:", "lblFrontArmor", "vsbFrontArmor", lblFrontArmor, vsbFrontArmor), 0, 1);
    cross->addWidget(location("Left:", "lblLeftArmor", "vsbLeftArmor", lblLeftArmor, vsbLeftArmor), 1, 0);
    cross->addWidget(location(nullptr, "lblTurretArmor", "vsbTurretArmor", lblTurretArmor, vsbTurretArmor, lblTurret),
                     1, 1);
    cross->addWidget(location("Right:", "lblRightArmor", "vsbRightArmor", lblRightArmor, vsbRightArmor), 1, 2);
    cross->addWidget(location("Rear:", "lblRearArmor", "vsbRearArmor", lblRearArmor, vsbRearArmor), 2, 1);
    cmdAllocateArmor = new QPushButton(QStringLiteral("Auto-Allocate"), Frame3);
    cmdAllocateArmor->setObjectName(QStringLiteral("cmdAllocateArmor"));
    cross->addWidget(cmdAllocateArmor, 2, 2, Qt::AlignBottom);
    grid->addLayout(cross, 3, 0, 1, 5);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    Frame6 = new QGroupBox(QStringLiteral("Special"), page);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    auto* special = new QHBoxLayout(Frame6);
    chkCASE = new QCheckBox(QStringLiteral("CASE"), Frame6);
    chkCASE->setObjectName(QStringLiteral("chkCASE"));
    special->addWidget(chkCASE);
    special->addStretch();

    pageLayout->addWidget(Frame3, 1);
    pageLayout->addWidget(Frame6);
    return page;
}
