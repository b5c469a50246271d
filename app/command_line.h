// The program as a command: its options are read before the toolkit starts,
// so --help and --version need no display and an option that is neither the
// program's nor the toolkit's (-platform, -style, ...) is refused whether or
// not a display can be reached.
#pragma once

#include <QString>
#include <optional>

namespace velkiro {

struct CommandLine {
    // The status to end with at once, after printing the usage, the version
    // or what is wrong with the arguments; none when the window is to open.
    std::optional<int> status;
    QString platform;  // "-platform NAME" as typed, if given
};

CommandLine ReadCommandLine(int argc, char* argv[]);

}  // namespace velkiro
