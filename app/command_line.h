// The program as a command: its options are read before the toolkit starts,
// so --help and --version need no display and an option that is neither the
// program's nor the toolkit's (-platform, -style, ...) is refused whether or
// not a display can be reached; a display that cannot be reached gets one
// clear line instead of the toolkit's abort.
#pragma once

#include <optional>

namespace velkiro {

// The status to end with, after printing the usage, the version or what is
// wrong with the arguments, or nothing when the window is to open.
std::optional<int> ReadCommandLine(int argc, char* argv[]);

// Lives while QApplication is being built: if the toolkit cannot start, says
// why in one line and ends the program with status 1. The toolkit's own
// messages of a start that succeeds are passed on when it ends. Under
// QT_DEBUG_PLUGINS the toolkit speaks for itself.
class FailedStartExplained {
public:
    FailedStartExplained();
    ~FailedStartExplained();
    FailedStartExplained(const FailedStartExplained&) = delete;
    FailedStartExplained& operator=(const FailedStartExplained&) = delete;
};

}  // namespace velkiro
