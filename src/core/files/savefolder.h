#pragma once
// Where files may be saved, and where the file dialog starts.
#include <QString>

// True when the file or folder at `path` exists and the user may write it (in a folder: create
// files). One whose permissions grant writing to nobody counts as read-only even for the system
// administrator, as the file manager shows it.
bool MayWrite(const QString& path);

// The folder a file dialog starts in when given `folder`: that folder when the user may write
// there, otherwise the user's documents folder, or the home folder when there is none.
QString WritableStartFolder(const QString& folder);
