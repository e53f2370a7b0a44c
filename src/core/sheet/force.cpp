#include "core/sheet/force.h"

#include <QFileInfo>
#include <QLocale>

#include "core/design/design.h"
#include "core/files/opendesign.h"
#include "core/sheet/designsheet.h"
#include "core/sheet/gathersheet.h"
#include "core/sheet/paper.h"

Force::Force(const QStringList& designPaths)
{
    for (const QString& path : designPaths) {
        auto design = std::make_unique<Design>();
        if (const QString why = OpenReadable(*design, path); !why.isEmpty())
            unreadable_.append({path, why});
        else
            designs_.push_back(std::move(design));
    }
}

Force::~Force() = default;
Force::Force(Force&&) noexcept = default;
Force& Force::operator=(Force&&) noexcept = default;

QList<RosterRow> Force::Roster(const RowSet& weapons, const RowSet& ammo) const
{
    QList<RosterRow> rows;
    for (const auto& design : designs_) rows.append(RosterRowOf(GatherSheet(*design, weapons, ammo)));
    return rows;
}

QList<SheetModel> Force::Pages(const RowSet& weapons, const RowSet& ammo) const
{
    if (designs_.empty()) return {};
    QList<SheetModel> pages = RosterPages(Roster(weapons, ammo), PaperOf(QLocale().territory()));
    for (const auto& design : designs_) pages.append(DesignSheetPages(*design, weapons, ammo));
    return pages;
}

QString ForceTitle(const QString& pdfPath)
{
    return QFileInfo(pdfPath).completeBaseName();
}
