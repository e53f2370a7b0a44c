#include "core/start/commandline.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {

const QString ProgramName = QStringLiteral("tarnwell");

// The options the toolkit takes from a program's command line; "=" marks one with a value.
constexpr const char* ToolkitOptions[] = {
    "platform=", "platformpluginpath=", "platformtheme=", "plugin=", "qwindowgeometry=", "qwindowicon=",
    "qwindowtitle=", "reverse", "session=", "display=", "geometry=", "style=", "stylesheet=", "widgetcount",
    "qmljsdebugger=", "nograb", "dograb", "sync"};

StartRequest Misused(const QString& message)
{
    StartRequest request;
    request.exitCode = 2;
    request.errors = QStringLiteral("%1: %2\n%1: try \"%1 --help\"\n").arg(ProgramName, message);
    return request;
}

}  // namespace

StartRequest ReadCommandLine(const QStringList& arguments, const QString& version)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* option : ToolkitOptions) {
        const QString name = QString::fromLatin1(option).remove(u'=');
        QCommandLineOption toolkit(name, QString(), QString::fromLatin1(option).endsWith(u'=') ? name : QString());
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }
    parser.setApplicationDescription(
        QStringLiteral("Designs combat vehicles of a tabletop wargame. FILE, a design file (.edt), is opened\n"
                       "as File > Open opens it; without it the program starts with a fresh design."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         QStringLiteral("Shows the program's version."));
    parser.addOption(help);
    parser.addOption(showVersion);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The design file to open."),
                                 QStringLiteral("[FILE]"));

    if (!parser.parse(arguments)) return Misused(parser.errorText());
    StartRequest request;
    if (parser.isSet(help)) {
        request.exitCode = 0;
        request.output = parser.helpText();
        request.output.replace(0, request.output.indexOf(u'\n'),
                               QStringLiteral("Usage: %1 [options] [FILE]").arg(ProgramName));
        return request;
    }
    if (parser.isSet(showVersion)) {
        request.exitCode = 0;
        request.output = QStringLiteral("%1 %2\n").arg(ProgramName, version);
        return request;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return Misused(QStringLiteral("unexpected argument \"%1\"").arg(files[1]));
    if (!files.isEmpty()) {
        if (files[0].isEmpty()) return Misused(QStringLiteral("empty file name"));
        // Open's dialog hands over a full path, in the platform's separators.
        request.designFile = QDir::toNativeSeparators(QFileInfo(files[0]).absoluteFilePath());
    }
    return request;
}
