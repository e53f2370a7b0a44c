// The readout as text: the test designs opened from their files under English (United States)
// and German (Germany) settings, and hand-made designs with what a text has to fit in (no
// price, a rotor, no movement or engine type, long names and locations, control characters, a
// character beyond the first plane), against texts written out by hand; no line over 80
// characters however long its parts; the file in UTF-8 with the platform's line ends.
#include "support/designdriver.h"

#include "core/export/gatherreadout.h"
#include "core/export/textreadout.h"

namespace {

Currency tons(double t) { return Currency::fromDouble(t); }

// The tracked design of the design file tests; its battle value of 474 is that of the armor,
// the structure and the tonnage alone (a design without a catalogue rates no item): defensive
// (145 x 2.5 + 30 x 1.5) x 0.9 x 1.2 = 440.1, offensive 60 / 2 x 1.12 = 33.6.
const QStringList TrackedHead = {
    "Vehicle Technical Readout",
    "Type:               Müller-Panzer Ä",
    "Technology Base:    Inner Sphere Level 2",
    "Movement Type:      Tracked",
    "Tonnage:            60",
};

// The tracked design's text with the regional decimal point and thousands separator.
QStringList Tracked(const QString& point, const QString& thousands)
{
    const auto figure = [&](const char* whole, const char* tenth) { return QString::fromLatin1(whole) + point + tenth; };
    return TrackedHead + QStringList{
        "Cruise MP:          4 (42" + point + "4 km/h)",
        "Flank MP:           6 (64 km/h)",
        "Engine:             240 Fusion, " + figure("17", "5") + " tons",
        "Internal Structure: Standard, 6 points per location, " + figure("6", "0") + " tons",
        "Heat Sinks:         16, 6 tons",
        "Turret:             " + figure("1", "0") + " tons",
        "Control Equipment:  " + figure("3", "0") + " tons",
        "Lift Equipment:     " + figure("0", "0") + " tons",
        "Power Amplifier:    " + figure("0", "0") + " tons",
        "Armor:              Ferro Fibrous with CASE",
        "Armor Factor:       179, " + figure("10", "0") + " tons",
        "Armor Value:        Front 40, Right 30, Left 30, Rear 20, Turret 25",
        "",
        "Weapons and Ammo     Location  Heat  Mass",
        "-------------------  --------  ----  ----",
        "Large Laser          Turret       8   " + figure("5", "0"),
        "LRM 10               Front        4   " + figure("5", "0"),
        "SRM 2                Turret       2   " + figure("1", "0"),
        "Beagle Active Probe  Body         0   " + figure("1", "5"),
        "Cargo                Body         0   " + figure("0", "5"),
        "Ammo-Autocannon/5    Body         0   " + figure("3", "0"),
        "Artemis IV - LRM     Front        0   " + figure("1", "0"),
        "Artemis IV - SRM     Turret       0   " + figure("1", "0"),
        "",
        "Battle Value:       474",
        "Vehicle Cost:       3" + thousands + "105" + thousands + "660",
    };
}

// A new design: one ton of hovercraft at cruise 1, the lowest rating of 10, every component at
// least half a ton, no structure point in a location (a tenth of one ton); battle value
// 1.5 x 4 x 0.7 + 0.5 x 0.65 = 4.525.
QStringList NewDesign(const QString& point, const QString& thousands)
{
    const QString half = "0" + point + "5 tons", none = "0" + point + "0 tons";
    return {
        "Vehicle Technical Readout",
        "Type:               Insert Name and Designation",
        "Technology Base:    Inner Sphere Level 2",
        "Movement Type:      Hover",
        "Tonnage:            1",
        "Cruise MP:          1 (10" + point + "6 km/h)",
        "Flank MP:           2 (21 km/h)",
        "Engine:             10 I.C.E., 1" + point + "0 tons",
        "Internal Structure: Standard, 0 points per location, " + half,
        "Heat Sinks:         0, 0 tons",
        "Turret:             " + none,
        "Control Equipment:  " + half,
        "Lift Equipment:     " + half,
        "Power Amplifier:    " + none,
        "Armor:              Standard",
        "Armor Factor:       0, " + none,
        "Armor Value:        Front 0, Right 0, Left 0, Rear 0",
        "",
        "Weapons and Ammo  Location  Heat  Mass",
        "----------------  --------  ----  ----",
        "",
        "Battle Value:       5",
        "Vehicle Cost:       20" + thousands + "570",
    };
}

const struct { const char* name; const char* file; bool german; QStringList text; } FileTexts[] = {
    {"tracked, English", "tracked.edt", false, Tracked(".", ",")},
    {"tracked, German", "tracked.edt", true, Tracked(",", ".")},
    {"new, English", "new.edt", false, NewDesign(".", ",")},
    {"new, German", "new.edt", true, NewDesign(",", ".")},
};

// A name of exactly 60 characters, which just fits beside its label.
const QString SixtyCharacters = QStringLiteral("Nordmark Heavy Assault Hovercraft Prototype Series IV Mk 2 B");

const struct { const char* name; ReadoutDesign design; int battleValue; bool german; QStringList text; } MadeTexts[] = {
    // The rotor where a turret would be; without a price the cost line is left out.
    {"VTOL with its rotor, no price",
     {.name = "Kestrel", .mass = 30, .motive = Motive::VTOL, .engine = Engine::Fusion, .engineRating = 240,
      .engineTonnage = tons(11.5), .cruiseMP = 8, .flankMP = 12, .structureTonnage = 3, .heatSinks = 10,
      .controlTonnage = tons(1.5), .liftTonnage = 3, .armorFactor = 64, .armorTonnage = 4, .armorTypeName = "Standard",
      .frontArmor = 20, .rightArmor = 15, .leftArmor = 15, .rearArmor = 10, .turretArmor = 4,
      .payload = {{"Small Laser", 1, tons(0.5), "Front"}, {"Cargo", 0, 1, "Body"}}},
     321, false,
     {"Vehicle Technical Readout",
      "Type:               Kestrel",
      "Technology Base:    Inner Sphere Level 2",
      "Movement Type:      VTOL",
      "Tonnage:            30",
      "Cruise MP:          8 (84.8 km/h)",
      "Flank MP:           12 (127 km/h)",
      "Engine:             240 Fusion, 11.5 tons",
      "Internal Structure: Standard, 3 points per location, 3.0 tons",
      "Heat Sinks:         10, 0 tons",
      "Turret:             0.0 tons",
      "Control Equipment:  1.5 tons",
      "Lift Equipment:     3.0 tons",
      "Power Amplifier:    0.0 tons",
      "Armor:              Standard",
      "Armor Factor:       64, 4.0 tons",
      "Armor Value:        Front 20, Right 15, Left 15, Rear 10, Rotor 4",
      "",
      "Weapons and Ammo  Location  Heat  Mass",
      "----------------  --------  ----  ----",
      "Small Laser       Front        1   0.5",
      "Cargo             Body         0   1.0",
      "",
      "Battle Value:       321"}},
    // Neither type chosen: no movement type line, the rating alone; a vehicle that could have a
    // turret but has none shows no turret armor, whatever the spinner holds. One ton of heat
    // sinks is one "ton"; the price rounded, half a unit and more up.
    {"no movement or engine type, no turret, CASE",
     {.name = "Test Bed", .mass = 25, .engineRating = 100, .engineTonnage = 5, .cruiseMP = 4, .flankMP = 6,
      .structureTonnage = tons(2.5), .heatSinks = 1, .heatSinkTonnage = 1, .controlTonnage = tons(1.5),
      .armorFactor = 48, .armorTonnage = 3, .armorTypeName = "Standard", .caseFitted = true, .frontArmor = 14,
      .rightArmor = 10, .leftArmor = 10, .rearArmor = 14, .turretArmor = 9, .cost = tons(45210.5)},
     0, false,
     {"Vehicle Technical Readout",
      "Type:               Test Bed",
      "Technology Base:    Inner Sphere Level 2",
      "Tonnage:            25",
      "Cruise MP:          4 (42.4 km/h)",
      "Flank MP:           6 (64 km/h)",
      "Engine:             100, 5.0 tons",
      "Internal Structure: Standard, 2 points per location, 2.5 tons",
      "Heat Sinks:         1, 1 ton",
      "Turret:             0.0 tons",
      "Control Equipment:  1.5 tons",
      "Lift Equipment:     0.0 tons",
      "Power Amplifier:    0.0 tons",
      "Armor:              Standard with CASE",
      "Armor Factor:       48, 3.0 tons",
      "Armor Value:        Front 14, Right 10, Left 10, Rear 14",
      "",
      "Weapons and Ammo  Location  Heat  Mass",
      "----------------  --------  ----  ----",
      "",
      "Battle Value:       0",
      "Vehicle Cost:       45,211"}},
    // A name of 60 characters on its line; the item names go on below themselves in a name
    // column of what the line leaves (80 - 3 gaps of 2 - 12 - 4 - 7 = 51), broken after a word;
    // a long location goes on in its column of 12; the widest mass sets its column.
    {"long names, German",
     {.name = SixtyCharacters, .mass = 50, .motive = Motive::Hover, .engine = Engine::FusionXL, .engineRating = 225,
      .engineTonnage = tons(11.5), .cruiseMP = 7, .flankMP = 11, .structureTonnage = 5, .heatSinks = 12,
      .heatSinkTonnage = 2, .turretTonnage = tons(1.5), .controlTonnage = tons(2.5), .liftTonnage = 5,
      .armorFactor = tons(89.6), .armorTonnage = 5, .armorTypeName = "Ferro Fibrous", .turretFitted = true,
      .frontArmor = 30, .rightArmor = 20, .leftArmor = 20, .rearArmor = 9, .turretArmor = 10,
      .payload = {{"Extended Range Particle Projection Cannon with Capacitor Kit", 15, 7, "Turret"},
                  {"Experimental Rear-Mounted Multi-Missile Launcher System Block II", 6, tons(12.5), "Rear (mounted backwards)"},
                  {"Cargo", 0, tons(1234.5), "Body"}},
      .cost = tons(12345678.5)},
     1234, true,
     {"Vehicle Technical Readout",
      "Type:               Nordmark Heavy Assault Hovercraft Prototype Series IV Mk 2 B",
      "Technology Base:    Inner Sphere Level 2",
      "Movement Type:      Hover",
      "Tonnage:            50",
      "Cruise MP:          7 (74,2 km/h)",
      "Flank MP:           11 (117 km/h)",
      "Engine:             225 Fusion XL, 11,5 tons",
      "Internal Structure: Standard, 5 points per location, 5,0 tons",
      "Heat Sinks:         12, 2 tons",
      "Turret:             1,5 tons",
      "Control Equipment:  2,5 tons",
      "Lift Equipment:     5,0 tons",
      "Power Amplifier:    0,0 tons",
      "Armor:              Ferro Fibrous",
      "Armor Factor:       90, 5,0 tons",
      "Armor Value:        Front 30, Right 20, Left 20, Rear 9, Turret 10",
      "",
      "Weapons and Ammo                                     Location      Heat     Mass",
      "---------------------------------------------------  ------------  ----  -------",
      "Extended Range Particle Projection Cannon with       Turret          15      7,0",
      "Capacitor Kit",
      "Experimental Rear-Mounted Multi-Missile Launcher     Rear             6     12,5",
      "System Block II                                      (mounted",
      "                                                     backwards)",
      "Cargo                                                Body             0  1.234,5",
      "",
      "Battle Value:       1.234",
      "Vehicle Cost:       12.345.679"}},
    // A tab and a line feed in the name are blanks, and the name goes on after its last word
    // that fits; a word longer than its column is cut at the column's edge; a character beyond
    // the first plane is one character wide.
    {"name over two lines, a word cut, a character beyond the first plane",
     {.name = "Ridgeback\tLight Reconnaissance Tank\nwith Extended Sensor Suite Mk III", .mass = 35,
      .motive = Motive::Tracked, .engine = Engine::FusionXL, .engineRating = 175, .engineTonnage = tons(3.5),
      .cruiseMP = 5, .flankMP = 8, .structureTonnage = tons(3.5), .heatSinks = 10, .controlTonnage = 2,
      .armorFactor = 96, .armorTonnage = 6, .armorTypeName = "Standard", .frontArmor = 30, .rightArmor = 20,
      .leftArmor = 20, .rearArmor = 26,
      .payload = {{"\U0001D50Aauss Rifle", 1, 15, "Front"},
                  {"Panzerabwehrlenkflugkörperstartvorrichtungsersatzteilpaketausführung", 0, 2, "Body"}},
      .cost = 987654},
     987, false,
     {"Vehicle Technical Readout",
      "Type:               Ridgeback Light Reconnaissance Tank with Extended Sensor",
      "                    Suite Mk III",
      "Technology Base:    Inner Sphere Level 2",
      "Movement Type:      Tracked",
      "Tonnage:            35",
      "Cruise MP:          5 (53.0 km/h)",
      "Flank MP:           8 (85 km/h)",
      "Engine:             175 Fusion XL, 3.5 tons",
      "Internal Structure: Standard, 3 points per location, 3.5 tons",
      "Heat Sinks:         10, 0 tons",
      "Turret:             0.0 tons",
      "Control Equipment:  2.0 tons",
      "Lift Equipment:     0.0 tons",
      "Power Amplifier:    0.0 tons",
      "Armor:              Standard",
      "Armor Factor:       96, 6.0 tons",
      "Armor Value:        Front 30, Right 20, Left 20, Rear 26",
      "",
      "Weapons and Ammo                                            Location  Heat  Mass",
      "----------------------------------------------------------  --------  ----  ----",
      "\U0001D50Aauss Rifle                                                 Front        1  15.0",
      "Panzerabwehrlenkflugkörperstartvorrichtungsersatzteilpaket  Body         0   2.0",
      "ausführung",
      "",
      "Battle Value:       987",
      "Vehicle Cost:       987,654"}},
};

// Designs whose parts are as long as they get: a name of 200 characters without a blank, a
// long location, the widest heat and a price of many digits.
const QString LongWord = QString(200, u'W');
const struct { const char* name; ReadoutDesign design; } Extremes[] = {
    {"sixty-character name", {.name = SixtyCharacters, .payload = {{SixtyCharacters + " " + SixtyCharacters, 0, 1, "Turret"}}}},
    {"one word of 200 characters everywhere",
     {.name = LongWord, .armorTypeName = LongWord, .payload = {{LongWord, -32768, tons(99999999.9), LongWord}},
      .cost = Currency::fromUnits(900'000'000'000'000'000)}},
    {"blanks everywhere", {.name = QString(200, u' ') + "x", .payload = {{"a" + QString(100, u' ') + "b", 1, 1, "c d e f g h i j k l m"}}}},
};

const QString Type = QStringLiteral("Type:               "), Below = QString(20, u' ');
const struct { const char* name; QString vehicleName; QStringList lines; } NameLines[] = {
    {"a word ends at the edge", SixtyCharacters + " Extra", {Type + SixtyCharacters, Below + "Extra"}},
    {"blanks at the break", SixtyCharacters + "    Extra  ", {Type + SixtyCharacters, Below + "Extra"}},
    {"a word over the edge", "A" + SixtyCharacters, {Type + "ANordmark Heavy Assault Hovercraft Prototype Series IV Mk 2", Below + "B"}},
    {"one word of 200 characters", LongWord,
     {Type + QString(60, u'W'), Below + QString(60, u'W'), Below + QString(60, u'W'), Below + QString(20, u'W')}},
    {"no name", "", {"Type:"}},
};

// Characters as a reader counts them.
qsizetype Width(const QString& line) { return line.toStdU32String().size(); }

}  // namespace

class TextReadoutTest : public QObject {
    Q_OBJECT
private slots:
    // The clipboard's text: every line ended by a line feed, the last one too.
    void designFiles_data() { AddCases(FileTexts); }
    void designFiles()
    {
        const auto& [name, file, german, text] = CaseOf(FileTexts);
        const LocaleScope locale(german);
        Design design;
        design.Open(QFINDTESTDATA(QStringLiteral("../files/designs/%1").arg(file)));
        QCOMPARE(design.DesignFileStopLine(), 0);
        QCOMPARE(TextReadout(GatherReadout(design), design.State().BattleValue).split(u'\n'), text + QStringList{""});
    }

    void madeDesigns_data() { AddCases(MadeTexts); }
    void madeDesigns()
    {
        const auto& [name, design, battleValue, german, text] = CaseOf(MadeTexts);
        const LocaleScope locale(german);
        QCOMPARE(TextReadoutLines(design, battleValue), text);
        QCOMPARE(TextReadout(design, battleValue).split(u'\n'), text + QStringList{""});
    }

    // Under both settings, no line is wider than 80 characters, and the long parts fill it.
    void noLineOver80_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("german");
        for (int row = 0; row < int(std::size(Extremes)); ++row)
            for (const bool german : {false, true})
                QTest::addRow("%s, %s", Extremes[row].name, german ? "German" : "English") << row << german;
    }
    void noLineOver80()
    {
        QFETCH(int, row);
        QFETCH(bool, german);
        const LocaleScope locale(german);
        const QStringList lines = TextReadoutLines(Extremes[row].design, 32767);
        qsizetype widest = 0;
        for (const QString& line : lines) {
            QVERIFY2(Width(line) <= 80, qPrintable(QString::number(Width(line)) + ": " + line));
            QVERIFY2(!line.endsWith(u' '), qPrintable("a blank at the end of \"" + line + "\""));
            widest = std::max(widest, Width(line));
        }
        QCOMPARE(widest, 80);
    }

    // The lines of the name: a break after a word that ends at the line's edge, the blanks at a
    // break gone, a word of 200 characters cut into pieces of 60, no name at all.
    void nameLines_data() { AddCases(NameLines); }
    void nameLines()
    {
        const auto& [name, vehicleName, lines] = CaseOf(NameLines);
        const QStringList text = TextReadoutLines({.name = vehicleName}, 0);
        QCOMPARE(text.mid(1, lines.size()), lines);
        QCOMPARE(text.value(1 + lines.size()), QStringLiteral("Technology Base:    Inner Sphere Level 2"));
    }

    // UTF-8 without a byte order mark, each line feed as the platform ends a line; a longer
    // file before is emptied first.
    void textFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("readout.txt"));
        QFile before(path);
        QVERIFY(before.open(QIODevice::WriteOnly));
        before.write(QByteArray(500, 'x'));
        before.close();
        QVERIFY(WriteTextFile(QStringLiteral("Müller-Panzer Ä\nRotor 4\n"), path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
#ifdef Q_OS_WIN
        QCOMPARE(file.readAll(), QByteArray("M\xc3\xbcller-Panzer \xc3\x84\r\nRotor 4\r\n"));
#else
        QCOMPARE(file.readAll(), QByteArray("M\xc3\xbcller-Panzer \xc3\x84\nRotor 4\n"));
#endif
    }

    // A folder that is not there, and a disk that is full.
    void textFileNotWritten_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("no such folder") << QStringLiteral("no-such-folder/readout.txt");
        QTest::newRow("full disk") << QStringLiteral("/dev/full");
    }
    void textFileNotWritten()
    {
        QFETCH(QString, path);
        QTemporaryDir dir;
        QVERIFY(!WriteTextFile(QStringLiteral("Kestrel\n"), path.startsWith(u'/') ? path : dir.filePath(path)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TextReadoutTest)
#include "test_textreadout.moc"
