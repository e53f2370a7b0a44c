#pragma once
// The fixed texts of the About box.
#include <QString>

// The application's title, also the caption of its messages.
QString AppTitle();
// "Version major.minor.revision".
QString VersionLine();
// The notice: eleven lines joined by CR LF, no line break after the last.
QString NoticeText();
