#include "platform/CupsQueue.h"

#include <strings.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace platform {

namespace {

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// Forwarding to a queue (not to a device that speaks IPP itself): the resource names one.
bool IsSchedulerQueueUri(const UriParts& uri) {
    const bool ipp =
        uri.scheme == "ipp" || uri.scheme == "ipps" || uri.scheme == "http" || uri.scheme == "https";
    return ipp && (StartsWith(uri.resource, "/printers/") || StartsWith(uri.resource, "/classes/"));
}

std::string Text(ipp_attribute_t* attribute) {
    const char* text = ippGetString(attribute, 0, nullptr);
    return text ? text : "";
}

void Read(CupsQueue& queue, ipp_attribute_t* attribute) {
    const std::string name = ippGetName(attribute);
    if (name == "printer-name") {
        queue.name = Text(attribute);
    } else if (name == "device-uri") {
        queue.deviceUri = Text(attribute);
    } else if (name == "printer-make-and-model") {
        queue.makeAndModel = Text(attribute);
    } else if (name == "printer-uri-supported") {
        queue.printerUri = Text(attribute);
    } else if (name == "printer-state") {
        queue.state = ippGetInteger(attribute, 0);
    } else if (name == "printer-state-reasons") {
        for (int i = 0; i < ippGetCount(attribute); ++i) {
            queue.stateReasons.emplace_back(ippGetString(attribute, i, nullptr));
        }
    } else if (name == "printer-state-message") {
        queue.stateMessage = Text(attribute);
    } else if (name == "printer-is-accepting-jobs") {
        queue.acceptingJobs = ippGetBoolean(attribute, 0) != 0;
    } else if (name == "printer-uuid") {
        queue.uuid = Text(attribute);
    } else if (name == "printer-type") {
        queue.type = static_cast<std::uint32_t>(ippGetInteger(attribute, 0));
    }
}

QueueState StateOf(int state) {
    switch (state) {
        case IPP_PSTATE_PROCESSING:
            return QueueState::Processing;
        case IPP_PSTATE_STOPPED:
            return QueueState::Stopped;
        default:
            return QueueState::Idle;
    }
}

}  // namespace

std::optional<UriParts> SplitUri(const std::string& uri) {
    char scheme[32], user[256], host[256], resource[1024];
    int port = 0;
    if (httpSeparateURI(HTTP_URI_CODING_ALL, uri.c_str(), scheme, sizeof scheme, user, sizeof user, host,
                        sizeof host, &port, resource, sizeof resource) < HTTP_URI_STATUS_OK) {
        return std::nullopt;
    }
    return UriParts{scheme, host, resource};
}

bool CupsQueue::isConnection() const {
    if (type & CUPS_PRINTER_REMOTE) {
        return true;
    }
    const auto device = SplitUri(deviceUri);
    return device && IsSchedulerQueueUri(*device);
}

std::string CupsQueue::serverName() const {
    if (!isConnection()) {
        return {};
    }
    const auto device = SplitUri(deviceUri);
    if (device && IsSchedulerQueueUri(*device)) {
        return device->host;
    }
    const auto printer = SplitUri(printerUri);
    return printer ? printer->host : std::string{};
}

std::string CupsQueue::deviceName() const {
    // A job for a file: device goes to a file, not to a printer.
    const std::size_t colon = deviceUri.find(':');
    if (colon != std::string::npos && strncasecmp(deviceUri.c_str(), "file", colon) == 0 && colon == 4) {
        return "FILE:";
    }
    return deviceUri;
}

PrinterQueue CupsQueue::record() const {
    return {name,
            serverName(),
            deviceName(),
            makeAndModel,
            StateOf(state),
            acceptingJobs,
            DescribeReasons(stateReasons, stateMessage)};
}

std::string DescribeReasons(const std::vector<std::string>& reasons, const std::string& message) {
    std::string text;
    for (const std::string& reason : reasons) {
        if (reason.empty() || reason == "none") {
            continue;
        }
        text += (text.empty() ? "" : ", ") + reason;
    }
    // CUPS words a paused queue "paused" and then "Paused" again.
    const bool repeated = std::any_of(reasons.begin(), reasons.end(), [&](const std::string& reason) {
        return reason.size() == message.size() && strcasecmp(reason.c_str(), message.c_str()) == 0;
    });
    if (!message.empty() && !repeated) {
        text += (text.empty() ? "" : "; ") + message;
    }
    return text;
}

std::optional<std::vector<CupsQueue>> QueryCupsQueues(CupsConnection& connection) {
    static const std::array<const char*, 10> kWanted = {
        "printer-name",          "device-uri",   "printer-make-and-model",    "printer-uri-supported",
        "printer-state",         "printer-type", "printer-is-accepting-jobs", "printer-state-reasons",
        "printer-state-message", "printer-uuid"};
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(kWanted.size()), nullptr, kWanted.data());
    ipp_t* response = connection.exchange(request, "/");
    if (!response) {
        return std::nullopt;
    }
    std::vector<CupsQueue> queues;
    const ipp_status_t status = ippGetStatusCode(response);
    if (status > IPP_STATUS_OK_EVENTS_COMPLETE) {
        ippDelete(response);
        // A scheduler without queues answers "not found".
        if (status == IPP_STATUS_ERROR_NOT_FOUND) {
            return queues;
        }
        return std::nullopt;
    }
    // Each printer is a run of attributes in the printer group, separated by a group break.
    CupsQueue current;
    bool inPrinter = false;
    for (ipp_attribute_t* attribute = ippFirstAttribute(response); attribute;
         attribute = ippNextAttribute(response)) {
        if (ippGetGroupTag(attribute) != IPP_TAG_PRINTER || !ippGetName(attribute)) {
            if (inPrinter && !current.name.empty()) {
                queues.push_back(std::move(current));
            }
            current = CupsQueue{};
            inPrinter = false;
            continue;
        }
        inPrinter = true;
        Read(current, attribute);
    }
    if (inPrinter && !current.name.empty()) {
        queues.push_back(std::move(current));
    }
    ippDelete(response);
    return queues;
}

}  // namespace platform
