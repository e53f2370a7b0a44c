// Whole readout pages in both styles compared byte for byte with pages written by hand
// (golden/<key>_plain.html and golden/<key>_site.html), the moment of export fixed.
#include <QFile>
#include <QTest>

#include "app/textfile.h"
#include "export/readout.h"

// The designs name only the values they set; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

Currency Tons(double tons)
{
    return Currency::fromDouble(tons);
}

// Hover, I.C.E., empty texts and no payload.
ReadoutDesign HoverIce()
{
    return {.name = "Skimmer", .mass = 20, .motive = HoverMotive, .engine = ICEEngine, .engineRating = 145,
            .engineTonnage = 9, .cruiseMP = 10, .flankMP = 15, .structureTonnage = 2, .controlTonnage = 1,
            .liftTonnage = 2, .armorFactor = 32, .armorTonnage = 2, .armorTypeName = "Standard", .frontArmor = 10,
            .rightArmor = 7, .leftArmor = 7, .rearArmor = 8, .cost = Tons(123456.5)};
}

// Tracked fusion tank with a turret, Ferro-Fibrous armor, CASE, a launcher with Artemis IV and
// its ammunition, cargo, texts with "&" and "<", and a two-line overview.
ReadoutDesign HeavyTank()
{
    return {.name = "Heavy Tank Mk 2", .mass = 50, .motive = TrackedMotive, .engine = FusionEngine,
            .engineRating = 200, .engineTonnage = Tons(8.5), .cruiseMP = 4, .flankMP = 6, .structureTonnage = 5,
            .heatSinks = 12, .heatSinkTonnage = 2, .turretTonnage = 1, .controlTonnage = Tons(2.5),
            .powerAmpTonnage = Tons(0.5), .armorFactor = Tons(143.36), .armorTonnage = 8,
            .armorTypeName = "Ferro Fibrous", .caseFitted = true, .turretFitted = true, .frontArmor = 40,
            .rightArmor = 30, .leftArmor = 30, .rearArmor = 23, .turretArmor = 20,
            .manufacturer = "Orrin & Vale Works", .commSystem = "Talkline 5 <Mk II>",
            .targetingSystem = "Sightmaster 3", .overview = "ab\r\ncd",
            .payload = {{"LRM 10", 4, 5, "Turret"}, {"Artemis IV - LRM", 0, 1, "Turret"}, {"Ammo-LRM 10", 0, 1, "Body"},
                        {"Medium Laser", 3, 1, "Front"}, {"Cargo", 0, Tons(2.5), "Body"}},
            .cost = Tons(1234567.4)};
}

// Tracked Fusion XL without a turret; the overview ends in a line feed.
ReadoutDesign RidgebackXL()
{
    return {.name = "Ridgeback", .mass = 35, .motive = TrackedMotive, .engine = FusionXLEngine, .engineRating = 175,
            .engineTonnage = Tons(3.5), .cruiseMP = 5, .flankMP = 8, .structureTonnage = Tons(3.5), .heatSinks = 10,
            .controlTonnage = 2, .armorFactor = 96, .armorTonnage = 6, .armorTypeName = "Standard", .frontArmor = 30,
            .rightArmor = 20, .leftArmor = 20, .rearArmor = 26, .manufacturer = "Kessel Motors", .commSystem = "Rook-7",
            .targetingSystem = "Eyeline", .overview = "One line ending\n",
            .payload = {{"SRM 6", 4, 3, "Front"}, {"Ammo-SRM 6", 0, 1, "Body"}}, .cost = 987654};
}

// Wheeled, 25 tons, I.C.E., an overview of four lines, one of them empty.
ReadoutDesign ScoutCar()
{
    return {.name = "Scout Car", .mass = 25, .motive = WheeledMotive, .engine = ICEEngine, .engineRating = 100,
            .engineTonnage = 5, .cruiseMP = 4, .flankMP = 6, .structureTonnage = Tons(2.5), .heatSinks = 1,
            .heatSinkTonnage = 1, .controlTonnage = Tons(1.5), .armorFactor = 48, .armorTonnage = 3,
            .armorTypeName = "Standard", .frontArmor = 14, .rightArmor = 10, .leftArmor = 10, .rearArmor = 14,
            .overview = "Line one\r\nLine two\r\n\r\nLine four",
            .payload = {{"Machine Gun", 0, Tons(0.5), "Front"}, {"Ammo-Machine Gun", 0, Tons(0.5), "Body"}},
            .cost = Tons(45210.25)};
}

// Fusion VTOL with its rotor row; a manufacturer beyond ASCII.
ReadoutDesign KestrelVtol()
{
    return {.name = "Kestrel", .mass = 30, .motive = VTOLMotive, .engine = FusionEngine, .engineRating = 240,
            .engineTonnage = Tons(11.5), .cruiseMP = 8, .flankMP = 12, .structureTonnage = 3, .heatSinks = 10,
            .controlTonnage = Tons(1.5), .liftTonnage = 3, .armorFactor = 64, .armorTonnage = 4,
            .armorTypeName = "Standard", .frontArmor = 20, .rightArmor = 15, .leftArmor = 15, .rearArmor = 10,
            .turretArmor = 4, .manufacturer = QString::fromUtf8("A\u00e9rospatiale Lune"), .commSystem = "Skyvox",
            .targetingSystem = "Hawkeye 2", .overview = "Fast.\r\nLight.\r\n",
            .payload = {{"Small Laser", 1, Tons(0.5), "Front"}, {"Cargo", 0, 1, "Body"}}, .cost = 654321};
}

}  // namespace

class ReadoutPagesTest : public QObject {
    Q_OBJECT
private slots:
    void pages()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const struct {
            const char* key;
            ReadoutDesign (*make)();
        } designs[] = {{"hover_ice", HoverIce}, {"heavy_tank", HeavyTank}, {"ridgeback_xl", RidgebackXL},
                       {"scout_car", ScoutCar}, {"kestrel_vtol", KestrelVtol}};
        for (const auto& design : designs) {
            for (const auto& [style, suffix] : {std::pair(ReadoutStyle::Plain, "plain"), std::pair(ReadoutStyle::Site, "site")}) {
                const QString golden = QStringLiteral("golden/%1_%2.html").arg(QLatin1String(design.key), QLatin1String(suffix));
                QFile file(QFINDTESTDATA(golden));
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(golden));
                const QStringList lines = ReadoutLines(design.make(), style, QStringLiteral("12/5/2026 9:03:07 PM"));
                const QList<QByteArray> expected = file.readAll().split('\n');
                for (qsizetype i = 0; i < std::max(lines.size() + 1, expected.size()); ++i) {
                    const QByteArray got = i < lines.size() ? EightBitText(lines[i]) + '\r' : QByteArray();
                    QVERIFY2(got == expected.value(i, "<none>"), qPrintable(QStringLiteral("%1 line %2: %3").arg(golden).arg(i + 1).arg(QString::fromLatin1(got))));
                }
            }
        }
    }
};

QTEST_MAIN(ReadoutPagesTest)
#include "test_readoutpages.moc"
