#pragma once
// The window program's command line: an optional design file to open, --help and --version.
#include <QString>
#include <QStringList>
#include <optional>

struct StartRequest {
    // Set when the program answers and ends without a window: 0 after --help or --version,
    // 2 for a command line it does not understand.
    std::optional<int> exitCode;
    QString output;  // for standard output
    QString errors;  // for standard error
    // The design file to open, as a full path; empty for a fresh design.
    QString designFile;
};

// `arguments` as the program got them, the program's name first; read before the toolkit starts,
// so that help and version need no display. The toolkit's own options ("-platform offscreen",
// "-style fusion") pass through to it. `version` is what --version shows.
StartRequest ReadCommandLine(const QStringList& arguments, const QString& version = QString());
