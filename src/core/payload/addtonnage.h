#pragma once
// The tonnage spinner of the ammunition browser. Its top value says how it counts: up to 100
// whole tons, or up to 200 half tons for the rows sold by the half ton.
#include <QString>

#include "core/values/currency.h"

constexpr int WholeTonTop = 100;
constexpr int HalfTonTop = 200;

// True for the rows that are added in half-ton steps ("Cargo", "Ammo-Machine Gun").
bool SoldByHalfTon(const QString& ammoName);
// The tons a spinner value stands for under the spinner's top.
Currency AddedTons(int value, int top);
// The same as the label beside the spinner shows it: 2.5 for 5 half tons, 5 for 5 whole tons.
QString AddTonnageText(int value, int top);
