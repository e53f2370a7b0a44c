#pragma once
// The one main window: a view of one design. Each control's change goes to the design, and
// after it the window shows the design's figures. Handlers live in the folder of their subsystem.
#include <QMainWindow>
#include <array>
#include <functional>
#include <span>

#include "core/design/design.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPoint;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class CommonDialog;
enum class ReadoutStyle;
class RowSet;

// A folder path ending in exactly one platform path separator.
QString WithTrailingSeparator(const QString& folder);

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The design the window shows.
    const Design& design() const { return design_; }
    // Open after its dialog, also the way in for a file named on the command line or dropped on
    // the window.
    void OpenDesignFile(const QString& path);
    // Reads the equipment catalogue at `path` into both browsers, as start-up reads the one
    // beside the program, and tells the user when it cannot be used.
    void OpenCatalogue(const QString& path);
    static QString GetAppPath();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Each spinner with its label, the design's input it sets, and how many of its steps one
    // shown unit holds (the armor tonnage counts half tons; the ammunition tonnage does while its
    // top is 200).
    struct SpinnerInput {
        QScrollBar* frmMain::*spinner;
        QLabel* frmMain::*label;
        Spinner DesignState::*input;
        int stepsPerShownUnit(const QScrollBar& bar) const;
    };
    static std::span<const SpinnerInput> SpinnerInputs();
    struct BoxInput {
        QCheckBox* frmMain::*box;
        Box DesignState::*input;
    };
    static std::span<const BoxInput> BoxInputs();
    // ---- start-up and the view ----------------------------------------------------------
    void Form_Load();
    // Runs a change of the design (one that stops at an error stops there) and shows the
    // design as it then is, with any refusal the change met.
    void Change(const std::function<void()>& change);
    void ShowDesign();
    void ShowFigures();
    void ShowInputs();
    void ShowPayloadList();
    void ShowDesignCheck();
    void ShowBattleValue();
    void ShowDesignNotes();
    void ShowWeaponFigures();

    // ---- handlers: each forwards to the design -------------------------------------------
    void cmdAddEquipment_Click();
    void cmdAddAmmo_Click();
    void BrowseToRow(RowSet* rows, int row);
    void mnuFileExit_Click();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExportHTML_Click();
    void mnuFileExportHVN_Click();
    void mnuFileCopyText_Click();
    void mnuFileExportSheet_Click();
    void mnuFileExportForce_Click();
    void mnuFilePrintSheet_Click();
    void mnuHelpAbout_Click();

    void CreateMenu();
    void CreateGeneralFrame();
    QWidget* CreateArmorPage();
    QWidget* CreateEquipmentPage();
    QWidget* CreateSpecificationsPage();
    QWidget* CreateDisplayPage();
    QWidget* CreateBattleValuePage();
    void ConnectHandlers();
    void AcceptDesignDrops();
    void CreateDesignCheck();
    void AcceptTypedValues();
    void EditSpinnerValue(const SpinnerInput& pair);
    // A drag of one design file: accepted, and opened when dropped; with `refuseOtherFiles` a drag
    // of other files is refused. False for any other event, which goes on as it would.
    bool TakeDesignDrag(QEvent* event, bool refuseOtherFiles = false);
    void ConnectRowFinders();
    void ShowRowMenu(QGroupBox* frame, RowSet* rows, const char* menuName, const QPoint& at);

    void ExportReadout(ReadoutStyle style);

    Design design_;
    bool showing_ = false;  // the controls are being set to the design's figures

    // ---- controls -----------------------------------------------------------------------
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileBreak1 = nullptr;
    QAction* mnuFileExportHTML = nullptr;
    QAction* mnuFileExportHVN = nullptr;
    QAction* mnuFileCopyText = nullptr;
    QAction* mnuFileExportSheet = nullptr;
    QAction* mnuFileExportForce = nullptr;
    QAction* mnuFilePrintSheet = nullptr;
    QAction* mnuFileBreak2 = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;

    QGroupBox* Frame4 = nullptr;
    QLineEdit* txtVehicleName = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, std::size(MotiveOptions)> optMotiveType{};
    QButtonGroup* optMotiveTypeGroup = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, std::size(EngineOptions)> optEngineType{};
    QButtonGroup* optEngineTypeGroup = nullptr;
    QLabel* lblMass = nullptr;
    QScrollBar* vsbMass = nullptr;
    QLabel* lblTonnageRemaining = nullptr;
    QLabel* lblLiftEquipment = nullptr;
    QLabel* lblItemLimit = nullptr;
    QLabel* lblControlTonnage = nullptr;
    QLabel* lblItemsFree = nullptr;
    QLabel* lblCruise = nullptr;
    QScrollBar* vsbCruise = nullptr;
    QLabel* lblFlank = nullptr;
    QLabel* lblEngineSize = nullptr;
    QLabel* lblEngineWeight = nullptr;
    QLabel* lblInternalStructure = nullptr;
    QCheckBox* chkTurret = nullptr;
    QLabel* lblTurretTonnage = nullptr;
    QLabel* lblHeatSinks = nullptr;
    QScrollBar* vsbHeatSinks = nullptr;
    QLabel* lblHeatSinkTonnage = nullptr;
    QLabel* lblPowerAmplifiers = nullptr;
    QLabel* lblCost = nullptr;
    QLabel* lblBattleValue = nullptr;

    QTabWidget* SSTab1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* lblArmorTonnage = nullptr;
    QScrollBar* vsbArmorTonnage = nullptr;
    QCheckBox* chkFerroFibrous = nullptr;
    QLabel* lblTotalArmorPoints = nullptr;
    QLabel* lblArmorPointsUsed = nullptr;
    QLabel* lblArmorPointsRemaining = nullptr;
    QLabel* lblFrontArmor = nullptr;
    QScrollBar* vsbFrontArmor = nullptr;
    QLabel* lblLeftArmor = nullptr;
    QScrollBar* vsbLeftArmor = nullptr;
    QLabel* lblTurret = nullptr;
    QLabel* lblTurretArmor = nullptr;
    QScrollBar* vsbTurretArmor = nullptr;
    QLabel* lblRightArmor = nullptr;
    QScrollBar* vsbRightArmor = nullptr;
    QLabel* lblRearArmor = nullptr;
    QScrollBar* vsbRearArmor = nullptr;
    QPushButton* cmdAllocateArmor = nullptr;
    QGroupBox* Frame6 = nullptr;
    QCheckBox* chkCASE = nullptr;

    QPushButton* cmdAddEquipment = nullptr;
    QPushButton* cmdAddAmmo = nullptr;
    QGroupBox* fraAddWeapons = nullptr;
    QLabel* lblClass = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblWeight = nullptr;
    QLabel* lblHeat = nullptr;
    QLabel* lblWeaponCost = nullptr;
    std::array<QRadioButton*, MountingButtonCount()> optLocation{};
    QButtonGroup* optLocationGroup = nullptr;
    QPushButton* cmdPreviousWeapon = nullptr;
    QPushButton* cmdNextWeapon = nullptr;
    QPushButton* cmdAdd = nullptr;
    QGroupBox* fraAddAmmo = nullptr;
    QLabel* lblAmmoClass = nullptr;
    QLabel* lblAmmoType = nullptr;
    QLabel* lblAmmoShotsPerTon = nullptr;
    QLabel* lblAmmoCost = nullptr;
    QLabel* lblAddTonnage = nullptr;
    QScrollBar* vsbAddTonnage = nullptr;
    QPushButton* cmdAmmoPrevious = nullptr;
    QPushButton* cmdAmmoNext = nullptr;
    QPushButton* cmdAmmoAdd = nullptr;
    QGroupBox* Frame5 = nullptr;
    QCheckBox* chkArtemisSRM = nullptr;
    QCheckBox* chkArtemisLRM = nullptr;
    QLabel* lblPayloadTonnage = nullptr;

    QLineEdit* txtManufacturer = nullptr;
    QLineEdit* txtTargetingSystem = nullptr;
    QLineEdit* txtCommSystem = nullptr;
    QPlainTextEdit* txtOverview = nullptr;

    QListWidget* lstPayload = nullptr;

    QListWidget* lstBattleValue = nullptr;
    QLabel* lblGunnery = nullptr;
    QScrollBar* vsbGunnery = nullptr;
    QLabel* lblDriving = nullptr;
    QScrollBar* vsbDriving = nullptr;
    QLabel* lblCrewBattleValue = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdClearAll = nullptr;

    RowSet* datWeapons = nullptr;
    RowSet* datAmmo = nullptr;
    CommonDialog* dlgCommon = nullptr;

    // The design check: its summary in the status bar and the window of its notes.
    QPushButton* sbrDesignCheck = nullptr;
    QDialog* frmDesignCheck = nullptr;

};
