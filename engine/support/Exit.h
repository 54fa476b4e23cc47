// Exit.h -- ends the process for the engine's fatal errors. A harness that must observe such an
// exit without dying (a fuzzer) installs a handler that throws instead.
#pragma once

namespace engine::support {

using ExitHandler = void (*)(int code);

// Replaces the handler; nullptr restores the default, which ends the process.
void SetExitHandler(ExitHandler handler);

// Calls the handler with code; ends the process when the handler returns.
[[noreturn]] void ExitProcess(int code);

}  // namespace engine::support
