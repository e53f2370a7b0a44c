#pragma once

// Item slots of a vehicle: five, and one more for every full 5 tons.
int CalcItemLimit(int mass);
