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
    static CupsPrinterSystem system;
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
