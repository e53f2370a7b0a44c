#pragma once
// Looking at the payload from outside: its list lines, a snapshot of table, list, totals and
// figures to compare before and after an action, and the check that they are all in step.
#include <QString>
#include <QStringList>
#include <array>

#include "app/frmMain.h"

QStringList PayloadLines(const frmMain& window);

struct PayloadSnapshot {
    QStringList lines;
    std::array<PayloadItem, PayloadCapacity + 1> items;
    int count;
    Currency tonnage, cost, energy, turret, caseTonnage;
    int heat, itemsUsed;
    QStringList figures;  // the labels that show payload figures

    bool operator==(const PayloadSnapshot&) const = default;
};
PayloadSnapshot TakeSnapshot(const frmMain& window);

// The first way in which the payload table, its list and the running totals are out of step,
// or an empty text. Each line shows its record, the records past the count are empty, and each
// total is the sum of its field over the records (with CASE and Ferro-Fibrous armor beside).
QString PayloadInvariantFailure(const frmMain& window);

#define VERIFY_PAYLOAD_IN_STEP(window)                                   \
    do {                                                                 \
        const QString payloadBroken = PayloadInvariantFailure(window);   \
        QVERIFY2(payloadBroken.isEmpty(), qPrintable(payloadBroken));    \
    } while (false)
