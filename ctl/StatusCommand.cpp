// status (--printer NAME... | --all) [--server S]... [--expect FILE] [--json]: what each printer
// last received, as the scheduler's job history records it.
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <optional>

#include "ctl/Columns.h"
#include "ctl/Command.h"
#include "ctl/Holdings.h"
#include "ctl/Output.h"
#include "ctl/QueueChoice.h"
#include "ctl/Results.h"
#include "platform/ModelPrinter.h"
#include "platform/SettingsJob.h"
#include "settings/ImageChanges.h"
#include "settings/Normalised.h"

namespace ctl {

namespace {

struct Row {
    QString printer;
    QString server;
    std::optional<platform::HistoryJob> last;
    std::optional<bool> matches;  // with --expect
    // With --expect, the keys of what the last completed job's document holds otherwise; nothing
    // when only the digest is known.
    std::optional<std::vector<std::string>> differs{};
    bool untrusted = false;  // the scheduler kept a document its job's digest does not vouch for
};

QString Completed(const platform::HistoryJob& job) {
    if (job.completed <= 0)
        return {};
    return QDateTime::fromSecsSinceEpoch(job.completed, Qt::UTC).toString(Qt::ISODate);
}

QJsonValue OrNull(const QString& text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QStringList Keys(const std::vector<std::string>& keys) {
    QStringList list;
    for (const std::string& key : keys)
        list << QString::fromStdString(key);
    return list;
}

QJsonValue DiffersJson(const Row& row) {
    return row.differs ? QJsonValue(QJsonArray::fromStringList(Keys(*row.differs))) : QJsonValue();
}

QJsonValue LastJson(const std::optional<platform::HistoryJob>& last) {
    if (!last)
        return QJsonValue();
    const std::optional<std::string> digest = platform::TrustedDigest(*last);
    return QJsonObject{
        {QStringLiteral("job"), last->id},
        {QStringLiteral("state"), JobStateName(last->state)},
        {QStringLiteral("completed"), OrNull(Completed(*last))},
        {QStringLiteral("user"), OrNull(QString::fromStdString(last->user))},
        {QStringLiteral("file"),
         last->document ? QJsonValue(QString::fromStdString(*last->document)) : QJsonValue()},
        {QStringLiteral("sha256"), digest ? QJsonValue(QString::fromStdString(*digest)) : QJsonValue()},
    };
}

QStringList TextRow(const Row& row) {
    const QString none = QStringLiteral("-");
    QStringList text{row.printer, row.server};
    if (!row.last) {
        text << QStringLiteral("no settings job in the history");
    } else {
        const platform::HistoryJob& job = *row.last;
        const std::optional<std::string> digest = platform::TrustedDigest(job);
        const QString completed = Completed(job);
        text << QString::number(job.id) << JobStateName(job.state) << (completed.isEmpty() ? none : completed)
             << (job.user.empty() ? none : QString::fromStdString(job.user))
             << (job.document ? QString::fromStdString(*job.document) : none)
             << (digest ? QString::fromStdString(*digest) : QStringLiteral("unknown"));
    }
    if (row.matches && *row.matches) {
        text << QStringLiteral("matches");
    } else if (row.differs) {
        text << QStringLiteral("differs: ") + Keys(*row.differs).join(QStringLiteral(", "));
    } else if (row.untrusted) {
        text << QStringLiteral("differs (the document kept with the job is not the one its record names)");
    } else if (row.matches) {
        text << QStringLiteral("differs");
    }
    return text;
}

std::optional<int> CheckOptions(const QCommandLineParser& parser) {
    return CheckPrinterChoice(parser, QStringLiteral("status"));
}

int Status(const Invocation& call) {
    const QCommandLineParser& parser = call.parser;
    std::optional<settings::SettingsImage> sent;
    std::optional<std::string> expected;
    if (parser.isSet(QStringLiteral("expect"))) {
        const std::optional<settings::SettingsImage> image =
            ReadSettings(parser.value(QStringLiteral("expect")));
        if (!image)
            return kRefused;
        // What send would send for the file.
        sent = settings::Normalised(*image);
        expected = platform::SettingsDigest({sent->data(), sent->size()});
    }
    const QStringList names = parser.values(QStringLiteral("printer"));
    const auto named = [&names](const platform::PrinterQueue& queue) {
        const QString printer = QString::fromStdString(queue.name);
        return std::find_if(names.begin(), names.end(),
                            [&](const QString& n) { return SameQueueName(printer, n); });
    };
    const auto chosen = [&](const platform::PrinterQueue& queue) {
        return IsListedQueue(queue) && (names.isEmpty() || named(queue) != names.end());
    };
    const SchedulerChoice& choice = call.schedulers;
    const DocumentWish wish{expected.value_or(std::string()), chosen};
    const std::vector<Holdings> holdings =
        AskHoldings(choice.schedulers, Bounds{call.timeout}, expected ? &wish : nullptr);

    std::vector<Row> rows;
    QStringList found;
    for (std::size_t s = 0; s < holdings.size(); ++s) {
        const Holdings& held = holdings[s];
        if (!held.listing.queues || held.listing.sameAs)
            continue;
        for (const platform::PrinterQueue& queue : *held.listing.queues) {
            if (!chosen(queue))
                continue;
            if (const auto name = named(queue); name != names.end())
                found.append(*name);
            const auto history = held.histories.find(queue.name);
            const platform::SettingsHistory none;
            const platform::SettingsHistory& h = history == held.histories.end() ? none : history->second;
            Row row{QString::fromStdString(queue.name), choice.schedulers[s].name, h.last,
                    expected ? std::optional<bool>(Holds(h, *expected)) : std::nullopt};
            if (row.matches && *row.matches) {
                row.differs.emplace();
            } else if (const auto kept = held.documents.find(queue.name); kept != held.documents.end()) {
                if (kept->second.image)
                    row.differs = settings::ChangedKeys(*kept->second.image, *sent);
                row.untrusted = kept->second.untrusted;
            }
            rows.push_back(std::move(row));
        }
    }
    std::vector<const Listing*> listings;
    for (const Holdings& held : holdings)
        listings.push_back(&held.listing);
    const std::vector<SchedulerEntry> entries = SchedulerEntries(choice, listings);
    const bool anyAnswered =
        std::any_of(entries.begin(), entries.end(), [](const SchedulerEntry& e) { return e.ok; });
    QStringList missing;
    for (const QString& name : names) {
        if (!found.contains(name))
            missing.append(name);
    }

    if (parser.isSet(QStringLiteral("json"))) {
        QJsonArray printers;
        for (const Row& row : rows) {
            printers.append(QJsonObject{
                {QStringLiteral("printer"), row.printer},
                {QStringLiteral("server"), row.server},
                {QStringLiteral("last"), LastJson(row.last)},
                {QStringLiteral("matches"), row.matches ? QJsonValue(*row.matches) : QJsonValue()},
                {QStringLiteral("differs"), DiffersJson(row)},
            });
        }
        PrintJson(ReportJson(printers, entries));
    } else {
        std::vector<QStringList> lines;
        for (const Row& row : rows)
            lines.push_back(TextRow(row));
        PrintColumns(lines);
        ReportSchedulers(entries);
    }
    if (anyAnswered) {
        for (const QString& name : missing)
            Error(QStringLiteral("%1: no such queue of the %2")
                      .arg(name, QString::fromLatin1(platform::kModelDriver)));
    }
    if (!anyAnswered)
        return kRefused;
    const bool allAsked =
        std::all_of(entries.begin(), entries.end(), [](const SchedulerEntry& e) { return e.ok; });
    const bool allMatch =
        std::all_of(rows.begin(), rows.end(), [](const Row& r) { return r.matches.value_or(true); });
    return allAsked && missing.isEmpty() && allMatch ? kSuccess : kFailure;
}

}  // namespace

Command StatusCommand() {
    return {
        .name = QStringLiteral("status"),
        .summary =
            "status (--printer P... | --all) [--server S]... [--expect FILE] [--json]\n"
            "                               what each printer last received",
        .description = QStringLiteral(
            "Shows each printer's last settings job as the scheduler's job history keeps it, from one\n"
            "request per scheduler: printer, server, job id, state, when it completed (UTC), who sent\n"
            "it, the file and the SHA-256 of the settings it carried (\"unknown\" for a record this\n"
            "program did not write). With --expect FILE, whether the last completed settings job\n"
            "carried exactly what 'bmk540ctl send FILE' sends (matches or differs); where the scheduler\n"
            "still keeps that job's document and lets you read it, also the keys of the fields that differ.\n"
            "Exit status: 0 every printer matches (without --expect: every scheduler answered), 1 one\n"
            "differs, has no record or could not be asked, 2 bad usage or no scheduler answered."),
        .options =
            {
                {QStringLiteral("printer"),
                 QStringLiteral(
                     "The queue NAME (in any case) on every scheduler that has one (repeat for more)."),
                 QStringLiteral("NAME")},
                {QStringLiteral("all"), QStringLiteral("Every queue 'bmk540ctl printers' lists.")},
                ServerOption(),
                TimeoutOption(),
                {QStringLiteral("expect"),
                 QStringLiteral("Say whether each printer last completed a job of the settings of FILE."),
                 QStringLiteral("FILE")},
                {QStringLiteral("json"), QStringLiteral("Print the result as JSON.")},
            },
        .check = CheckOptions,
        .run = Status,
    };
}

}  // namespace ctl
