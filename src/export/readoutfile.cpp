#include "export/readoutfile.h"

#include <QDateTime>

#include "app/textfile.h"
#include "export/datetimetext.h"
#include "export/gatherreadout.h"

bool WriteReadoutFile(const frmMain& window, const QString& path, ReadoutStyle style)
{
    LineFileWriter file;
    if (!file.Create(path)) return false;
    const bool written =
        file.WriteLines(ReadoutLines(GatherReadout(window), style, DateTimeText(QDateTime::currentDateTime())));
    file.Close();
    return written;
}
