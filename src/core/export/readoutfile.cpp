#include "core/export/readoutfile.h"

#include <QDateTime>

#include "core/export/datetimetext.h"
#include "core/export/gatherreadout.h"
#include "core/values/textfile.h"

bool WriteReadoutFile(const Design& design, const QString& path, ReadoutStyle style)
{
    LineFileWriter file;
    if (!file.Create(path)) return false;
    const ReadoutDesign readout = GatherReadout(design);
    const bool written = file.WriteLines(ReadoutLines(readout, style, DateTimeText(QDateTime::currentDateTime())));
    file.Close();
    return written && readout.cost.has_value();
}
