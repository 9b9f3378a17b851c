// printers [--server S]... [--json]: the model's queues of each scheduler, as the window's printer
// selection knows them, with their state and device.
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

#include "ctl/Columns.h"
#include "ctl/Commands.h"
#include "ctl/Output.h"
#include "ctl/QueueChoice.h"
#include "ctl/Schedulers.h"

namespace ctl {

namespace {

QString Accepting(const platform::PrinterQueue& queue) {
    return queue.acceptingJobs ? QStringLiteral("accepting") : QStringLiteral("rejecting");
}

}  // namespace

int Printers(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption server(
        QStringLiteral("server"),
        QStringLiteral("A CUPS scheduler: HOST, HOST:PORT, [ADDRESS]:PORT or a socket path (repeat for "
                       "more). Default: the one CUPS uses."),
        QStringLiteral("S"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the queues as JSON."));
    parser.addOptions({server, json});
    const QString description = QStringLiteral(
        "Lists the queues of the ORV Quillstrike 540QZ7's driver on each scheduler, but not those\n"
        "printing into a file: one line each with printer, server, state (idle, printing or stopped),\n"
        "accepting or rejecting, device URI and the scheduler's reason for the state.\n"
        "Exit status: 0 listed, 1 a scheduler could not be asked, 2 none could.");
    if (const std::optional<int> done = ParseCommand(parser, arguments, description, QString(), 0, 0))
        return *done;
    const std::optional<std::vector<Scheduler>> schedulers = SchedulersFromOptions(parser.values(server));
    if (!schedulers)
        return kRefused;

    const std::vector<Listing> listings = ListQueues(*schedulers);
    std::vector<QStringList> rows;
    QJsonArray array;
    for (std::size_t s = 0; s < listings.size(); ++s) {
        const QString name = (*schedulers)[s].name;
        if (!listings[s].queues) {
            Error(QStringLiteral("cannot ask the scheduler at %1: %2").arg(name, listings[s].failure));
            continue;
        }
        for (const platform::PrinterQueue& queue : *listings[s].queues) {
            if (!IsListedQueue(queue))
                continue;
            const QString printer = QString::fromStdString(queue.name);
            const QString device = QString::fromStdString(queue.device);
            const QString reason = QString::fromStdString(queue.stateReason);
            rows.push_back({printer, name, StateWord(queue.state), Accepting(queue), device, reason});
            array.append(QJsonObject{{QStringLiteral("printer"), printer},
                                     {QStringLiteral("server"), name},
                                     {QStringLiteral("state"), StateWord(queue.state)},
                                     {QStringLiteral("accepting"), queue.acceptingJobs},
                                     {QStringLiteral("device"), device},
                                     {QStringLiteral("reason"), reason}});
        }
    }
    const auto asked = std::count_if(listings.begin(), listings.end(),
                                     [](const Listing& l) { return l.queues.has_value(); });
    if (asked == 0)
        return kRefused;
    if (parser.isSet(json))
        PrintJson(array);
    else
        PrintColumns(rows);
    return asked == static_cast<qsizetype>(listings.size()) ? kSuccess : kFailure;
}

}  // namespace ctl
