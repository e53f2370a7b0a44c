#pragma once
// Artemis IV fire control, one operation for two launcher families that differ only in data:
// the three letters that open a launcher's name, the name of its Artemis IV line and the box.
#include <QLatin1StringView>
#include <array>

#include "core/design/design.h"

struct ArtemisFamily {
    QLatin1StringView launcherPrefix;  // a launcher's name begins with these letters
    QLatin1StringView lineName;        // the name of its Artemis IV line
    Box DesignState::*box;

    bool isLauncher(const QString& name) const { return name.startsWith(launcherPrefix); }
    // An Artemis IV line of this family: "Art" first and the family's letters last.
    bool isArtemisLine(const QString& name) const
    {
        return name.startsWith(QLatin1StringView("Art")) && name.endsWith(launcherPrefix);
    }
};

inline constexpr ArtemisFamily ArtemisSRM{QLatin1StringView("SRM"), QLatin1StringView("Artemis IV - SRM"),
                                          &DesignState::chkArtemisSRM};
inline constexpr ArtemisFamily ArtemisLRM{QLatin1StringView("LRM"), QLatin1StringView("Artemis IV - LRM"),
                                          &DesignState::chkArtemisLRM};
// In the order in which a new launcher re-applies them.
inline constexpr std::array<const ArtemisFamily*, 2> ArtemisFamilies{&ArtemisSRM, &ArtemisLRM};
