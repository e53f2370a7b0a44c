#include "window/app/frmMain.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "window/files/commondialog.h"
#include "core/payload/rowset.h"

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("HVN Tarnwell - Main Page"));

    CreateMenu();
    auto* central = new QWidget(this);
    auto* halves = new QHBoxLayout(central);
    CreateGeneralFrame();
    halves->addWidget(Frame4, 4);

    SSTab1 = new QTabWidget(central);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setUsesScrollButtons(false);
    SSTab1->addTab(CreateArmorPage(), QStringLiteral("Armor"));
    SSTab1->addTab(CreateEquipmentPage(), QStringLiteral("Add Ammo && Equipment"));
    SSTab1->addTab(CreateSpecificationsPage(), QStringLiteral("Specifications"));
    SSTab1->addTab(CreateDisplayPage(), QStringLiteral("Display Equipment"));
    SSTab1->addTab(CreateBattleValuePage(), QStringLiteral("Battle Value"));
    halves->addWidget(SSTab1, 5);
    setCentralWidget(central);
    CreateDesignCheck();

    datWeapons = new RowSet(QStringLiteral("ISWeapons"), this);
    datWeapons->setObjectName(QStringLiteral("datWeapons"));
    datAmmo = new RowSet(QStringLiteral("ISAmmo"), this);
    datAmmo->setObjectName(QStringLiteral("datAmmo"));
    dlgCommon = new CommonDialog(this);
    dlgCommon->setObjectName(QStringLiteral("dlgCommon"));

    ConnectHandlers();
    AcceptDesignDrops();
    AcceptTypedValues();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::CreateMenu()
{
    auto action = [](QMenu* menu, const char* name, const char* caption) {
        QAction* item = menu->addAction(QString::fromLatin1(caption));
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    auto separator = [](QMenu* menu, const char* name) {
        QAction* item = menu->addSeparator();
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew = action(mnuFile, "mnuFileNew", "&New");
    mnuFileOpen = action(mnuFile, "mnuFileOpen", "&Open");
    mnuFileSave = action(mnuFile, "mnuFileSave", "&Save");
    mnuFileSaveAs = action(mnuFile, "mnuFileSaveAs", "Save &As...");
    mnuFileBreak1 = separator(mnuFile, "mnuFileBreak1");
    mnuFileExportHTML = action(mnuFile, "mnuFileExportHTML", "Export to &HTML");
    mnuFileExportHVN = action(mnuFile, "mnuFileExportHVN", "Export to &HVN HTML");
    mnuFileCopyText = action(mnuFile, "mnuFileCopyText", "Copy Readout as Text");
    mnuFileExportSheet = action(mnuFile, "mnuFileExportSheet", "Export Record Sheet (PDF)...");
    mnuFileExportForce = action(mnuFile, "mnuFileExportForce", "Export Force Sheets (PDF)...");
    mnuFilePrintSheet = action(mnuFile, "mnuFilePrintSheet", "Print Record Sheet...");
    mnuFileBreak2 = separator(mnuFile, "mnuFileBreak2");
    mnuFileExit = action(mnuFile, "mnuFileExit", "E&xit");
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpAbout = action(mnuHelp, "mnuHelpAbout", "&About");

    // The platform's usual keys, shown beside the captions; where the desktop names none, the
    // common ones.
    const auto keys = [](QAction* item, QKeySequence::StandardKey standard, const char* common) {
        const QList<QKeySequence> usual = QKeySequence::keyBindings(standard);
        item->setShortcuts(usual.isEmpty() ? QList<QKeySequence>{QKeySequence(QLatin1StringView(common))} : usual);
    };
    keys(mnuFileNew, QKeySequence::New, "Ctrl+N");
    keys(mnuFileOpen, QKeySequence::Open, "Ctrl+O");
    keys(mnuFileSave, QKeySequence::Save, "Ctrl+S");
    keys(mnuFileSaveAs, QKeySequence::SaveAs, "Ctrl+Shift+S");
    keys(mnuFileExit, QKeySequence::Quit, "Ctrl+Q");
    mnuFileCopyText->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")));
}
