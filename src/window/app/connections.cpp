// Which control sets what in the design. Qt reports a value change only when the value really
// changes; while the window shows the design's figures, no change goes back to the design.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <stdexcept>

#include "core/payload/rowset.h"
#include "window/app/frmMain.h"
#include "window/app/typedtext.h"
#include "window/payload/payloadnotice.h"

namespace {

// The index of the selected line, or -1 when no line is selected.
int SelectedLine(const QListWidget* list)
{
    const QListWidgetItem* current = list->currentItem();
    if (list->currentRow() < 0 || !current || !current->isSelected()) return -1;
    return list->currentRow();
}

// A weapon without heat says so rather than showing nothing. Only the label changes: the add
// reads the heat from the row.
void ShowMissingHeat(QLabel* heat)
{
    if (heat->text().isEmpty()) heat->setText(QStringLiteral("N/A"));
}

}  // namespace

void frmMain::Change(const std::function<void()>& change)
{
    if (showing_) return;
    try {
        change();
    } catch (const std::exception&) {
        // A step that meets an overflow stops there, as a procedure stops at an error.
    }
    ShowDesign();
    for (const QString& notice : design_.TakeNotices()) ShowPayloadNotice(this, notice);
}

void frmMain::ConnectHandlers()
{
    for (const SpinnerInput& pair : SpinnerInputs()) {
        QScrollBar* spinner = this->*pair.spinner;
        connect(spinner, &QScrollBar::valueChanged, this,
                [this, pair](int value) { Change([&] { design_.SetSpinner(pair.input, value); }); });
        spinner->installEventFilter(this);
    }
    for (const BoxInput& pair : BoxInputs())
        connect(this->*pair.box, &QCheckBox::toggled, this,
                [this, pair](bool checked) { Change([&] { design_.SetBox(pair.input, checked); }); });
    const auto onChoose = [this](QButtonGroup* group, void (Design::*choose)(int)) {
        connect(group, &QButtonGroup::idToggled, this, [this, choose](int id, bool checked) {
            if (checked) Change([&] { (design_.*choose)(id); });
        });
    };
    onChoose(optMotiveTypeGroup, &Design::SetMotiveType);
    onChoose(optEngineTypeGroup, &Design::SetEngineType);
    onChoose(optLocationGroup, &Design::SetLocation);
    const auto onText = [this](QLineEdit* box, void (Design::*set)(const QString&)) {
        connect(box, &QLineEdit::textChanged, this, [this, set](const QString& text) { Change([&] { (design_.*set)(text); }); });
    };
    onText(txtVehicleName, &Design::SetVehicleName);
    onText(txtManufacturer, &Design::SetManufacturer);
    onText(txtCommSystem, &Design::SetCommSystem);
    onText(txtTargetingSystem, &Design::SetTargetingSystem);
    connect(txtOverview, &QPlainTextEdit::textChanged, this,
            [this] { Change([&] { design_.SetOverview(TypedText(*txtOverview)); }); });
    const auto onSelect = [this] {
        if (!showing_) design_.SelectLine(SelectedLine(lstPayload));
    };
    connect(lstPayload, &QListWidget::itemSelectionChanged, this, onSelect);
    connect(lstPayload, &QListWidget::currentRowChanged, this, onSelect);

    const auto onClick = [this](QPushButton* button, auto command) {
        connect(button, &QPushButton::clicked, this, [this, command] { Change([&] { command(design_); }); });
    };
    onClick(cmdAllocateArmor, [](Design& d) { d.cmdAllocateArmor_Click(); });
    onClick(cmdAdd, [](Design& d) { d.cmdAdd_Click(); });
    onClick(cmdAmmoAdd, [](Design& d) { d.cmdAmmoAdd_Click(); });
    onClick(cmdRemove, [](Design& d) { d.cmdRemove_Click(); });
    onClick(cmdClearAll, [](Design& d) { d.cmdClearAll_Click(); });
    onClick(cmdAmmoNext, [](Design& d) { d.cmdAmmoNext_Click(); });
    onClick(cmdAmmoPrevious, [](Design& d) { d.cmdAmmoPrevious_Click(); });
    onClick(cmdNextWeapon, [this](Design& d) {
        if (d.cmdNextWeapon_Click()) ShowMissingHeat(lblHeat);
    });
    onClick(cmdPreviousWeapon, [this](Design& d) {
        if (d.cmdPreviousWeapon_Click()) ShowMissingHeat(lblHeat);
    });
    connect(cmdAddEquipment, &QPushButton::clicked, this, &frmMain::cmdAddEquipment_Click);
    connect(cmdAddAmmo, &QPushButton::clicked, this, &frmMain::cmdAddAmmo_Click);
    connect(datWeapons, &RowSet::moved, this, &frmMain::ShowWeaponFigures);
    ConnectRowFinders();

    const auto onMenu = [this](QAction* item, void (frmMain::*handler)()) {
        connect(item, &QAction::triggered, this, [this, handler] {
            try {
                (this->*handler)();
            } catch (const std::exception&) {
            }
        });
    };
    onMenu(mnuFileNew, &frmMain::mnuFileNew_Click);
    onMenu(mnuFileOpen, &frmMain::mnuFileOpen_Click);
    onMenu(mnuFileSave, &frmMain::mnuFileSave_Click);
    onMenu(mnuFileSaveAs, &frmMain::mnuFileSaveAs_Click);
    onMenu(mnuFileExportHTML, &frmMain::mnuFileExportHTML_Click);
    onMenu(mnuFileExportHVN, &frmMain::mnuFileExportHVN_Click);
    onMenu(mnuFileCopyText, &frmMain::mnuFileCopyText_Click);
    onMenu(mnuFileExportSheet, &frmMain::mnuFileExportSheet_Click);
    onMenu(mnuFileExportForce, &frmMain::mnuFileExportForce_Click);
    onMenu(mnuFilePrintSheet, &frmMain::mnuFilePrintSheet_Click);
    onMenu(mnuFileExit, &frmMain::mnuFileExit_Click);
    onMenu(mnuHelpAbout, &frmMain::mnuHelpAbout_Click);
}

void frmMain::BrowseToRow(RowSet* rows, int row)
{
    if (row < 0 || row >= rows->rowCount()) return;
    Change([&] { design_.BrowseToRow(rows == datWeapons, row); });
    if (rows == datWeapons) ShowMissingHeat(lblHeat);
}

void frmMain::cmdAddAmmo_Click()
{
    fraAddWeapons->hide();
    fraAddAmmo->show();
}

void frmMain::cmdAddEquipment_Click()
{
    fraAddWeapons->show();
    fraAddAmmo->hide();
}
