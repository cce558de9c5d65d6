#include "tools/standin_host/sibling_order.h"

namespace jukett::standin {

void StackInOrder(const std::vector<HWND>& windows) {
  for (HWND window : windows) {
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
  }
}

bool ChildrenInOrder(HWND parent, const char* className, const std::vector<HWND>& expected) {
  std::size_t found = 0;
  HWND child = nullptr;
  while ((child = FindWindowExA(parent, child, className, nullptr)) != nullptr) {
    if (found == expected.size() || expected[found] != child) return false;
    ++found;
  }
  return found == expected.size();
}

}  // namespace jukett::standin
