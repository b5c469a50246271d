// Windows' dark mode, which the native style does not draw (dark_mode_win.cpp).
#pragma once

namespace velkiro {

// While the user has chosen dark apps, Fusion draws the window in the
// toolkit's dark palette in place of the native style, which draws its
// controls light whatever the mode; the native style comes back with the
// light mode. Another style chosen on the command line is left alone.
void FollowDarkMode();

}  // namespace velkiro
