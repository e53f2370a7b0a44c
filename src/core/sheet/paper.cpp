#include "core/sheet/paper.h"

#include <algorithm>
#include <iterator>

namespace {

// The regions whose usual paper is Letter.
constexpr QLocale::Territory LetterTerritories[] = {
    QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,    QLocale::Belize,
    QLocale::Chile,        QLocale::Colombia,   QLocale::CostaRica, QLocale::ElSalvador,
    QLocale::Guatemala,    QLocale::Nicaragua,  QLocale::Panama,    QLocale::Philippines,
    QLocale::PuertoRico,   QLocale::Venezuela,
};

struct PaperRow {
    SheetPaper paper;
    double width, height;
};

constexpr PaperRow Papers[] = {
    {SheetPaper::Letter, 215.9, 279.4},
    {SheetPaper::A4, 210.0, 297.0},
};

}  // namespace

SheetPaper PaperOf(QLocale::Territory territory)
{
    const bool letter = std::find(std::begin(LetterTerritories), std::end(LetterTerritories), territory) !=
                        std::end(LetterTerritories);
    return letter ? SheetPaper::Letter : SheetPaper::A4;
}

QSizeF PaperSize(SheetPaper paper)
{
    for (const PaperRow& row : Papers)
        if (row.paper == paper) return {row.width, row.height};
    return {};
}
