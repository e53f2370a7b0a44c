// The "Battle Value" page: the calculation line by line, as players check it against the
// published figures, and the battle value for the crew's gunnery and driving skills.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>

#include "window/app/controls.h"
#include "window/app/frmMain.h"

QWidget* frmMain::CreateBattleValuePage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    auto* steps = new QGroupBox(QStringLiteral("Calculation"), page);
    steps->setObjectName(QStringLiteral("fraBattleValue"));
    auto* stepsLayout = new QVBoxLayout(steps);
    lstBattleValue = new QListWidget(steps);
    lstBattleValue->setObjectName(QStringLiteral("lstBattleValue"));
    lstBattleValue->setSelectionMode(QAbstractItemView::NoSelection);
    stepsLayout->addWidget(lstBattleValue);
    column->addWidget(steps, 1);

    auto* crew = new QGroupBox(QStringLiteral("Crew"), page);
    crew->setObjectName(QStringLiteral("fraCrew"));
    auto* grid = new QGridLayout(crew);
    lblGunnery = MakeSpinnerLabel(QStringLiteral("lblGunnery"), crew);
    vsbGunnery = MakeSpinner(QStringLiteral("vsbGunnery"), 0, 8, 4, crew);
    lblDriving = MakeSpinnerLabel(QStringLiteral("lblDriving"), crew);
    vsbDriving = MakeSpinner(QStringLiteral("vsbDriving"), 0, 8, 5, crew);
    lblCrewBattleValue = MakeValueLabel(QStringLiteral("lblCrewBattleValue"), crew);
    grid->addWidget(MakeCaption(QStringLiteral("Gunnery Skill:"), crew), 0, 0);
    grid->addWidget(lblGunnery, 0, 1);
    grid->addWidget(vsbGunnery, 0, 2);
    grid->addWidget(MakeCaption(QStringLiteral("Driving Skill:"), crew), 1, 0);
    grid->addWidget(lblDriving, 1, 1);
    grid->addWidget(vsbDriving, 1, 2);
    grid->addWidget(MakeCaption(QStringLiteral("Battle Value for this crew:"), crew), 2, 0);
    grid->addWidget(lblCrewBattleValue, 2, 1, 1, 2);
    grid->setColumnStretch(3, 1);
    column->addWidget(crew);
    return page;
}
