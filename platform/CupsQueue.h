#pragma once
// The printer queues of a scheduler as CUPS-Get-Printers reports them, and how each becomes
// the program's record of a queue.
#include <cups/cups.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/CupsConnection.h"
#include "platform/PrinterSystem.h"

namespace platform {

// The parts of a URI this program looks at; nothing for a text that is not one.
struct UriParts {
    std::string scheme;
    std::string host;
    std::string resource;
};
std::optional<UriParts> SplitUri(const std::string& uri);

struct CupsQueue {
    std::string name;
    std::string deviceUri;
    std::string makeAndModel;
    std::string printerUri;  // printer-uri-supported
    int state = IPP_PSTATE_IDLE;
    std::vector<std::string> stateReasons;
    std::string stateMessage;
    bool acceptingJobs = false;
    std::uint32_t type = 0;  // printer-type bits
    std::string uuid;        // printer-uuid: no two queues anywhere share one

    // Forwards to a queue of another scheduler rather than to a device.
    bool isConnection() const;
    // The host of the scheduler a connection forwards to; empty for a local queue.
    std::string serverName() const;
    // The device URI, but "FILE:" for a file: device.
    std::string deviceName() const;

    PrinterQueue record() const;
};

// The reasons (less "none") and the message as one text.
std::string DescribeReasons(const std::vector<std::string>& reasons, const std::string& message);

// One CUPS-Get-Printers request; nothing when the scheduler cannot be asked.
std::optional<std::vector<CupsQueue>> QueryCupsQueues(CupsConnection& connection);

}  // namespace platform
