#include "ctl/Results.h"

#include <map>

#include "ctl/Output.h"

namespace ctl {

QString ResultWord(Result result) {
    switch (result) {
        case Result::Completed:
            return QStringLiteral("completed");
        case Result::Sent:
            return QStringLiteral("sent");
        case Result::WouldSend:
            return QStringLiteral("would-send");
        case Result::NotSent:
            return QStringLiteral("not-sent");
        case Result::Unknown:
            return QStringLiteral("unknown");
        case Result::TimedOut:
            return QStringLiteral("timed-out");
        case Result::Canceled:
            return QStringLiteral("canceled");
        case Result::Unchanged:
            return QStringLiteral("unchanged");
        case Result::Failed:
            break;
    }
    return QStringLiteral("failed");
}

QString JobStateName(platform::JobState state) {
    switch (state) {
        case platform::JobState::Pending:
            return QStringLiteral("pending");
        case platform::JobState::Held:
            return QStringLiteral("held");
        case platform::JobState::Processing:
            return QStringLiteral("processing");
        case platform::JobState::Completed:
            return QStringLiteral("completed");
        case platform::JobState::Aborted:
            return QStringLiteral("aborted");
        case platform::JobState::Canceled:
            return QStringLiteral("canceled");
        case platform::JobState::Unknown:
        case platform::JobState::NotFound:
            break;
    }
    return QStringLiteral("unknown");
}

bool Succeeded(Result result) {
    return result == Result::Completed || result == Result::Sent || result == Result::WouldSend ||
           result == Result::Unchanged;
}

QString JobReasonWords(const std::vector<std::string>& keywords, const std::string& message) {
    static const std::map<std::string, const char*> kWords = {
        {"aborted-by-system", "aborted by the scheduler"},
        {"cups-held-for-authentication", "held until its owner signs in"},
        {"cups-missing-filter", "no filter for the document"},
        {"document-format-error", "the printer could not read the document"},
        {"job-aborted-by-system", "aborted by the scheduler"},
        {"job-canceled-at-device", "cancelled at the printer"},
        {"job-canceled-by-operator", "cancelled by an operator"},
        {"job-canceled-by-user", "cancelled by a user"},
        {"job-completed-successfully", "printed"},
        {"job-completed-with-errors", "printed with errors"},
        {"job-completed-with-warnings", "printed with warnings"},
        {"job-data-insufficient", "the document is incomplete"},
        {"job-hold-until-specified", "held until a set time"},
        {"job-incoming", "still arriving"},
        {"job-printing", "printing"},
        {"job-queued", "waiting its turn"},
        {"job-stopped", "stopped"},
        {"printer-stopped", "the queue is stopped"},
        {"processing-to-stop-point", "being stopped"},
        {"resources-are-not-ready", "the printer is not ready"},
        {"service-off-line", "the printer is off line"},
        {"unsupported-document-format", "a document the printer does not take"},
    };
    QStringList words;
    for (const std::string& keyword : keywords) {
        const auto known = kWords.find(keyword);
        // An unknown keyword still reads better without its dashes.
        words.append(known != kWords.end()
                         ? QString::fromLatin1(known->second)
                         : QString::fromStdString(keyword).replace(QLatin1Char('-'), QLatin1Char(' ')));
    }
    QString text = words.join(QStringLiteral(", "));
    if (!message.empty())
        text += (text.isEmpty() ? QString() : QStringLiteral("; ")) + QString::fromStdString(message);
    return text;
}

QJsonObject ReportJson(const QJsonArray& printers, const std::vector<SchedulerEntry>& schedulers) {
    QJsonArray entries;
    for (const SchedulerEntry& entry : schedulers) {
        entries.append(QJsonObject{{QStringLiteral("server"), entry.server},
                                   {QStringLiteral("ok"), entry.ok},
                                   {QStringLiteral("reason"), entry.reason}});
    }
    return {{QStringLiteral("printers"), printers}, {QStringLiteral("schedulers"), entries}};
}

void ReportSchedulers(const std::vector<SchedulerEntry>& schedulers) {
    for (const SchedulerEntry& entry : schedulers) {
        if (!entry.ok)
            Error(QStringLiteral("cannot ask the scheduler at %1: %2").arg(entry.server, entry.reason));
        else if (!entry.reason.isEmpty())
            Error(QStringLiteral("%1: %2").arg(entry.server, entry.reason));
    }
}

}  // namespace ctl
