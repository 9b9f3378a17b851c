#pragma once
// What the printer commands report, in one place: the words of a printer's result, a job's reasons
// in words, and the one JSON document that `printers --json` and `send --json` print.
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <string>
#include <vector>

#include "platform/PrinterSystem.h"

namespace ctl {

enum class Result {
    Completed,  // the job ended printed
    Sent,       // the scheduler took the job; not followed to its end
    WouldSend,  // --dry-run: the queue would get a job
    Failed,     // the queue cannot take the settings, the scheduler refused the job, or it ended unprinted
    NotSent,    // no job: the run ended, or the scheduler stopped answering, before its turn
    Unknown,    // no answer came to the request that creates the job: it may be queued
    TimedOut,   // the job had not ended when the wait ran out
    Canceled,   // a job not ended in time, cancelled as --cancel-unfinished asks
    Unchanged,  // --if-changed: the last completed settings job carried these settings; none sent
};

// "completed", "sent", "would-send", "failed", "not-sent", "unknown", "timed-out", "canceled",
// "unchanged".
QString ResultWord(Result result);
// A job's state as the scheduler names it: "pending", "held", "processing", "completed",
// "aborted", "canceled"; "unknown" otherwise.
QString JobStateName(platform::JobState state);

// Completed, sent, would be sent, or holds the settings already.
bool Succeeded(Result result);

// The scheduler's keywords for a job's state (e.g. "job-canceled-by-user") in words, then its
// message.
QString JobReasonWords(const std::vector<std::string>& keywords, const std::string& message);

// One scheduler as a printer command saw it: asked, or why not.
struct SchedulerEntry {
    QString server;
    bool ok = true;
    QString reason{};  // why it could not be asked, or which name of it was asked instead
};

// {"printers": [rows], "schedulers": [{"server", "ok", "reason"}]}, in every case.
QJsonObject ReportJson(const QJsonArray& printers, const std::vector<SchedulerEntry>& schedulers);
// The entries with something to say, as errors on stderr (the text form's rows are the printers).
void ReportSchedulers(const std::vector<SchedulerEntry>& schedulers);

}  // namespace ctl
