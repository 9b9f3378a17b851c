// send FILE (--printer NAME... | --all) [--server S]... [--wait SECONDS] [--timeout SECONDS]
// [--cancel-unfinished] [--dry-run] [--json]: the settings the window would send after loading
// FILE, as one raw job to each printer, all at once.
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ctl/Columns.h"
#include "ctl/Command.h"
#include "ctl/Delivery.h"
#include "ctl/FileNames.h"
#include "ctl/Interruption.h"
#include "ctl/Output.h"
#include "ctl/QueueChoice.h"
#include "ctl/Results.h"
#include "ctl/Schedulers.h"
#include "platform/ModelPrinter.h"
#include "settings/Normalised.h"

namespace ctl {

namespace {

// Longer waits are surely a mistake; a day still fits every clock.
constexpr int kLongestWaitSeconds = 86400;

// One line per printer, scheduler by scheduler, in the order of the names (or of the scheduler's
// list); for a name that no scheduler that answered has, "no such queue" on each of them.
std::vector<Delivery> Lines(std::vector<SchedulerRun>& runs, const QStringList& names) {
    std::vector<QString> found;
    for (const SchedulerRun& run : runs) {
        if (run.listing.sameAs)
            continue;
        for (const platform::PrinterQueue& queue :
             run.listing.queues.value_or(std::vector<platform::PrinterQueue>{}))
            found.push_back(QString::fromStdString(queue.name));
    }
    const auto has = [&](const QString& name) {
        return std::any_of(found.begin(), found.end(),
                           [&](const QString& q) { return SameQueueName(q, name); });
    };
    std::vector<Delivery> lines;
    for (std::size_t s = 0; s < runs.size(); ++s) {
        if (!runs[s].listing.queues || runs[s].listing.sameAs)
            continue;  // a scheduler entry, not a printer's line
        std::vector<Delivery>& chosen = runs[s].deliveries;
        if (names.isEmpty())
            std::move(chosen.begin(), chosen.end(), std::back_inserter(lines));
        for (const QString& name : names) {
            const auto delivery = std::find_if(chosen.begin(), chosen.end(), [&](const Delivery& d) {
                return SameQueueName(d.printer, name);
            });
            if (delivery != chosen.end())
                lines.push_back(std::move(*delivery));
            else if (!has(name))
                lines.push_back({name, s, std::nullopt, Result::Failed, 0, QStringLiteral("no such queue")});
        }
    }
    return lines;
}

QString ResultText(const Delivery& delivery) {
    return ResultWord(delivery.result) +
           (delivery.reason.isEmpty() ? QString() : QStringLiteral(": ") + delivery.reason);
}

void PrintDeliveries(const std::vector<Delivery>& deliveries, const std::vector<Scheduler>& schedulers) {
    std::vector<QStringList> rows;
    for (const Delivery& d : deliveries) {
        rows.push_back({d.printer, schedulers[d.scheduler].name,
                        d.jobId > 0 ? QString::number(d.jobId) : QStringLiteral("-"), ResultText(d)});
    }
    PrintColumns(rows);
}

QJsonArray LinesJson(const std::vector<Delivery>& deliveries, const std::vector<Scheduler>& schedulers) {
    QJsonArray lines;
    for (const Delivery& d : deliveries) {
        lines.append(QJsonObject{
            {QStringLiteral("printer"), d.printer},
            {QStringLiteral("server"), schedulers[d.scheduler].name},
            {QStringLiteral("jobId"), d.jobId > 0 ? QJsonValue(d.jobId) : QJsonValue()},
            {QStringLiteral("result"), ResultWord(d.result)},
            {QStringLiteral("ok"), Succeeded(d.result)},
            {QStringLiteral("reason"), d.reason},
        });
    }
    return lines;
}

QStringList Unique(const QStringList& names) {
    QStringList unique;
    for (const QString& name : names) {
        if (std::none_of(unique.begin(), unique.end(),
                         [&](const QString& u) { return SameQueueName(u, name); }))
            unique.append(name);
    }
    return unique;
}

// 0 every printer completed (or was sent to, or would be), 1 some did not or a scheduler could
// not be asked, 2 no job was sent (none would be); an interrupt's own status before all.
int ExitStatus(const SendReport& report, const std::vector<Delivery>& lines,
               const std::vector<SchedulerEntry>& entries) {
    if (report.interruption)
        return InterruptedExit(report.interruption);
    const bool anySent = std::any_of(lines.begin(), lines.end(), [](const Delivery& d) {
        return d.jobId > 0 || d.result == Result::Unknown || d.result == Result::WouldSend ||
               d.result == Result::Unchanged;
    });
    if (!anySent)
        return kRefused;
    const bool allSucceeded =
        std::all_of(lines.begin(), lines.end(), [](const Delivery& d) { return Succeeded(d.result); }) &&
        std::all_of(entries.begin(), entries.end(), [](const SchedulerEntry& e) { return e.ok; });
    return allSucceeded ? kSuccess : kFailure;
}

// With a request still under way in another thread, the process ends without waiting for it.
int Leave(int status, bool lingering) {
    if (!lingering)
        return status;
    Out().flush();
    Err().flush();
    std::fflush(nullptr);
    std::_Exit(status);
}

std::optional<int> CheckOptions(const QCommandLineParser& parser) {
    if (const std::optional<int> done = CheckPrinterChoice(parser, QStringLiteral("send")))
        return done;
    if (parser.isSet(QStringLiteral("wait")) &&
        !SecondsOf(parser, QStringLiteral("wait"), kLongestWaitSeconds, "a day"))
        return kRefused;
    return std::nullopt;
}

int Send(const Invocation& call) {
    const QCommandLineParser& parser = call.parser;
    const QStringList names = Unique(parser.values(QStringLiteral("printer")));
    SendPlan plan{names, {}, {}, call.timeout};
    // Counted from the start: listing, sending and following all end by then.
    if (parser.isSet(QStringLiteral("wait")))
        plan.end = call.start + *SecondsOf(parser, QStringLiteral("wait"), kLongestWaitSeconds, "a day");
    plan.dryRun = parser.isSet(QStringLiteral("dry-run"));
    plan.cancelUnfinished = parser.isSet(QStringLiteral("cancel-unfinished"));
    plan.ifChanged = parser.isSet(QStringLiteral("if-changed"));
    const SchedulerChoice& choice = call.schedulers;
    // The window's loader has decided what is a settings file; what is sent is what the window
    // sends after loading it.
    const settings::SettingsImage image = settings::Normalised(call.images.front());
    plan.document.assign(image.data(), image.data() + image.size());
    // The job's record names the file as the user gave it; standard input has no name.
    if (!IsStandardStream(call.arguments.front()))
        plan.fileName = call.arguments.front().toStdString();

    CatchInterrupts();
    SendReport report = Deliver(choice.schedulers, plan);
    std::vector<const Listing*> listings;
    for (const SchedulerRun& run : report.runs)
        listings.push_back(&run.listing);
    const std::vector<SchedulerEntry> entries = SchedulerEntries(choice, listings);
    const std::vector<Delivery> lines = Lines(report.runs, names);
    const int status = ExitStatus(report, lines, entries);
    if (parser.isSet(QStringLiteral("json"))) {
        PrintJson(ReportJson(LinesJson(lines, choice.schedulers), entries));
    } else {
        PrintDeliveries(lines, choice.schedulers);
        ReportSchedulers(entries);
        const bool anyAsked =
            std::any_of(entries.begin(), entries.end(), [](const SchedulerEntry& e) { return e.ok; });
        if (lines.empty() && anyAsked && !report.interruption) {
            QStringList where;
            for (const Scheduler& s : choice.schedulers)
                where.append(s.name);
            Error(QStringLiteral("no queue of the %1 on %2")
                      .arg(QString::fromLatin1(platform::kModelDriver), where.join(QStringLiteral(", "))));
        }
        if (status == kRefused)
            Error(plan.dryRun ? QStringLiteral("no printer would get the settings")
                              : QStringLiteral("nothing sent"));
        else if (report.interruption)
            Error(QStringLiteral("interrupted: no further jobs sent"));
    }
    return Leave(status, report.lingering);
}

}  // namespace

Command SendCommand() {
    return {
        .name = QStringLiteral("send"),
        .summary =
            "send FILE (--printer P... | --all) [--server S]... [--wait SECONDS] [--timeout SECONDS]\n"
            "     [--cancel-unfinished] [--if-changed] [--dry-run] [--json]\n"
            "                               send the settings to printers",
        .description =
            QStringLiteral(
                "Sends the settings of FILE, exactly as the window sends them after loading it, as one raw "
                "job\n"
                "titled \"%1\" to each printer, to all of them at once.\n"
                "Prints one line per printer: printer, server, job id and result (completed, sent, failed,\n"
                "not-sent, unknown, timed-out, canceled, would-send or unchanged, with the reason); a\n"
                "scheduler that cannot be asked on stderr. The first Ctrl-C stops sending and reports every\n"
                "printer.\n"
                "Exit status: 0 every printer completed (or was sent to, without --wait, or had the "
                "settings\n"
                "already), 1 one did not or a scheduler could not be asked, 2 nothing was sent, 130/143 "
                "interrupted.")
                .arg(QString::fromLatin1(platform::kStatusWriteTitle)),
        .arguments = {QStringLiteral("FILE")},
        .options =
            {
                {QStringLiteral("printer"),
                 QStringLiteral(
                     "Send to the queue NAME (in any case) on every scheduler that has one (repeat for "
                     "more printers)."),
                 QStringLiteral("NAME")},
                {QStringLiteral("all"), QStringLiteral("Send to every queue 'bmk540ctl printers' lists.")},
                ServerOption(),
                {QStringLiteral("wait"),
                 QStringLiteral(
                     "Follow every job until it is completed, aborted or canceled; report by SECONDS "
                     "from the start at the latest."),
                 QStringLiteral("SECONDS")},
                TimeoutOption(),
                {QStringLiteral("cancel-unfinished"),
                 QStringLiteral("Cancel the jobs not completed when the wait runs out or the command is "
                                "interrupted.")},
                {QStringLiteral("if-changed"),
                 QStringLiteral(
                     "Send nothing to a printer whose last completed settings job carried these settings "
                     "(unchanged).")},
                {QStringLiteral("dry-run"),
                 QStringLiteral("Ask the schedulers and say which queues would get a job; send nothing.")},
                {QStringLiteral("json"), QStringLiteral("Print the result as JSON.")},
            },
        .readsSettings = true,
        .check = CheckOptions,
        .run = Send,
    };
}

}  // namespace ctl
