// The readout as text: the test designs opened from their files under English (United States)
// and German (Germany) settings, and hand-made designs with what a text has to fit in (no
// price, a rotor, no movement or engine type, long names and locations), against texts written
// out by hand (golden/text_*.txt); the name's lines; the file in UTF-8 with the platform's line
// ends.
#include "support/designdriver.h"

#include "core/export/gatherreadout.h"
#include "core/export/textreadout.h"

namespace {

// The text written by hand in golden/text_<key>.txt, as lines; the last one ended too.
QStringList Golden(const QString& key)
{
    return QString::fromUtf8(BytesOf(QFINDTESTDATA(QStringLiteral("golden/text_%1.txt").arg(key)))).split(u'\n');
}

// A name of exactly 60 characters, which just fits beside its label.
const QString SixtyCharacters = QStringLiteral("Nordmark Heavy Assault Hovercraft Prototype Series IV Mk 2 B");

// The designs of the design file tests opened from their files with the battle value they rate,
// or made by hand with one given.
const struct { const char* name; int battleValue; bool german; ReadoutDesign design; const char* file = nullptr; } Texts[] = {
    // The tracked design rates 474 on its armor, structure and tonnage alone (no catalogue):
    // (145 x 2.5 + 30 x 1.5) x 0.9 x 1.2 = 440.1, 60 / 2 x 1.12 = 33.6. The new design: a ton of
    // hovercraft, 1.5 x 4 x 0.7 + 0.5 x 0.65 = 4.525.
    {"tracked_english", 0, false, {}, "tracked.edt"},
    {"tracked_german", 0, true, {}, "tracked.edt"},
    {"new_english", 0, false, {}, "new.edt"},
    // The rotor where a turret would be; without a price the cost line is left out.
    {"vtol_no_price", 321, false,
     {.name = "Kestrel", .mass = 30, .motive = Motive::VTOL, .engine = Engine::Fusion, .engineRating = 240,
      .engineTonnage = Tons(11.5), .cruiseMP = 8, .flankMP = 12, .structureTonnage = 3, .heatSinks = 10,
      .controlTonnage = Tons(1.5), .liftTonnage = 3, .armorFactor = 64, .armorTonnage = 4, .armorTypeName = "Standard",
      .frontArmor = 20, .rightArmor = 15, .leftArmor = 15, .rearArmor = 10, .turretArmor = 4,
      .payload = {{"Small Laser", 1, Tons(0.5), "Front"}, {"Cargo", 0, 1, "Body"}}}},
    // Neither type chosen: no movement type line, the rating alone; a vehicle that could have a
    // turret but has none shows no turret armor, whatever the spinner holds. One ton of heat
    // sinks is one "ton"; the price rounded, half a unit and more up.
    {"no_types_case", 0, false,
     {.name = "Test Bed", .mass = 25, .engineRating = 100, .engineTonnage = 5, .cruiseMP = 4, .flankMP = 6,
      .structureTonnage = Tons(2.5), .heatSinks = 1, .heatSinkTonnage = 1, .controlTonnage = Tons(1.5),
      .armorFactor = 48, .armorTonnage = 3, .armorTypeName = "Standard", .caseFitted = true, .frontArmor = 14,
      .rightArmor = 10, .leftArmor = 10, .rearArmor = 14, .turretArmor = 9, .cost = Tons(45210.5)}},
    // A name of 60 characters on its line; the item names go on below themselves in a name
    // column of what the line leaves (80 - 3 gaps of 2 - 12 - 4 - 7 = 51), broken after a word;
    // a long location goes on in its column of 12; the widest mass sets its column.
    {"long_names_german", 1234, true,
     {.name = SixtyCharacters, .mass = 50, .motive = Motive::Hover, .engine = Engine::FusionXL, .engineRating = 225,
      .engineTonnage = Tons(11.5), .cruiseMP = 7, .flankMP = 11, .structureTonnage = 5, .heatSinks = 12,
      .heatSinkTonnage = 2, .turretTonnage = Tons(1.5), .controlTonnage = Tons(2.5), .liftTonnage = 5,
      .armorFactor = Tons(89.6), .armorTonnage = 5, .armorTypeName = "Ferro Fibrous", .turretFitted = true,
      .frontArmor = 30, .rightArmor = 20, .leftArmor = 20, .rearArmor = 9, .turretArmor = 10,
      .payload = {{"Extended Range Particle Projection Cannon with Capacitor Kit", 15, 7, "Turret"},
                  {"Experimental Rear-Mounted Multi-Missile Launcher System Block II", 6, Tons(12.5), "Rear (mounted backwards)"},
                  {"Cargo", 0, Tons(1234.5), "Body"}},
      .cost = Tons(12345678.5)}},
};

const QString Type = QStringLiteral("Type:               "), Below = QString(20, u' ');
const struct { const char* name; QString vehicleName; QStringList lines; } NameLines[] = {
    {"a word ends at the edge", SixtyCharacters + " Extra", {Type + SixtyCharacters, Below + "Extra"}},
    {"blanks at the break", SixtyCharacters + "    Extra  ", {Type + SixtyCharacters, Below + "Extra"}},
    {"a word over the edge", "A" + SixtyCharacters, {Type + "ANordmark Heavy Assault Hovercraft Prototype Series IV Mk 2", Below + "B"}},
    {"one word of 200 characters", QString(200, u'W'),
     {Type + QString(60, u'W'), Below + QString(60, u'W'), Below + QString(60, u'W'), Below + QString(20, u'W')}},
    {"no name", "", {"Type:"}},
};

}  // namespace

class TextReadoutTest : public QObject {
    Q_OBJECT
private slots:
    // The clipboard's text: every line ended by a line feed, the last one too.
    void texts_data() { AddCases(Texts); }
    void texts()
    {
        const auto& [name, battleValue, german, made, file] = CaseOf(Texts);
        const LocaleScope locale(german);
        Design design;
        if (file) design.Open(QFINDTESTDATA(QStringLiteral("../files/designs/%1").arg(file)));
        const int value = file ? design.State().BattleValue : battleValue;
        QCOMPARE(TextReadout(file ? GatherReadout(design) : made, value).split(u'\n'), Golden(name));
    }

    // The lines of the name: a break after a word that ends at the line's edge, the blanks at a
    // break gone, a word of 200 characters cut into pieces of 60, no name at all.
    void nameLines_data() { AddCases(NameLines); }
    void nameLines()
    {
        const auto& [name, vehicleName, lines] = CaseOf(NameLines);
        const QStringList text = TextReadoutLines({.name = vehicleName}, 0);
        QCOMPARE(text.mid(1, lines.size() + 1), lines + QStringList{"Technology Base:    Inner Sphere Level 2"});
    }

    // UTF-8 without a byte order mark, each line feed as the platform ends a line, over a longer
    // file before; a folder that is not there and a full disk are told and leave no file.
    void textFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("readout.txt"));
        PutBytes(path, QByteArray(500, 'x'));
        QVERIFY(WriteTextFile(QStringLiteral("Müller-Panzer Ä\nRotor 4\n"), path));
#ifdef Q_OS_WIN
        QCOMPARE(BytesOf(path), QByteArray("M\xc3\xbcller-Panzer \xc3\x84\r\nRotor 4\r\n"));
#else
        QCOMPARE(BytesOf(path), QByteArray("M\xc3\xbcller-Panzer \xc3\x84\nRotor 4\n"));
#endif
        QVERIFY(!WriteTextFile(QStringLiteral("Kestrel\n"), dir.filePath(QStringLiteral("no-such-folder/readout.txt"))));
        QVERIFY(!WriteTextFile(QStringLiteral("Kestrel\n"), QStringLiteral("/dev/full")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"readout.txt"});
    }
};

QTEST_GUILESS_MAIN(TextReadoutTest)
#include "test_textreadout.moc"
