// tarnwell-readout: the readout pages of design files, written without opening the window.
#include <QGuiApplication>
#include <QTextStream>

#include "tool/readouttool.h"

namespace {

// The program speaks for itself on standard error; the toolkit's notes (a runtime folder not
// set, a display plugin's limits) are not for its users. Errors still come through.
void KeepToolkitNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) QTextStream(stderr) << message << Qt::endl;
}

}  // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(KeepToolkitNotesQuiet);
    // The toolkit takes options of its own from the command line ("--style" among them), so
    // it gets none: the program reads its command line itself.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    int toolkitArgc = 1;
    // Record sheets are drawn without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(toolkitArgc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("tarnwell-readout"));
    QGuiApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(TARNWELL_VERSION_MAJOR)
                                            .arg(TARNWELL_VERSION_MINOR)
                                            .arg(TARNWELL_VERSION_PATCH));
    return RunReadoutTool(arguments);
}
