// printers [--server S]... [--json]: the model's queues of each scheduler, as the window's printer
// selection knows them, with their state and device.
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

#include "ctl/Columns.h"
#include "ctl/Command.h"
#include "ctl/Output.h"
#include "ctl/QueueChoice.h"
#include "ctl/Schedulers.h"

namespace ctl {

namespace {

QString Accepting(const platform::PrinterQueue& queue) {
    return queue.acceptingJobs ? QStringLiteral("accepting") : QStringLiteral("rejecting");
}

int Printers(const Invocation& call) {
    const SchedulerChoice& choice = call.schedulers;
    const std::vector<Listing> listings = ListQueues(choice.schedulers, Bounds{call.timeout});
    std::vector<QStringList> rows;
    QJsonArray array;
    std::vector<const Listing*> asked;
    for (std::size_t s = 0; s < listings.size(); ++s) {
        asked.push_back(&listings[s]);
        const QString name = choice.schedulers[s].name;
        if (listings[s].sameAs)
            continue;
        for (const platform::PrinterQueue& queue :
             listings[s].queues.value_or(std::vector<platform::PrinterQueue>{})) {
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
    const std::vector<SchedulerEntry> entries = SchedulerEntries(choice, asked);
    if (call.parser.isSet(QStringLiteral("json"))) {
        PrintJson(ReportJson(array, entries));
    } else {
        PrintColumns(rows);
        ReportSchedulers(entries);
    }
    const auto answered = std::count_if(listings.begin(), listings.end(),
                                        [](const Listing& l) { return l.queues.has_value(); });
    if (answered == 0)
        return kRefused;
    return answered == static_cast<qsizetype>(listings.size()) ? kSuccess : kFailure;
}

}  // namespace

Command PrintersCommand() {
    return {
        .name = QStringLiteral("printers"),
        .summary = "printers [--server S]...     the queues of this model",
        .description = QStringLiteral(
            "Lists the queues of the ORV Quillstrike 540QZ7's driver on each scheduler, but not those\n"
            "printing into a file: one line each with printer, server, state (idle, printing or stopped),\n"
            "accepting or rejecting, device URI and the scheduler's reason for the state; a scheduler\n"
            "that cannot be asked on stderr.\n"
            "Exit status: 0 listed, 1 a scheduler could not be asked, 2 none could."),
        .options = {ServerOption(),
                    TimeoutOption(),
                    {QStringLiteral("json"), QStringLiteral("Print the queues as JSON.")}},
        .run = Printers,
    };
}

}  // namespace ctl
