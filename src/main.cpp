#include <QApplication>
#include <QTextStream>
#include <exception>

#include "app/commandline.h"
#include "app/frmMain.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(TARNWELL_VERSION_MAJOR)
                                            .arg(TARNWELL_VERSION_MINOR)
                                            .arg(TARNWELL_VERSION_PATCH));
    const StartRequest request = ReadCommandLine(QApplication::arguments());
    QTextStream(stdout) << request.output;
    QTextStream(stderr) << request.errors;
    if (request.exitCode) return *request.exitCode;
    frmMain window;
    try {
        if (!request.designFile.isEmpty()) window.OpenDesignFile(request.designFile);
    } catch (const std::exception&) {
        // A failure ends the opening where it happened, as in the menu command.
    }
    window.show();
    return QApplication::exec();
}
