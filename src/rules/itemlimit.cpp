#include "rules/items.h"

int CalcItemLimit(int mass)
{
    return mass / 5 + 5;
}
