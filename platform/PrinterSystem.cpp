#include "platform/PrinterSystem.h"

namespace platform {

namespace {
PrinterSystem*& Override() {
    static PrinterSystem* system = nullptr;
    return system;
}
}  // namespace

PrinterSystem& CurrentPrinterSystem() {
    if (PrinterSystem* system = Override()) {
        return *system;
    }
    return DefaultPrinterSystem();
}

void SetPrinterSystemForTesting(PrinterSystem* system) {
    Override() = system;
}

}  // namespace platform
