// Fuzz target of the design file reader. Each input becomes a design file that the real window
// opens as the Open command does: Clear All, then the reader. Afterwards the design state must
// agree with its controls, every spinner must lie within its range and the file must be closed;
// anything else aborts, so that libFuzzer keeps the input. New then resets the window for the
// next input; should New not bring back the window of start-up, a fresh window is made, so that
// every input meets the same window.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "window/app/frmMain.h"
#include "support/designchecks.h"

namespace {

struct FuzzBench {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("input.edt"));
    std::unique_ptr<frmMain> window = std::make_unique<frmMain>();
    QStringList startUp = DesignSnapshot(*window);
};

FuzzBench* bench = nullptr;

[[noreturn]] void Fail(const QString& what)
{
    std::fprintf(stderr, "design reader: %s\n", qPrintable(what));
    std::abort();
}

void WriteInput(const QString& path, const std::uint8_t* data, std::size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        Fail(QStringLiteral("cannot write ") + path);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The toolkit keeps pointers to its arguments for the life of the process; libFuzzer's own
    // arguments stay out of its reach.
    static int argc = 1;
    static char name[] = "fuzz_readdesign";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit the toolkit's own clean-up would run after the database
    // connections it cleans up are gone.
    static QApplication* application = new QApplication(argc, argv);
    Q_UNUSED(application);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    static FuzzBench state;
    if (!state.folder.isValid()) Fail(QStringLiteral("no temporary folder"));
    bench = &state;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteInput(bench->path, data, size);
    frmMain& w = *bench->window;
    // What Open does once the dialog has given the path.
    w.DesignFileName = bench->path;
    w.cmdClearAll->click();
    w.ReadDesignFile(bench->path);
    if (const QString failure = InputConsistencyFailure(w); !failure.isEmpty()) Fail(failure);
    if (FileIsOpen(bench->path)) Fail(QStringLiteral("the design file is still open"));

    // A read that stopped among the records leaves records that the totals do not count, which
    // New does not clear away.
    w.mnuFileNew->trigger();
    if (DesignSnapshot(w) != bench->startUp) bench->window = std::make_unique<frmMain>();
    return 0;
}
