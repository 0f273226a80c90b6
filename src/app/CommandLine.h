#pragma once

#include <optional>

// Answers --help and --version and refuses anything else on the command line.
// Returns the exit code when the program must not start.
std::optional<int> answerCommandLine(int argc, char* argv[]);
