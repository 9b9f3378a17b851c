#include "platform/PrinterSystem.h"
#include "platform/win/WinspoolPrinterSystem.h"

namespace platform {

PrinterSystem& DefaultPrinterSystem() {
    static WinspoolPrinterSystem system;
    return system;
}

}  // namespace platform
