// tarnwell-readout: the readout pages of design files, written without opening the window.
#include <QApplication>

#include "tool/readouttool.h"

int main(int argc, char* argv[])
{
    // The toolkit takes options of its own from the command line ("--style" among them), so
    // it gets none: the program reads its command line itself.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    int toolkitArgc = 1;
    // The window that reads each design is never shown, so no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(toolkitArgc, argv);
    QApplication::setApplicationName(QStringLiteral("tarnwell-readout"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(TARNWELL_VERSION_MAJOR)
                                            .arg(TARNWELL_VERSION_MINOR)
                                            .arg(TARNWELL_VERSION_PATCH));
    return RunReadoutTool(arguments);
}
