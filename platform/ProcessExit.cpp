#include "platform/ProcessExit.h"

#include <cstdlib>

namespace platform {

namespace {
ExitHandler& Handler() {
    static ExitHandler handler;
    return handler;
}
}  // namespace

void ExitProcess(int status) {
    if (Handler()) {
        Handler()(status);
        // A test handler must not return: the caller relies on not running on.
        std::abort();
    }
    std::exit(status);
}

void SetExitHandlerForTesting(ExitHandler handler) {
    Handler() = std::move(handler);
}

}  // namespace platform
