#include "payload/addtonnage.h"

#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <algorithm>
#include <iterator>

#include "app/controls.h"
#include "app/frmMain.h"

namespace {

constexpr const char* HalfTonNames[] = {"Cargo", "Ammo-Machine Gun"};

}  // namespace

bool SoldByHalfTon(const QString& ammoName)
{
    return std::any_of(std::begin(HalfTonNames), std::end(HalfTonNames),
                       [&](const char* name) { return ammoName == QLatin1String(name); });
}

QString AddTonnageText(const QScrollBar* spinner)
{
    const int value = spinner->value();
    if (spinner->maximum() == HalfTonTop) return QLocale().toString(value * 0.5, 'f', QLocale::FloatingPointShortest);
    return QLocale().toString(value);
}

void frmMain::vsbAddTonnage_Change()
{
    SetLabelText(lblAddTonnage, AddTonnageText(vsbAddTonnage));
}
