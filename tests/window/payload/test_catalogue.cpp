// The equipment catalogue in the window: the row menus and type-ahead find rows. A window that opens a catalogue that is missing, empty, not a
// database, or short of a table or a field says once in plain words which file it looked for,
// where and what is wrong, offers nothing to browse or add, and the design can still be edited.
// An add the payload refuses (a full table, a row without a name or without a price) is told in
// a message box over the window and in the status bar, and changes nothing.
#include "support/testsupport.h"

namespace {

// Right-clicks the first label of the browser's frame and chooses `choice` ("Class: name") from
// the menu that opens. Returns every row the menu lists, in its order; none when no menu opens.
QStringList UseRowMenu(frmMain& window, const QString& frame, const QString& choice = {})
{
    QWidget* browser = Control<QWidget>(window, frame);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), browser->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(browser->findChild<QLabel*>(), &click);
    std::unique_ptr<QMenu> menu(browser->findChild<QMenu*>());
    QStringList rows;
    for (QAction* group : menu ? menu->actions() : QList<QAction*>())
        for (QAction* item : group->menu()->actions()) {
            rows << group->text() + ": " + item->text();
            if (rows.last() == choice) item->trigger();
        }
    return rows;
}

// Steps "menu <frame>|<class>: <row>" right-click a label of the frame and choose from the menu
// that opens; "type <button>|<text>" types on a browser button; the rest as Drive takes them.
// The tip is the weapon name's tool tip afterwards.
const struct FinderCase { const char* name; QStringList steps, checks; const char* tip = nullptr; } Finders[] = {
    {"menu, weapon without heat", {"menu fraAddWeapons|Ballistic: Ultra AC/10"}, {"lblName=Ultra AC/10", "lblHeat=N/A", "lblWeight=13",
     "lblWeaponCost=320000", "PayloadCount=0", "lblCost=20,570"}, "Damage: 10/Sht\nRange in hexes: minimum -, short 6, medium 12, long 18"},
    {"menu, artillery", {"menu fraAddWeapons|Artillery: Long Tom"}, {"lblName=Long Tom"},
     "Damage: 25 (AE)\nRange in hexes: minimum -, short -, medium -, long 510"},
    {"menu, half tons", {"cmdAddAmmo", "vsbAddTonnage=5", "menu fraAddAmmo|Cargo: Cargo"}, {"lblAddTonnage=2.5", "vsbAddTonnage.max=200"}},
    {"menu, whole tons again", {"cmdAddAmmo", "vsbAddTonnage=5", "menu fraAddAmmo|Cargo: Cargo", "menu fraAddAmmo|Artillery: Ammo-Long Tom"},
     {"lblAmmoType=Ammo-Long Tom", "lblAmmoShotsPerTon=5", "lblAddTonnage=5", "vsbAddTonnage.max=100"}},
    {"typed words", {"type cmdNextWeapon|er m"}, {"lblName=ER Medium Laser"}},
    {"any letter case", {"type cmdPreviousWeapon|INARC"}, {"lblName=iNarc Launcher", "lblHeat=N/A"}},
    {"same letter again", {"type cmdNextWeapon|mm"}, {"lblName=Medium Pulse Laser"}},
    {"no such name", {"type cmdNextWeapon|zz"}, {"lblName=Small Laser", "lblHeat=1"}},
    {"space presses the button", {"type cmdNextWeapon| "}, {"lblName=ER Small Laser"}},
    {"a minimum range", {"type cmdNextWeapon|ppc"}, {"lblName=PPC"}, "Damage: 10\nRange in hexes: minimum 3, short 6, medium 12, long 18"},
    {"ammunition, half tons", {"cmdAddAmmo", "vsbAddTonnage=3", "type cmdAmmoNext|ammo-mac"}, {"lblAmmoType=Ammo-Machine Gun", "lblAddTonnage=1.5"}},
};

// In the catalogue's place: a file of these bytes (nullptr: none), a folder, or a new database
// made by these statements.
const struct { const char* name; const char* bytes; bool folder; QStringList statements; } Faults[] = {
    {"The file does not exist.", nullptr, false, {}},
    {"There is a folder of that name instead of a file.", nullptr, true, {}},
    {"The file is not a database.", "Type,Class,Tons\nMedium Laser,Energy,1\n", false, {}},
    {"The file holds no table \"ISWeapons\". The file holds no table \"ISAmmo\".", nullptr, false, {"CREATE TABLE Parts (Name TEXT)"}},
    {"The table \"ISWeapons\" has no field \"Cost\".", nullptr, false,
     {"CREATE TABLE ISWeapons (Type, Class, Tons, Heat)", "INSERT INTO ISWeapons VALUES ('PPC', 'Energy', 7, 10)",
      "CREATE TABLE ISAmmo (Type, Class, ShotsPerTon, Cost)"}},
};

// Adds the payload refuses, over catalogues of their own (none: the standard one), and the
// message box's text; an empty text: the add is taken and no box comes up.
const struct { const char* name; QList<CatalogueWeapon> weapons; QList<CatalogueAmmo> ammo;
               QStringList steps; int items; QString told; } Refusals[] = {
    {"full payload, a weapon", {}, {}, QStringList(100, "cmdAmmoAdd") + QStringList{"weapon=LRM 5", "cmdAdd"}, 100, Full},
    {"weapon without a name", {{"", "Energy", 1, 3, 40000}}, {{"Cargo", "Cargo", 0, 1000}}, {"cmdAdd"}, 0, Nameless},
    {"ammunition without a price", {{"TAG", "Electronics", 1, std::nullopt, 50000}}, {{"Ammo-LRM 5", "Missile", 24, std::nullopt}},
     {"cmdAmmoAdd"}, 0, "\"Ammo-LRM 5\" has no price per ton and cannot be added."},
    {"taken", {}, {}, {"cmdAmmoAdd", "weapon=LRM 5", "cmdAdd"}, 2, ""},
};

}  // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void finders_data() { AddCases(Finders); }

    void finders()
    {
        const FinderCase& c = CaseOf(Finders);
        frmMain window;
        for (const QString& step : c.steps) {
            const QStringList parts = step.section(u' ', 1).split(u'|');
            if (step.startsWith("menu "))
                QVERIFY2(UseRowMenu(window, parts[0], parts[1]).contains(parts[1]), qPrintable(step));
            else if (step.startsWith("type "))
                QTest::keyClicks(Control<QWidget>(window, parts[0]), parts[1]);
            else
                Drive(window, {step});
        }
        QCOMPARE(FirstFailure(window, c.checks), QString());
        if (c.tip) QCOMPARE(Control<QLabel>(window, "lblName")->toolTip(), QString::fromUtf8(c.tip));
    }

    void opensAFaultyCatalogue_data() { AddCases(Faults); }

    // Opened as start-up opens the catalogue beside the program; then the user tries every
    // browser button, the row menu and type-ahead, and changes the mass.
    void opensAFaultyCatalogue()
    {
        const auto& [reason, bytes, folder, statements] = CaseOf(Faults);
        QTemporaryDir dir;
        const QString catalogue = dir.filePath(QStringLiteral("ISWeapons.mdb"));
        if (folder) QDir().mkpath(catalogue);
        if (QFile file(catalogue); bytes && file.open(QIODevice::WriteOnly)) file.write(bytes);
        if (!statements.isEmpty()) SqlCatalogue(catalogue, statements);
        frmMain window;
        window.show();
        window.OpenCatalogue(catalogue);
        for (const char* button : {"cmdPreviousWeapon", "cmdNextWeapon", "cmdAdd", "cmdAmmoPrevious", "cmdAmmoNext", "cmdAmmoAdd"}) {
            auto* command = Control<QPushButton>(window, button);
            QVERIFY2(!command->isEnabled(), button);
            emit command->clicked();  // as if the button were on
        }
        QVERIFY(UseRowMenu(window, QStringLiteral("fraAddWeapons")).isEmpty());
        QTest::keyClicks(Control<QPushButton>(window, "cmdNextWeapon"), QStringLiteral("la"));
        Drive(window, {"vsbMass=20"});
        QCOMPARE(Text(window, QStringLiteral("lblName")), QString());
        QCOMPARE(int(window.design().State().PayloadCount), 0);
        QCOMPARE(Text(window, QStringLiteral("lblMass")), QStringLiteral("20"));
        QTRY_VERIFY(window.findChild<QMessageBox*>());
        QApplication::processEvents();
        QCOMPARE(window.findChildren<QMessageBox*>().size(), 1);
        const QMessageBox* notice = window.findChild<QMessageBox*>();
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text().replace(u'\n', u' '),
                 QStringLiteral("The equipment catalogue could not be read, so no weapons, equipment, ammunition or cargo can be "
                                "added. The rest of the design can still be edited.  It looked for the file \"ISWeapons.mdb\" in "
                                "the folder \"%1\". %2").arg(QDir::toNativeSeparators(dir.path()), QString::fromLatin1(reason)));
    }

    // The box comes up over the window without waiting for an answer; the status bar says the
    // same. The payload keeps what it had.
    void payloadRefusals_data() { AddCases(Refusals); }
    void payloadRefusals()
    {
        const auto& [name, weapons, ammo, steps, items, told] = CaseOf(Refusals);
        const TestCatalogue own(weapons, ammo);
        frmMain window;
        (weapons.isEmpty() ? StandardCatalogue() : own).Attach(window);
        window.show();
        Drive(window, steps);
        QCOMPARE(int(window.design().State().PayloadCount), items);
        QCOMPARE(PayloadLines(window).size(), items + 1);
        const auto* box = window.findChild<QMessageBox*>("msgPayloadNotice");
        QCOMPARE(box ? box->text() : QString(), told);
        QCOMPARE(window.statusBar()->currentMessage(), told);
        if (told.isEmpty()) return;
        QVERIFY(box->isVisible());
        QCOMPARE(box->parentWidget(), &window);
        QCOMPARE(window.findChildren<QMessageBox*>().size(), 1);
    }

};

QTEST_MAIN(CatalogueTest)
#include "test_catalogue.moc"
