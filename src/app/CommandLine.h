#pragma once

#include <QStringList>

#include <optional>

// Answers --help and --version and refuses unknown options; "--" ends the
// options. Returns the exit code when the program must not start; paths
// receives the files and folders named, made absolute.
std::optional<int> answerCommandLine(int argc, char* argv[], QStringList& paths);
