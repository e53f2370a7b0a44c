#include "support/payloaddrive.h"

#include <QListWidget>
#include <algorithm>
#include <QTest>

#include "payload/payloadline.h"
#include "support/payloadchecks.h"
#include "support/scenario.h"
#include "support/testcatalogue.h"

QStringList OnTracked50(const QStringList& steps)
{
    return QStringList{"optMotiveType_1", "vsbMass=50"} + steps;
}

void DrivePayload(frmMain& window, const QStringList& steps)
{
    for (const QString& step : steps) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        const QString value = step.section(QLatin1Char('='), 1);
        if (name == QLatin1String("weapon"))
            BrowseWeapon(window, value);
        else if (name == QLatin1String("ammo"))
            BrowseAmmo(window, value);
        else if (name == QLatin1String("line"))
            SelectLine(window, value.toInt());
        else
            Drive(window, {step});
    }
}

namespace {

struct StateVariable {
    const char* name;
    QString (*read)(const frmMain&);
};

QString Amount(Currency c)
{
    return QString::number(c.toDouble(), 'f', 4);
}

const StateVariable StateVariables[] = {
    {"PayloadTonnage", [](const frmMain& w) { return Amount(w.PayloadTonnage); }},
    {"PayloadCost", [](const frmMain& w) { return Amount(w.PayloadCost); }},
    {"EnergyWeaponTonnage", [](const frmMain& w) { return Amount(w.EnergyWeaponTonnage); }},
    {"TurretWeaponTonnage", [](const frmMain& w) { return Amount(w.TurretWeaponTonnage); }},
    {"CASETonnage", [](const frmMain& w) { return Amount(w.CASETonnage); }},
    {"PayloadHeat", [](const frmMain& w) { return QString::number(w.PayloadHeat); }},
    {"ItemsUsed", [](const frmMain& w) { return QString::number(w.ItemsUsed); }},
    {"PayloadCount", [](const frmMain& w) { return QString::number(w.PayloadCount); }},
};

}  // namespace

QString PayloadCheckFailure(const frmMain& window, const QStringList& checks)
{
    QStringList controls;
    for (const QString& check : checks) {
        const QString name = check.section(QLatin1Char('='), 0, 0);
        const auto variable = std::find_if(std::begin(StateVariables), std::end(StateVariables),
                                           [&](const StateVariable& v) { return name == QLatin1String(v.name); });
        if (variable == std::end(StateVariables)) {
            controls << check;
            continue;
        }
        const QString expected = check.section(QLatin1Char('='), 1);
        const QString got = variable->read(window);
        if (got.toDouble() != expected.toDouble()) return QStringLiteral("%1 (got %2)").arg(check, got);
    }
    return FirstFailure(window, controls);
}

QStringList ShownItems(const frmMain& window)
{
    QStringList items;
    const QStringList lines = PayloadLines(window);
    for (int k = 1; k < lines.size(); ++k) {
        const QString& line = lines[k];
        items << QStringList{line.left(PayloadNameWidth).trimmed(),
                             line.mid(PayloadNameWidth, PayloadNumberWidth).trimmed(),
                             line.mid(PayloadNameWidth + PayloadNumberWidth, PayloadNumberWidth).trimmed(),
                             line.mid(PayloadNameWidth + 2 * PayloadNumberWidth)}
                     .join(QLatin1Char('|'));
    }
    return items;
}

void AddPayloadRows(const QList<PayloadScenario>& scenarios)
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("checks");
    QTest::addColumn<QStringList>("items");
    for (const PayloadScenario& s : scenarios) QTest::newRow(s.name) << s.steps << s.checks << s.items;
}

void RunPayloadRow()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, checks);
    QFETCH(QStringList, items);
    CatalogueWindow bench;
    frmMain& window = bench.window;
    DrivePayload(window, steps);
    const QString failure = PayloadCheckFailure(window, checks);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(ShownItems(window), items);
    VERIFY_PAYLOAD_IN_STEP(window);
}
