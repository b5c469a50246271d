// The program as a Unix command: --help and --version are answered before
// the toolkit starts, since they need no display; Qt takes its own options
// (-platform, -style, ...) out of the command line, and whatever is left is
// refused; a display that cannot be reached gets one clear line instead of
// the toolkit's abort.
#pragma once

#include <optional>

namespace velkiro {

// The status to end with, after printing the usage or the version, or
// nothing when neither was asked for.
std::optional<int> AnswerHelpOrVersion(int argc, char* argv[]);

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

// Once the toolkit has taken its options: status 2, after naming the first
// argument that is not the program's, or nothing when there is none.
std::optional<int> RefuseOtherArguments();

}  // namespace velkiro
