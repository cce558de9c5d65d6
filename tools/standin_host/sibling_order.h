#pragma once

// Windows enumerates a window's children top of the Z-order first, and MDI
// activation raises each child it creates, so creation order is lost by
// the time a player enumerates. These put it back and check it.

#include <windows.h>

#include <vector>

namespace jukett::standin {

// Stacks the sibling `windows` at the bottom of their Z-order, first to
// last, so that enumeration meets them in the order given; without
// activating any of them.
void StackInOrder(const std::vector<HWND>& windows);

// True when FindWindowExA over `parent`'s children of `className` (every
// child for null) yields exactly `expected`, in that order.
bool ChildrenInOrder(HWND parent, const char* className, const std::vector<HWND>& expected);

}  // namespace jukett::standin
