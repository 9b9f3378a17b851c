#include "app/CommandLine.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace cli {

namespace {

const char* const kUsage =
    "Usage: bmk540 [OPTION] [FILE]\n"
    "Edits, saves and sends the settings of the ORV Quillstrike 540QZ7 printer.\n"
    "\n"
    "FILE is a settings file (.dat) to open, with the questions and messages of the load\n"
    "command. When bmk540 already runs, its window comes forward and opens FILE instead.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and exit.\n"
    "  --             Take what follows as FILE, even if it begins with '-'.\n"
    "Qt's standard options, such as -platform NAME, apply too.\n"
    "See bmk540(1).\n";

bool Is(const char* argument, const char* shortName, const char* longName) {
    return std::strcmp(argument, shortName) == 0 || std::strcmp(argument, longName) == 0;
}

}  // namespace

std::optional<int> AnswerWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (Is(argv[i], "-h", "--help")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (Is(argv[i], "-v", "--version")) {
            std::printf("bmk540 %s\n", BMK540_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> FileToOpen(int argc, char** argv) {
    std::optional<std::string> file;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (options && std::strcmp(argument, "--") == 0) {
            options = false;
            continue;
        }
        if (options && argument[0] == '-' && argument[1] != '\0') {
            std::fprintf(stderr, "bmk540: unknown option '%s'\nTry 'bmk540 --help'.\n", argument);
            return std::nullopt;
        }
        if (file) {
            std::fputs("bmk540: more than one FILE given\nTry 'bmk540 --help'.\n", stderr);
            return std::nullopt;
        }
        // The bytes as the shell gave them: a name need not be valid in any encoding.
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(argument, error);
        file = error ? std::string(argument) : absolute.native();
    }
    return file ? QByteArray::fromStdString(*file) : QByteArray();
}

}  // namespace cli
