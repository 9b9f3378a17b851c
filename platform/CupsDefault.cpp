#include "platform/CupsPrinterSystem.h"
#include "platform/PrinterSystem.h"

namespace platform {

PrinterSystem& DefaultPrinterSystem() {
    // The window waits for every call: a scheduler that stopped answering must not freeze it for
    // longer than a few seconds; the call then fails like any other.
    static CupsPrinterSystem system;
    static const bool bounded = (system.boundEachCall(std::chrono::seconds(5)), true);
    (void)bounded;
    return system;
}

}  // namespace platform
