#include "export/readoutfile.h"

#include <QDateTime>

#include "app/textfile.h"
#include "export/datetimetext.h"
#include "export/gatherreadout.h"

bool WriteReadoutFile(const frmMain& window, const QString& path, ReadoutStyle style)
{
    LineFileWriter file;
    if (!file.Create(path)) return false;
    const ReadoutDesign design = GatherReadout(window);
    const bool written = file.WriteLines(ReadoutLines(design, style, DateTimeText(QDateTime::currentDateTime())));
    file.Close();
    return written && design.cost.has_value();
}
