// Where the program's own words go: standard output or standard error, as a
// terminal shows them. One file for each platform: console_win.cpp (with its
// box for a program started from no console), console_posix.cpp.
#pragma once

#include <QString>
#include <cstdio>

namespace velkiro {

void Print(std::FILE* stream, const QString& text);  // stream: stdout or stderr

}  // namespace velkiro
