#pragma once

namespace res {

// The main frame's resource id: menu, accelerators, icon and document string.
inline constexpr int IDR_MAINFRAME = 128;
// The toolbar's picture strips for the three resolution classes.
inline constexpr int IDR_TOOLBAR_96 = 128;
inline constexpr int IDR_TOOLBAR_144 = 165;
inline constexpr int IDR_TOOLBAR_192 = 167;

}  // namespace res
