#include "chathost/window_text.h"

#include <algorithm>

#include "util/text.h"

namespace jukett {
namespace {

constexpr int kClassNameCapacity = 250;
constexpr int kCaptionCapacity = 200;

// Only the start of a long caption fits the buffer; the comparison sees that.
std::string ReadCaption(HostWindows& windows, Window window) {
  const int length = windows.CaptionLength(window);
  if (length <= 0) return {};
  return windows.Caption(window, std::min(length, kCaptionCapacity - 1) + 1);
}

bool CaptionContains(HostWindows& windows, Window window, std::string_view fragment) {
  return ContainsIgnoringCase(ReadCaption(windows, window), fragment);
}

}  // namespace

std::string ReadWindowText(HostWindows& windows, Window window) {
  if (window == kNoWindow) return {};
  const int length = windows.TextLength(window);
  if (length <= 0) return {};
  return windows.Text(window, std::min(length, kMaxWindowTextUnits) + 1);
}

Window FindChildByCaption(const HostPorts& host, Window parent, Window pattern,
                          std::string_view fragment) {
  const std::string windowClass = host.windows.ClassName(pattern, kClassNameCapacity);
  if (windowClass.empty()) return kNoWindow;

  Window candidate = host.windows.FindChild(parent, kNoWindow, windowClass);
  if (CaptionContains(host.windows, candidate, fragment)) return candidate;
  while (candidate != kNoWindow) {
    host.events.ProcessPendingEvents();
    candidate = host.windows.FindChild(parent, candidate, windowClass);
    if (candidate != kNoWindow && CaptionContains(host.windows, candidate, fragment)) {
      return candidate;
    }
  }
  return kNoWindow;
}

}  // namespace jukett
