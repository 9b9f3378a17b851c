#pragma once
#include <functional>

namespace platform {

// Ends the process with a status. Tests install a handler that throws instead,
// so a refusal that would end the program can be observed.
[[noreturn]] void ExitProcess(int status);

using ExitHandler = std::function<void(int status)>;
void SetExitHandlerForTesting(ExitHandler handler);  // empty handler restores the real exit

}  // namespace platform
