#include <QApplication>
#include <QTextStream>
#include <exception>

#include "core/start/commandline.h"
#include "window/app/frmMain.h"

int main(int argc, char* argv[])
{
    const QString version =
        QStringLiteral("%1.%2.%3").arg(TARNWELL_VERSION_MAJOR).arg(TARNWELL_VERSION_MINOR).arg(TARNWELL_VERSION_PATCH);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // Help, version and a wrong command line are answered before the toolkit needs a display.
    const StartRequest request = ReadCommandLine(arguments, version);
    QTextStream(stdout) << request.output;
    QTextStream(stderr) << request.errors;
    if (request.exitCode) return *request.exitCode;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    QApplication::setApplicationVersion(version);
    frmMain window;
    try {
        if (!request.designFile.isEmpty()) window.OpenDesignFile(request.designFile);
    } catch (const std::exception&) {
        // A failure ends the opening where it happened, as in the menu command.
    }
    window.show();
    return QApplication::exec();
}
