#include "core/design/design.h"
#include "core/rules/drive.h"

void Design::CalcSpeed()
{
    s_.FlankMP = rules::FlankSpeed(s_.CruiseMP);
}
