#pragma once

#include <windows.h>

namespace jukett::testing {

// Handles every window message waiting for this thread, for `milliseconds`.
void PumpMessages(DWORD milliseconds);

}  // namespace jukett::testing
