#pragma once
// The one main window: its controls, the design state and every handler of the program.
// Handlers live in the folder of their subsystem (rules/, armor/, payload/, files/, export/).
#include <QMainWindow>
#include <array>

#include "app/currency.h"
#include "app/int16.h"
#include "payload/payloaditem.h"
#include "rules/options.h"

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
class RowSet;
struct ArtemisFamily;
struct SpinnerLabel;

// A folder path ending in exactly one platform path separator.
QString WithTrailingSeparator(const QString& folder);

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // ---- design state ----------------------------------------------------------------
    QString DesignFileName;
    // The physical line, from 1, of the design file where the last reading stopped; 0 when
    // it read the whole design.
    int DesignFileStopLine = 0;
    Int16 Mass;
    Currency TonnageUsed;
    Currency TonnageRemaining;
    Currency ControlTonnage;
    Currency LiftTonnage;
    Currency StructureTonnage;
    Currency TurretTonnage;
    Int16 MotiveType;
    Int16 CruiseMP;
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

    // ---- start-up and exit (app/) -------------------------------------------------------
    void Form_Load();
    static QString GetAppPath();
    void mnuFileExit_Click();

    // ---- recalculation (rules/) ---------------------------------------------------------
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
    void CalcTonnage();

    void optMotiveType_Click(int index);
    void optEngineType_Click(int index);
    void vsbMass_Change();
    void vsbCruise_Change();
    void chkTurret_Click();
    void vsbHeatSinks_Change();

    // ---- armor (armor/) -----------------------------------------------------------------
    void vsbArmorTonnage_Change();
    void chkFerroFibrous_Click();
    void vsbFrontArmor_Change();
    void vsbLeftArmor_Change();
    void vsbRightArmor_Change();
    void vsbRearArmor_Change();
    void vsbTurretArmor_Change();
    void cmdAllocateArmor_Click();

    // ---- payload (payload/) -------------------------------------------------------------
    void OpenCatalogue();
    void cmdAddEquipment_Click();
    void cmdAddAmmo_Click();
    void cmdNextWeapon_Click();
    void cmdPreviousWeapon_Click();
    void cmdAmmoNext_Click();
    void cmdAmmoPrevious_Click();
    void cmdAdd_Click();
    void cmdAmmoAdd_Click();
    void vsbAddTonnage_Change();
    void chkArtemisSRM_Click();
    void chkArtemisLRM_Click();
    void chkCASE_Click();
    void cmdRemove_Click();
    void cmdClearAll_Click();
    bool AppendPayloadItem();
    // Moves a browser straight to a row and applies the rule that follows a move.
    void BrowseToRow(RowSet* rows, int row);
    void ShowWeaponFigures();

    // ---- design files (files/) ----------------------------------------------------------
    void WriteDesignFile(const QString& path);
    void ReadDesignFile(const QString& path);
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    // Open after its dialog: `path` becomes the design's file, the payload is cleared and the
    // file read. Also the way in for a file named on the command line or dropped on the window.
    void OpenDesignFile(const QString& path);
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();

    // ---- readouts (export/) -------------------------------------------------------------
    void mnuFileExportHTML_Click();
    void mnuFileExportHVN_Click();

    // ---- record sheets (sheet/) ---------------------------------------------------------
    void mnuFileExportSheet_Click();
    void mnuFilePrintSheet_Click();

    // ---- about box (about/) -------------------------------------------------------------
    void mnuHelpAbout_Click();

    // ---- controls -----------------------------------------------------------------------
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileBreak1 = nullptr;
    QAction* mnuFileExportHTML = nullptr;
    QAction* mnuFileExportHVN = nullptr;
    QAction* mnuFileExportSheet = nullptr;
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
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdClearAll = nullptr;

    RowSet* datWeapons = nullptr;
    RowSet* datAmmo = nullptr;
    CommonDialog* dlgCommon = nullptr;

    // The design check: its summary in the status bar and the window of its notes.
    QPushButton* sbrDesignCheck = nullptr;
    QDialog* frmDesignCheck = nullptr;
    int UpdateDesignDepth = 0;  // runs of UpdateDesign under way
    void CheckDesign();
    void ShowDesignNotes();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenu();
    void CreateGeneralFrame();
    QWidget* CreateArmorPage();
    QWidget* CreateEquipmentPage();
    QWidget* CreateSpecificationsPage();
    QWidget* CreateDisplayPage();
    void ConnectHandlers();
    void AcceptDesignDrops();
    void CreateDesignCheck();
    void AcceptTypedValues();
    void EditSpinnerValue(const SpinnerLabel& pair);
    // A drag of one design file: accepted, and opened when dropped; with `refuseOtherFiles` a drag
    // of other files is refused. False for any other event, which goes on as it would.
    bool TakeDesignDrag(QEvent* event, bool refuseOtherFiles = false);
    void ConnectRowFinders();
    void ShowRowMenu(QGroupBox* frame, RowSet* rows, const char* menuName, const QPoint& at);
    void RemovePayloadRecord(int index);
    void SwitchArtemis(const ArtemisFamily& family);
    void FitArtemis(const ArtemisFamily& family);
    void UnfitArtemis(const ArtemisFamily& family);
    void ReapplyArtemis(QString launcherName);
};
