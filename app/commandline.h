#pragma once

#include <string>
#include <vector>

namespace kalmoro {

// What the command line asks of the program. Read before the application object exists, so that
// the help and the version need no display.
struct CommandLine {
    enum class Request { Run, Help, Version, Refuse };
    Request request = Request::Run;
    // For Run: the program's name and Qt's own options with their values, in their order,
    // followed by a null pointer, as the application object takes them.
    std::vector<char *> qtArguments;
    // For Run: the job file to open, as given; empty for none.
    std::string jobFile;
    // For Refuse: what was wrong, in one line.
    std::string refusal;
    // For Run: Qt's platform as -platform chose it; empty when not chosen.
    std::string platform;
};

// Accepts --help, --version, the options every Qt program takes and one job file; refuses anything
// else.
// The first request other than Run decides.
CommandLine ReadCommandLine(int argc, char *argv[]);

// Prints the help or the version on standard output, or the refusal on standard error, and
// returns the exit code: 0, or 2 for a refusal.
int AnswerCommandLine(const CommandLine &line);

} // namespace kalmoro
