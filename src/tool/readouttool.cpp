#include "tool/readouttool.h"

#include <QCommandLineParser>
#include <QDir>
#include <QMap>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "core/battlevalue/battlevalue.h"
#include "core/design/design.h"
#include "core/export/gatherreadout.h"
#include "core/export/readoutfile.h"
#include "core/export/textreadout.h"
#include "core/payload/rowset.h"
#include "core/sheet/designsheet.h"
#include "core/sheet/force.h"
#include "paint/sheetfile.h"
#include "paint/sheetpainter.h"
#include "tool/readoutpages.h"

namespace {

const QString ProgramName = QStringLiteral("tarnwell-readout");

// The equipment catalogue beside the program, read once for all the record sheets and text
// readouts; a catalogue that cannot be read leaves the sheets' damage and ranges as dashes and
// rates no item.
class SheetCatalogue {
public:
    SheetCatalogue() : weapons_(QStringLiteral("ISWeapons"), nullptr), ammo_(QStringLiteral("ISAmmo"), nullptr)
    {
        const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ISWeapons.mdb"));
        for (RowSet* rows : {&weapons_, &ammo_}) {
            rows->setDatabaseName(path);
            rows->Refresh();
        }
        battleValues_ = BattleValueTable(weapons_, ammo_);
    }
    bool Write(const Design& design, const QString& path) const
    {
        const QList<SheetModel> pages = DesignSheetPages(design, weapons_, ammo_);
        return WritePagesPdf(pages, path, pages.first().title);
    }
    bool WriteForce(const Force& force, const QString& path) const
    {
        return WritePagesPdf(force.Pages(weapons_, ammo_), path, ForceTitle(path));
    }
    // As the window rates the design over this catalogue. A table rates on one thread at a
    // time, so each design has a copy.
    int BattleValue(const Design& design) const
    {
        const BattleValueTable own = battleValues_;
        return RateBattleValue(design.State(), own).value;
    }

private:
    RowSet weapons_;
    RowSet ammo_;
    BattleValueTable battleValues_;
};

const SheetCatalogue& Catalogue()
{
    static const SheetCatalogue catalogue;
    return catalogue;
}

bool WritePlainPage(const Design& design, const QString& path)
{
    return WriteReadoutFile(design, path, ReadoutStyle::Plain);
}

bool WriteSitePage(const Design& design, const QString& path)
{
    return WriteReadoutFile(design, path, ReadoutStyle::Site);
}

bool WriteSheet(const Design& design, const QString& path)
{
    return Catalogue().Write(design, path);
}

// Without a price the text is written without its cost line and counts as not written, as
// the pages do.
bool WriteText(const Design& design, const QString& path)
{
    const ReadoutDesign readout = GatherReadout(design);
    return WriteTextFile(TextReadout(readout, Catalogue().BattleValue(design)), path) && readout.cost.has_value();
}

struct Style {
    const char* name;
    const char* extension;
    bool (*write)(const Design& design, const QString& path);
};

constexpr Style Styles[] = {
    {"plain", ".html", WritePlainPage},
    {"site", ".html", WriteSitePage},
    {"sheet", ".pdf", WriteSheet},
    {"text", ".txt", WriteText},
};

const Style* StyleNamed(const QString& name)
{
    for (const Style& entry : Styles)
        if (name == QLatin1StringView(entry.name)) return &entry;
    return nullptr;
}

const QString Description = QStringLiteral(
    "Writes the technical readout or the record sheet of each design file (.edt) given, as the\n"
    "window's File menu exports it: <folder>/<design file name without extension>.html, .pdf\n"
    "for a record sheet, or .txt for the readout as text.\n"
    "\n"
    "Styles:\n"
    "  plain  the plain page (File > Export to HTML)\n"
    "  site   the page styled for the Halvorn site (File > Export to HVN HTML)\n"
    "  sheet  the record sheet (File > Export Record Sheet (PDF)), on Letter or A4 paper as the\n"
    "         region uses\n"
    "  text   the readout as plain text (File > Copy Readout as Text), in UTF-8 with the\n"
    "         platform's line ends\n"
    "\n"
    "Numbers and the time of export follow the regional settings (LANG, LC_ALL), as in the\n"
    "window. A file that cannot be read is reported with the line where reading stopped, and\n"
    "the other files are still written.\n"
    "\n"
    "With --force FILE.pdf the designs are written together as one force instead, as File >\n"
    "Export Force Sheets (PDF) writes them: a roster page with a row for each design (name,\n"
    "movement type, tons, cruise and flank MP, armor points, battle value, cost) and the force's\n"
    "totals, then each design's record sheet in the order given. A file that cannot be read is\n"
    "reported and left out; the PDF holds the others, and none is written when no file can be\n"
    "read. --force takes neither --style nor --out.\n"
    "\n"
    "Exit codes:\n"
    "  0  every page was written\n"
    "  1  at least one file could not be read or its page not written\n"
    "  2  the command line was wrong; nothing was written");

void Report(const QString& message)
{
    QTextStream(stderr) << ProgramName << ": " << message << Qt::endl;
}

int Misused(const QString& message)
{
    Report(message);
    Report(QStringLiteral("try \"%1 --help\"").arg(ProgramName));
    return ReadoutToolMisused;
}

// The parser's help, its usage line naming the program rather than the path it was started by.
QString HelpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    return text.replace(0, text.indexOf(u'\n'), QStringLiteral("Usage: %1 [options] FILE...").arg(ProgramName));
}

struct Batch {
    const Style* style = &Styles[0];
    QString folder;
    QStringList designs;
};

// Two design files that would give one page; empty when every page is its own.
QString SharedPage(const Batch& batch)
{
    QMap<QString, QString> designOfPage;
    for (const QString& design : batch.designs) {
        const QString page = ReadoutPagePath(batch.folder, design, QLatin1String(batch.style->extension));
        if (designOfPage.contains(page))
            return QStringLiteral("\"%1\" and \"%2\" would both be written to \"%3\"")
                .arg(designOfPage[page], design, QDir::toNativeSeparators(page));
        designOfPage.insert(page, design);
    }
    return QString();
}

// The force's one PDF at `path` of the designs that can be read; each one that cannot is told.
int RunForce(const QStringList& designs, const QString& path)
{
    LoadSheetFonts();
    const Force force(designs);
    for (const UnreadableDesign& file : force.unreadable()) Report(CannotRead(file.path, file.why));
    const QString pdf = QDir::toNativeSeparators(path);
    if (force.designs().empty()) {
        Report(QStringLiteral("no design file could be read; \"%1\" was not written").arg(pdf));
        return ReadoutToolFailed;
    }
    const SheetCatalogue catalogue;
    if (!catalogue.WriteForce(force, path)) {
        Report(QStringLiteral("cannot write \"%1\"").arg(pdf));
        return ReadoutToolFailed;
    }
    return force.unreadable().isEmpty() ? ReadoutToolDone : ReadoutToolFailed;
}

int RunBatch(const Batch& batch)
{
    if (!QDir().mkpath(batch.folder)) {
        Report(QStringLiteral("cannot create the folder \"%1\"").arg(QDir::toNativeSeparators(batch.folder)));
        return ReadoutToolFailed;
    }
    // The designs are independent: one worker per processor takes the next design until none is
    // left. The failures are told afterwards in the order the files were given.
    if (batch.style->write == WriteSheet) LoadSheetFonts();
    QList<QString> failures(batch.designs.size());
    std::atomic<qsizetype> next = 0;
    const auto work = [&] {
        for (qsizetype i = next++; i < batch.designs.size(); i = next++) {
            const QString& design = batch.designs[i];
            failures[i] = WriteDesignReadout(design, ReadoutPagePath(batch.folder, design, QLatin1String(batch.style->extension)),
                                             batch.style->write);
        }
    };
    const qsizetype workers = std::clamp<qsizetype>(QThread::idealThreadCount(), 1, batch.designs.size());
    std::vector<std::thread> threads;
    for (qsizetype i = 1; i < workers; ++i) threads.emplace_back(work);
    work();
    for (std::thread& thread : threads) thread.join();
    int exitCode = ReadoutToolDone;
    for (const QString& failure : failures) {
        if (failure.isEmpty()) continue;
        Report(failure);
        exitCode = ReadoutToolFailed;
    }
    return exitCode;
}

}  // namespace

int RunReadoutTool(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Description);
    // The toolkit's own options do not apply, so there is no "--help-all".
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    parser.addOption(help);
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the program's version."));
    parser.addOption(version);
    const QCommandLineOption style({QStringLiteral("s"), QStringLiteral("style")},
                                   QStringLiteral("The page style: plain (the default), site, sheet or text."),
                                   QStringLiteral("plain|site|sheet|text"), QStringLiteral("plain"));
    const QCommandLineOption out({QStringLiteral("o"), QStringLiteral("out")},
                                 QStringLiteral("The folder the pages go to (the current folder by default); "
                                                "made if missing."),
                                 QStringLiteral("DIR"), QStringLiteral("."));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Writes the designs as one force to this PDF file: the roster, then "
                                                  "each record sheet."),
                                   QStringLiteral("FILE.pdf"));
    parser.addOption(style);
    parser.addOption(out);
    parser.addOption(force);
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("The design files to read."),
                                 QStringLiteral("FILE..."));

    if (!parser.parse(arguments)) return Misused(parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << HelpText(parser);
        return ReadoutToolDone;
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << ProgramName << ' ' << QCoreApplication::applicationVersion() << Qt::endl;
        return ReadoutToolDone;
    }

    if (parser.isSet(force)) {
        if (parser.isSet(style)) return Misused(QStringLiteral("--force writes record sheets: it takes no --style"));
        if (parser.value(force).isEmpty()) return Misused(QStringLiteral("--force needs the name of the PDF file to write"));
        if (parser.positionalArguments().isEmpty()) return Misused(QStringLiteral("no design file given"));
        if (parser.isSet(out)) return Misused(QStringLiteral("--force names its own file: it takes no --out"));
        return RunForce(parser.positionalArguments(), parser.value(force));
    }

    Batch batch;
    batch.style = StyleNamed(parser.value(style));
    if (!batch.style) return Misused(QStringLiteral("unknown style \"%1\": use plain, site, sheet or text").arg(parser.value(style)));
    batch.folder = parser.value(out);
    batch.designs = parser.positionalArguments();
    if (batch.designs.isEmpty()) return Misused(QStringLiteral("no design file given"));
    if (const QString clash = SharedPage(batch); !clash.isEmpty()) return Misused(clash);
    return RunBatch(batch);
}
