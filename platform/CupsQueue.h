#pragma once
// The printer queues of a scheduler and how each becomes a spooler record.
#include <cups/cups.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/PrinterSystem.h"

namespace platform {

struct CupsQueue {
    std::string name;
    std::string deviceUri;
    std::string makeAndModel;
    std::string printerUri;  // printer-uri-supported
    int state = IPP_PSTATE_IDLE;
    std::vector<std::string> stateReasons;
    bool acceptingJobs = false;
    bool shared = false;
    std::uint32_t type = 0;  // printer-type bits

    // Forwards to a queue of another scheduler: the counterpart of a printer connection.
    bool isConnection() const;
    // The host of the scheduler a connection forwards to; empty for a local queue.
    std::string serverName() const;
    std::string portName() const;
    std::uint32_t statusWord() const;
    std::uint32_t attributeWord() const;

    PrinterInfo2 detailedRecord() const;
    PrinterInfo4 shortRecord() const;
};

// CUPS-Get-Printers; nothing when the scheduler cannot be asked.
std::optional<std::vector<CupsQueue>> QueryCupsQueues(http_t* http);

}  // namespace platform
