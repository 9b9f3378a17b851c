// bmk540ctl: settings files and sends to many printers, without a window.
#include <QCoreApplication>
#include <algorithm>
#include <vector>

#include "ctl/Command.h"
#include "ctl/FileNames.h"
#include "ctl/Output.h"
#include "platform/Translations.h"

namespace {

// In the order the help lists them.
const std::vector<ctl::Command>& Commands() {
    static const std::vector<ctl::Command> commands = {
        ctl::ShowCommand(),     ctl::DiffCommand(),   ctl::CheckCommand(),
        ctl::FactoryCommand(),  ctl::ExportCommand(), ctl::ImportCommand(),
        ctl::PrintersCommand(), ctl::SendCommand(),   ctl::StatusCommand()};
    return commands;
}

void PrintUsage(QTextStream& out) {
    out << "Usage: bmk540ctl COMMAND [OPTIONS]\n"
           "Shows, checks and compares settings files of the ORV Quillstrike 540QZ7 and sends them\n"
           "to its printers through CUPS.\n\nCommands:\n";
    for (const ctl::Command& command : Commands())
        out << "  " << command.summary << '\n';
    out << "\nOptions:\n"
           "  -h, --help     Show this help and exit; 'bmk540ctl COMMAND --help' for a command.\n"
           "  -v, --version  Show the version and exit.\n\n"
           "Exit status: 0 success, 1 a difference or a printer that did not succeed, 2 bad usage or\n"
           "nothing done, 130/143 interrupted.\n"
           "See bmk540ctl(1).\n";
    out.flush();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bmk540ctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BMK540_VERSION));
    // The panel's words and labels follow the user's language; the command's own messages, and
    // Qt's beside them, are English.
    const platform::Translations translations(platform::UserLanguage(), platform::QtTexts::English);
    if (!translations.found())
        ctl::Error(
            QStringLiteral("warning: the English texts (bmk540_en.qm) were not found; they stay Japanese"));

    // File names are bytes: taken from argv as they are, not as Qt decodes them.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(ctl::ArgumentFromNative(QByteArray(argv[i])));
    const QString first = arguments.value(0);
    if (first == QLatin1String("-h") || first == QLatin1String("--help") || first == QLatin1String("help")) {
        PrintUsage(ctl::Out());
        return ctl::kSuccess;
    }
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        ctl::Out() << "bmk540ctl " << QCoreApplication::applicationVersion() << Qt::endl;
        return ctl::kSuccess;
    }
    const auto command = std::find_if(Commands().begin(), Commands().end(),
                                      [&](const ctl::Command& c) { return c.name == first; });
    if (command == Commands().end()) {
        ctl::Error((first.isEmpty() ? QStringLiteral("no command given")
                                    : QStringLiteral("unknown command '%1'").arg(first)) +
                   QStringLiteral("\nTry 'bmk540ctl --help'."));
        return ctl::kRefused;
    }
    return ctl::Run(*command, arguments);
}
