#include "platform/CupsJob.h"

#include <array>
#include <string_view>

#include "platform/CupsQueue.h"

namespace platform {

namespace {

void AddPrinterUri(ipp_t* request, const std::string& queue) {
    // The scheduler reads only the resource; the host part is its own name for itself.
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", queue.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
}

// Who asks: the owner of a job it creates, and the user whose jobs it may cancel or read.
void AddRequestingUser(ipp_t* request) {
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
}

template <std::size_t N>
void AddRequested(ipp_t* request, const std::array<const char*, N>& names) {
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", static_cast<int>(N),
                  nullptr, names.data());
}

std::string Text(ipp_t* response, const char* name) {
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    const char* text = attribute ? ippGetString(attribute, 0, nullptr) : nullptr;
    return text ? text : "";
}

JobState StateOf(int state) {
    switch (state) {
        case IPP_JSTATE_PENDING:
            return JobState::Pending;
        case IPP_JSTATE_HELD:
            return JobState::Held;
        case IPP_JSTATE_PROCESSING:
        case IPP_JSTATE_STOPPED:  // stopped while printing; the reasons say why
            return JobState::Processing;
        case IPP_JSTATE_CANCELED:
            return JobState::Canceled;
        case IPP_JSTATE_ABORTED:
            return JobState::Aborted;
        case IPP_JSTATE_COMPLETED:
            return JobState::Completed;
        default:
            return JobState::Unknown;
    }
}

// Create-Job on this connection's scheduler. (cupsCreateJob first asks for the destination's
// details and, on a connection to a scheduler other than cupsServer()'s, sends the job to the
// device URI instead, which the scheduler does not know.)
// 0 when no job was created; `answered` false when no answer came at all.
int CreateJob(CupsConnection& connection, const std::string& queue, const std::string& title,
              const JobRecord& record, bool& answered) {
    ipp_t* request = ippNewRequest(IPP_OP_CREATE_JOB);
    AddPrinterUri(request, queue);
    AddRequestingUser(request);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.c_str());
    // The bytes are a printer command: no banner page may come before or after them.
    ippAddString(request, IPP_TAG_JOB, IPP_TAG_NAME, "job-sheets", nullptr, "none");
    if (!record.sha256.empty()) {
        ippAddString(request, IPP_TAG_JOB, IPP_TAG_TEXT, kDigestAttribute, nullptr, record.sha256.c_str());
    }
    ipp_t* response = connection.exchange(request, "/printers/" + queue);
    answered = response != nullptr;
    ipp_attribute_t* id = response ? ippFindAttribute(response, "job-id", IPP_TAG_INTEGER) : nullptr;
    const int jobId =
        id && ippGetStatusCode(response) <= IPP_STATUS_OK_EVENTS_COMPLETE ? ippGetInteger(id, 0) : 0;
    ippDelete(response);
    return jobId;
}

}  // namespace

std::string LastCupsError() {
    const char* text = cupsLastErrorString();
    return text && *text ? text : ippErrorString(cupsLastError());
}

std::optional<std::string> QueueRefusal(CupsConnection& connection, const std::string& queue,
                                        bool* answered) {
    static const std::array<const char*, 2> kWanted = {"printer-name", "printer-is-accepting-jobs"};
    if (queue.empty()) {
        return "no such queue";
    }
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    AddPrinterUri(request, queue);
    AddRequested(request, kWanted);
    ipp_t* response = connection.exchange(request, "/");
    if (answered) {
        *answered = response != nullptr;
    }
    if (!response) {
        return LastCupsError();
    }
    std::optional<std::string> refusal;
    const ipp_status_t status = ippGetStatusCode(response);
    ipp_attribute_t* accepting = ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    // The scheduler finds queues without regard to case; the program's names are exact.
    if (status == IPP_STATUS_ERROR_NOT_FOUND ||
        (status <= IPP_STATUS_OK_EVENTS_COMPLETE && Text(response, "printer-name") != queue)) {
        refusal = "no such queue";
    } else if (status > IPP_STATUS_OK_EVENTS_COMPLETE) {
        refusal = LastCupsError();
    } else if (!accepting || !ippGetBoolean(accepting, 0)) {
        refusal = "queue not accepting jobs";
    }
    ippDelete(response);
    return refusal;
}

JobSubmission SubmitRawJob(CupsConnection& connection, const std::string& queue, const std::string& title,
                           std::span<const std::uint8_t> document, const JobRecord& record, int& created) {
    bool answered = false;
    created = CreateJob(connection, queue, title, record, answered);
    if (created <= 0) {
        created = 0;
        return {0, LastCupsError(), !answered};
    }
    http_t* http = connection.http();
    // Without an answer of the scheduler's, the words are ours: CUPS's own last error is then at
    // times the Create-Job's success and at times a word of its own for the broken connection. A
    // connection that gave up waiting is its caller's to word.
    const auto failure = [&](bool answered) {
        return answered || connection.gaveUp()
                   ? LastCupsError()
                   : std::string("the connection to the scheduler broke off while the document was sent");
    };
    const char* documentName = record.document.empty() ? nullptr : record.document.c_str();
    const http_status_t started =
        cupsStartDocument(http, queue.c_str(), created, documentName, CUPS_FORMAT_RAW, 1);
    if (started != HTTP_STATUS_CONTINUE) {
        return {0, failure(started != HTTP_STATUS_ERROR)};
    }
    if (!document.empty()) {
        const http_status_t written =
            cupsWriteRequestData(http, reinterpret_cast<const char*>(document.data()), document.size());
        if (written != HTTP_STATUS_CONTINUE) {
            return {0, failure(written != HTTP_STATUS_ERROR)};
        }
    }
    // Not cupsFinishDocument: it says "Success" when no answer came at all.
    ipp_t* response = connection.response("/printers/" + queue);
    const bool taken = response && ippGetStatusCode(response) <= IPP_STATUS_OK_EVENTS_COMPLETE;
    const std::string refusal = failure(response != nullptr);
    ippDelete(response);
    if (!taken) {
        return {0, refusal};
    }
    return {created, {}};
}

bool CancelJob(CupsConnection& connection, const std::string& queue, int jobId) {
    ipp_t* request = ippNewRequest(IPP_OP_CANCEL_JOB);
    AddPrinterUri(request, queue);
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
    AddRequestingUser(request);
    ipp_t* response = connection.exchange(request, "/jobs/");
    const bool cancelled = response && ippGetStatusCode(response) <= IPP_STATUS_OK_EVENTS_COMPLETE;
    ippDelete(response);
    return cancelled;
}

namespace {

// The queue's name from the job's printer URI (".../printers/NAME").
std::string QueueOfUri(const char* uri) {
    const std::optional<UriParts> parts = uri ? SplitUri(uri) : std::nullopt;
    if (!parts) {
        return {};
    }
    const std::size_t slash = parts->resource.rfind('/');
    return slash == std::string::npos ? parts->resource : parts->resource.substr(slash + 1);
}

std::optional<std::string> OptionalText(ipp_attribute_t* attribute) {
    const char* text = ippGetString(attribute, 0, nullptr);
    return text ? std::optional<std::string>(text) : std::nullopt;
}

}  // namespace

std::optional<std::vector<HistoryJob>> QueryJobHistory(CupsConnection& connection) {
    static const std::array<const char*, 8> kWanted = {"job-id",
                                                       "job-printer-uri",
                                                       "job-state",
                                                       "time-at-completed",
                                                       "job-originating-user-name",
                                                       "job-name",
                                                       "document-name-supplied",
                                                       kDigestAttribute};
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, "ipp://localhost/");
    AddRequestingUser(request);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
    AddRequested(request, kWanted);
    ipp_t* response = connection.exchange(request, "/");
    if (!response || ippGetStatusCode(response) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        ippDelete(response);
        return std::nullopt;
    }
    std::vector<HistoryJob> jobs;
    HistoryJob job;
    const auto finish = [&] {
        if (job.id > 0) {
            jobs.push_back(std::move(job));
        }
        job = {};
    };
    for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        const char* name = ippGetName(a);
        if (!name) {  // between two jobs
            finish();
            continue;
        }
        if (ippGetGroupTag(a) != IPP_TAG_JOB) {
            continue;
        }
        const std::string_view is(name);
        const ipp_tag_t tag = ippGetValueTag(a);
        if (is == "job-id" && tag == IPP_TAG_INTEGER) {
            job.id = ippGetInteger(a, 0);
        } else if (is == "job-printer-uri") {
            job.queue = QueueOfUri(ippGetString(a, 0, nullptr));
        } else if (is == "job-state" && tag == IPP_TAG_ENUM) {
            job.state = StateOf(ippGetInteger(a, 0));
        } else if (is == "time-at-completed" && tag == IPP_TAG_INTEGER) {
            job.completed = ippGetInteger(a, 0);
        } else if (is == "job-originating-user-name") {
            job.user = OptionalText(a).value_or("");
        } else if (is == "job-name") {
            job.title = OptionalText(a).value_or("");
        } else if (is == "document-name-supplied") {
            job.document = OptionalText(a);
        } else if (is == kDigestAttribute) {
            job.digest = OptionalText(a);
        }
    }
    finish();
    ippDelete(response);
    return jobs;
}

std::optional<std::vector<std::uint8_t>> QueryJobDocument(CupsConnection& connection,
                                                          const std::string& queue, int jobId,
                                                          std::size_t longest, bool& answered, bool& whole) {
    http_t* http = connection.http();
    answered = true;
    whole = true;
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_DOCUMENT);
    AddPrinterUri(request, queue);
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
    AddRequestingUser(request);
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "document-number", 1);
    // Not cupsDoIORequest: the document follows the answer, and only a short one is wanted.
    const http_status_t sent = cupsSendRequest(http, request, "/", 0);
    ippDelete(request);
    ipp_t* response =
        sent == HTTP_STATUS_CONTINUE || sent == HTTP_STATUS_OK ? connection.response("/") : nullptr;
    if (!response) {
        answered = !connection.gaveUp() && httpGetStatus(http) != HTTP_STATUS_ERROR;
        if (answered) {
            httpFlush(http);
        }
        return std::nullopt;
    }
    const bool refused = ippGetStatusCode(response) > IPP_STATUS_OK_EVENTS_COMPLETE;
    ippDelete(response);
    if (refused) {
        if (httpGetState(http) != HTTP_STATE_WAITING) {
            httpFlush(http);
        }
        return std::nullopt;
    }
    std::vector<std::uint8_t> document;
    char buffer[4096];
    ssize_t read = 0;
    while ((read = httpRead2(http, buffer, sizeof buffer)) > 0) {
        document.insert(document.end(), buffer, buffer + read);
        if (document.size() > longest) {
            whole = false;
            return std::nullopt;
        }
    }
    if (read < 0) {
        answered = false;
        return std::nullopt;
    }
    return document;
}

JobStatus QueryJobStatus(CupsConnection& connection, const std::string& queue, int jobId) {
    static const std::array<const char*, 5> kWanted = {"job-state", "job-state-reasons",
                                                       "job-printer-state-message", "time-at-completed",
                                                       "number-of-documents"};
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    AddPrinterUri(request, queue);
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
    AddRequested(request, kWanted);
    ipp_t* response = connection.exchange(request, "/");
    if (!response) {
        return {JobState::Unknown, LastCupsError()};
    }
    JobStatus status;
    const ipp_status_t code = ippGetStatusCode(response);
    if (code > IPP_STATUS_OK_EVENTS_COMPLETE) {
        status = {code == IPP_STATUS_ERROR_NOT_FOUND ? JobState::NotFound : JobState::Unknown,
                  LastCupsError()};
    } else {
        ipp_attribute_t* state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM);
        std::vector<std::string> reasons;
        if (ipp_attribute_t* attribute = ippFindAttribute(response, "job-state-reasons", IPP_TAG_KEYWORD)) {
            for (int i = 0; i < ippGetCount(attribute); ++i) {
                const char* reason = ippGetString(attribute, i, nullptr);
                if (reason && *reason && std::string_view(reason) != "none") {
                    reasons.emplace_back(reason);
                }
            }
        }
        const std::string message = Text(response, "job-printer-state-message");
        status = {state ? StateOf(ippGetInteger(state, 0)) : JobState::Unknown,
                  DescribeReasons(reasons, message), reasons, message};
        if (ipp_attribute_t* completed = ippFindAttribute(response, "time-at-completed", IPP_TAG_INTEGER)) {
            status.completed = ippGetInteger(completed, 0);
        }
        if (ipp_attribute_t* documents = ippFindAttribute(response, "number-of-documents", IPP_TAG_INTEGER)) {
            status.documents = ippGetInteger(documents, 0);
        }
    }
    ippDelete(response);
    return status;
}

}  // namespace platform
