#include "platform/PrinterSystem.h"

#ifdef _WIN32
#include "platform/win/WinspoolPrinterSystem.h"
#else
#include "platform/CupsPrinterSystem.h"
#endif

namespace platform {

namespace {
PrinterSystem*& Override() {
    static PrinterSystem* system = nullptr;
    return system;
}

PrinterSystem& RealSystem() {
#ifdef _WIN32
    static WinspoolPrinterSystem system;
#else
    // The window waits for every call: a scheduler that stopped answering must not freeze it for
    // longer than a few seconds; the call then fails like any other.
    static CupsPrinterSystem system;
    static const bool bounded = (system.boundEachCall(std::chrono::seconds(5)), true);
    (void)bounded;
#endif
    return system;
}
}  // namespace

PrinterSystem& CurrentPrinterSystem() {
    if (PrinterSystem* system = Override()) {
        return *system;
    }
    return RealSystem();
}

void SetPrinterSystemForTesting(PrinterSystem* system) {
    Override() = system;
}

}  // namespace platform
