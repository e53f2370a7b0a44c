#pragma once
// Where the two page styles differ: the head, the engine cell and the block after the time of
// export.
#include "core/export/linesink.h"
#include "core/export/readout.h"

namespace readout {

using Part = void (*)(LineSink&, const ReadoutDesign&);

struct StyleParts {
    Part head;
    Part engineCell;
    Part navigation;
};

extern const StyleParts PlainParts;
extern const StyleParts SiteParts;

}  // namespace readout
