#pragma once
// What bmk540 takes on its command line: --help, --version and one settings file to open.
#include <QByteArray>
#include <optional>

namespace cli {

constexpr int kUsageError = 2;

// Answers --help and --version on stdout before any window system is touched, so both work
// without a display; the exit status, or nothing when the program is to start.
std::optional<int> AnswerWithoutWindow(int argc, char** argv);

// What is left once Qt has taken its own options (-platform and the like): at most one FILE,
// made absolute with its bytes as given. Nothing, after saying why on stderr, when an option is
// unknown or more than one file is named.
std::optional<QByteArray> FileToOpen(int argc, char** argv);

}  // namespace cli
