#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace jukett::win32 {

double Win32Clock::MonotonicSeconds() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace jukett::win32
