#pragma once
// The desktops' own system information viewers, looked for on the PATH in this order when the
// registry names no system information program.
#include <array>

inline constexpr std::array<const char*, 9> SystemInfoViewers = {
    "gnome-system-monitor", "kinfocenter", "plasma-systemmonitor", "ksysguard", "xfce4-taskmanager",
    "mate-system-monitor",  "lxtask",      "hardinfo",             "hardinfo2",
};
