#pragma once
// A force: the designs of several design files, read in the order given as the Open command
// reads each one, printed as one document: the roster, then each design's record sheet.
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "core/sheet/roster.h"
#include "core/sheet/sheetmodel.h"

class Design;
class RowSet;

// A design file that could not be read, and why.
struct UnreadableDesign {
    QString path;
    QString why;
    bool operator==(const UnreadableDesign&) const = default;
};

class Force {
public:
    // Reads every file; one given twice is two units.
    explicit Force(const QStringList& designPaths);
    ~Force();
    Force(Force&&) noexcept;
    Force& operator=(Force&&) noexcept;

    // The designs read, in the order given; the files that could not be read are left out.
    const std::vector<std::unique_ptr<Design>>& designs() const { return designs_; }
    const QList<UnreadableDesign>& unreadable() const { return unreadable_; }

    // A row per design, with the figures of its record sheet over the catalogue's tables.
    QList<RosterRow> Roster(const RowSet& weapons, const RowSet& ammo) const;
    // The roster's pages, then every page of each design's record sheet in order, all on the
    // paper of the user's region. None when no design was read.
    QList<SheetModel> Pages(const RowSet& weapons, const RowSet& ammo) const;

private:
    std::vector<std::unique_ptr<Design>> designs_;
    QList<UnreadableDesign> unreadable_;
};

// The document title of the force's PDF file: the file's name without its extension.
QString ForceTitle(const QString& pdfPath);
