#pragma once
// Designs for the design file and readout tests, built in the window as a user builds them, the
// file each one gives, and the File menu commands answered through their dialogs.
#include <csignal>
#include <sys/resource.h>

#include "support/designdriver.h"
#include "support/filedialogs.h"
#include "support/scenario.h"
#include "support/testcatalogue.h"

// The tracked design of the design driver, built in the window over the test catalogue.
inline void BuildTrackedDesign(frmMain& w)
{
    UseTestCatalogue(w);
    Drive(w, TrackedDesign);
}

// The page at `path` without its one date-time line; empty when it has not exactly one.
inline QByteArray Undated(const QString& path)
{
    QList<QByteArray> lines = BytesOf(path).split('\n');
    return lines.removeIf([](const QByteArray& line) { return line.startsWith("Generated on "); }) == 1 ? lines.join('\n') : QByteArray();
}

// What `program` writes on standard output, or what went wrong.
inline QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return program + " failed on " + arguments.join(u' ');
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of the PDF file at `path`, or of its page `page` (from 1), as pdftotext lays it out.
inline QString PdfText(const QString& path, int page = 0)
{
    const QStringList pages = page ? QStringList{"-f", QString::number(page), "-l", QString::number(page)} : QStringList();
    return Run("pdftotext", QStringList{"-layout"} + pages + QStringList{path, "-"});
}

// How many pages pdfinfo counts in the PDF file at `path`; -1 when it cannot tell.
inline int PdfPageCount(const QString& path)
{
    const QRegularExpressionMatch pages = QRegularExpression("Pages: +(\\d+)").match(Run("pdfinfo", {path}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// A menu command as a user gives it, its file dialog answered with `path`: what the dialog was
// asked to show.
inline FileRequest Answered(frmMain& w, const char* command, const QString& path)
{
    Chooser(w).Answer(path);
    Trigger(w, QString::fromLatin1(command));
    return Chooser(w).asked.value(Chooser(w).asked.size() - 1);
}

inline FileRequest Open(frmMain& w, const QString& path) { return Answered(w, "mnuFileOpen", path); }

// Runs `action` while the disk takes no more than `allowed` bytes of any one file.
template <class Action>
void WithFileSizeLimit(rlim_t allowed, Action action)
{
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit small{allowed, before.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    action();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
}

