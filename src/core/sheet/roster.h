#pragma once
// The roster of a force: one row per design with the figures its record sheet gives, the
// force's totals, and the roster page or pages drawn like a record sheet.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/sheet/sheetdesign.h"
#include "core/sheet/sheetmodel.h"
#include "core/values/currency.h"

struct RosterRow {
    QString name;
    QString movement;  // the movement type's caption; empty when none is chosen
    int tons = 0;
    double cruiseMP = 0;
    double flankMP = 0;
    int armorPoints = 0;  // on the sheet's armor diagram
    int battleValue = 0;
    std::optional<Currency> cost;  // whole C-bills as the sheet shows them; empty without a price
    bool operator==(const RosterRow&) const = default;
};

struct RosterTotals {
    int units = 0;
    int tons = 0;
    int battleValue = 0;
    std::optional<Currency> cost;  // empty when a unit has no price
    bool operator==(const RosterTotals&) const = default;
};

// The rows a roster page holds; a longer roster goes on to the next page.
constexpr int RosterRowsPerPage = 12;

RosterRow RosterRowOf(const SheetDesign& design);
RosterTotals RosterTotalsOf(const QList<RosterRow>& rows);

// The texts of a row and of the totals row in the page's column order (name, movement, tons,
// cruise, flank, armor points, battle value, cost), in the user's regional number format.
QStringList RosterCells(const RosterRow& row);
QStringList RosterTotalCells(const RosterTotals& totals);

// The roster's pages on `paper`: the rows in order, twelve a page, and the totals row below
// the last one.
QList<SheetModel> RosterPages(const QList<RosterRow>& rows, SheetPaper paper);
