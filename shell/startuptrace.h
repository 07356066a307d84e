#pragma once

// Start-up timing for the benchmark: when ZELMORA_STARTUP_TRACE is set, each milestone is
// written to standard error with the monotonic clock's reading in nanoseconds, and with the
// value "exit" the program ends once the menu is shown. Without the variable nothing happens.
namespace zelmora {

void startupTrace(const char* milestone);

}  // namespace zelmora
