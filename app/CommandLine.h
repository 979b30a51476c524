#pragma once
// The program's own command-line options. Anything else is left to Qt, which
// takes options of its own (-platform, -display, ...).

#include <optional>

namespace kobu {

struct CommandLine {
    bool help = false;    // --help, -h
    bool version = false; // --version
};

// The version the build was made as, for --version and the About box alike.
const char* programVersion();

CommandLine parseCommandLine(int argc, const char* const* argv);

// Answers on standard output what needs no window (--help, --version) and
// returns the exit status then; nothing when the game should start.
std::optional<int> answerCommandLine(const CommandLine& options, const char* program);

} // namespace kobu
