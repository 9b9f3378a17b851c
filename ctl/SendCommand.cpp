// send FILE (--printer NAME... | --all) [--server S]... [--wait SECONDS] [--json]: the settings the
// window would send after loading FILE, as one raw job to each printer, all at once.
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <set>

#include "ctl/Columns.h"
#include "ctl/Commands.h"
#include "ctl/Delivery.h"
#include "ctl/Output.h"
#include "ctl/Schedulers.h"
#include "ctl/SettingsInput.h"
#include "platform/ModelPrinter.h"
#include "settings/Normalised.h"

namespace ctl {

namespace {

// Longer waits are surely a mistake; a day still fits every clock.
constexpr double kLongestWaitSeconds = 86400;

// One line per printer, scheduler by scheduler, in the order of the names (or of the scheduler's
// list): for a scheduler that could not be asked one per name (or one for --all), and for a name
// that no scheduler has, "no such queue" on each.
std::vector<Delivery> Lines(std::vector<SchedulerRun>& runs, const QStringList& names) {
    std::set<QString> found;
    for (const SchedulerRun& run : runs) {
        for (const platform::PrinterQueue& queue :
             run.listing.queues.value_or(std::vector<platform::PrinterQueue>{}))
            found.insert(QString::fromStdString(queue.name));
    }
    std::vector<Delivery> lines;
    for (std::size_t s = 0; s < runs.size(); ++s) {
        if (!runs[s].listing.queues) {
            const QString reason =
                QStringLiteral("cannot ask the scheduler: %1").arg(runs[s].listing.failure);
            for (const QString& name : names.isEmpty() ? QStringList{QString()} : names)
                lines.push_back({name, s, std::nullopt, Result::Failed, 0, reason});
            continue;
        }
        std::vector<Delivery>& chosen = runs[s].deliveries;
        if (names.isEmpty())
            std::move(chosen.begin(), chosen.end(), std::back_inserter(lines));
        for (const QString& name : names) {
            const auto delivery = std::find_if(chosen.begin(), chosen.end(),
                                               [&](const Delivery& d) { return d.printer == name; });
            if (delivery != chosen.end())
                lines.push_back(std::move(*delivery));
            else if (!found.contains(name))
                lines.push_back({name, s, std::nullopt, Result::Failed, 0, QStringLiteral("no such queue")});
        }
    }
    return lines;
}

QString ResultText(const Delivery& delivery) {
    return ResultWord(delivery.result) +
           (delivery.reason.isEmpty() ? QString() : QStringLiteral(": ") + delivery.reason);
}

void PrintLines(const std::vector<Delivery>& deliveries, const std::vector<Scheduler>& schedulers) {
    std::vector<QStringList> rows;
    for (const Delivery& d : deliveries) {
        rows.push_back({d.printer.isEmpty() ? QStringLiteral("-") : d.printer, schedulers[d.scheduler].name,
                        d.jobId > 0 ? QString::number(d.jobId) : QStringLiteral("-"), ResultText(d)});
    }
    PrintColumns(rows);
}

QJsonArray LinesJson(const std::vector<Delivery>& deliveries, const std::vector<Scheduler>& schedulers) {
    QJsonArray lines;
    for (const Delivery& d : deliveries) {
        lines.append(QJsonObject{
            {QStringLiteral("printer"), d.printer.isEmpty() ? QJsonValue() : QJsonValue(d.printer)},
            {QStringLiteral("server"), schedulers[d.scheduler].name},
            {QStringLiteral("jobId"), d.jobId > 0 ? QJsonValue(d.jobId) : QJsonValue()},
            {QStringLiteral("result"), ResultWord(d.result)},
            {QStringLiteral("ok"), d.succeeded()},
            {QStringLiteral("reason"), d.reason},
        });
    }
    return lines;
}

QStringList Unique(const QStringList& names) {
    QStringList unique;
    for (const QString& name : names) {
        if (!unique.contains(name))
            unique.append(name);
    }
    return unique;
}

}  // namespace

int Send(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption printer(QStringLiteral("printer"),
                                     QStringLiteral("Send to the queue NAME on every scheduler that has one "
                                                    "(repeat for more printers)."),
                                     QStringLiteral("NAME"));
    const QCommandLineOption all(QStringLiteral("all"),
                                 QStringLiteral("Send to every queue 'bmk540ctl printers' lists."));
    const QCommandLineOption server(
        QStringLiteral("server"),
        QStringLiteral("A CUPS scheduler: HOST, HOST:PORT, [ADDRESS]:PORT or a socket path (repeat for "
                       "more). Default: the one CUPS uses."),
        QStringLiteral("S"));
    const QCommandLineOption wait(QStringLiteral("wait"),
                                  QStringLiteral("Follow every job until it is completed, aborted or "
                                                 "canceled, for at most SECONDS in all."),
                                  QStringLiteral("SECONDS"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the lines as JSON."));
    parser.addOptions({printer, all, server, wait, json});
    const QString description =
        QStringLiteral(
            "Sends the settings of FILE, exactly as the window sends them after loading it, as one raw job\n"
            "titled \"%1\" to each printer, to all of them at once.\n"
            "Prints one line per printer: printer, server, job id and result (sent, completed, aborted,\n"
            "canceled, timed-out or failed, with the reason).\n"
            "Exit status: 0 every printer succeeded, 1 one failed, 2 nothing was sent.")
            .arg(QString::fromLatin1(platform::kStatusWriteTitle));
    if (const std::optional<int> done =
            ParseCommand(parser, arguments, description, QStringLiteral("FILE"), 1, 1))
        return *done;

    const QStringList names = Unique(parser.values(printer));
    if (names.isEmpty() == !parser.isSet(all)) {
        Error(QStringLiteral(
            "give either --printer NAME (once or more) or --all\nTry 'bmk540ctl send --help'."));
        return kRefused;
    }
    if (names.contains(QString())) {
        Error(QStringLiteral("--printer needs a queue name"));
        return kRefused;
    }
    std::optional<Clock::time_point> deadline;
    if (parser.isSet(wait)) {
        bool number = false;
        const double seconds = parser.value(wait).toDouble(&number);
        if (!number || !(seconds > 0) || seconds > kLongestWaitSeconds) {
            Error(QStringLiteral("--wait takes a number of seconds above 0, at most a day; not '%1'")
                      .arg(parser.value(wait)));
            return kRefused;
        }
        // Counted from now: listing, sending and following all end by then.
        deadline = Clock::now() +
                   std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    }
    const std::optional<std::vector<Scheduler>> schedulers = SchedulersFromOptions(parser.values(server));
    if (!schedulers)
        return kRefused;

    // The window's loader decides what is a settings file; nothing is sent for one it refuses.
    const std::optional<settings::SettingsImage> loaded =
        ReadSettings(parser.positionalArguments().constFirst());
    if (!loaded)
        return kRefused;
    const settings::SettingsImage image = settings::Normalised(*loaded);

    std::vector<SchedulerRun> runs = Deliver(*schedulers, names, {image.data(), image.size()}, deadline);
    if (std::none_of(runs.begin(), runs.end(),
                     [](const SchedulerRun& r) { return r.listing.queues.has_value(); })) {
        for (std::size_t s = 0; s < runs.size(); ++s)
            Error(QStringLiteral("cannot ask the scheduler at %1: %2")
                      .arg((*schedulers)[s].name, runs[s].listing.failure));
        Error(QStringLiteral("nothing sent"));
        return kRefused;
    }
    const std::vector<Delivery> deliveries = Lines(runs, names);
    if (deliveries.empty()) {
        QStringList where;
        for (const Scheduler& s : *schedulers)
            where.append(s.name);
        Error(QStringLiteral("no queue of the %1 on %2; nothing sent")
                  .arg(QString::fromLatin1(platform::kModelDriver), where.join(QStringLiteral(", "))));
        return kRefused;
    }
    if (parser.isSet(json))
        PrintJson(LinesJson(deliveries, *schedulers));
    else
        PrintLines(deliveries, *schedulers);
    const bool allSucceeded =
        std::all_of(deliveries.begin(), deliveries.end(), [](const Delivery& d) { return d.succeeded(); });
    return allSucceeded ? kSuccess : kFailure;
}

}  // namespace ctl
