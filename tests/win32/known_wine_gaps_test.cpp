// What Windows does and this Wine does not yet. Each test states the Windows
// behaviour and passes on Windows; under Wine CTest expects it to fail, in
// the one way the gap shows, and reports it the day Wine closes the gap.
#include <gtest/gtest.h>

#include "chathost/host_identity.h"
#include "platform/win32/win32_host_windows.h"
#include "standin_process.h"

namespace jukett::testing {
namespace {

// Windows reads the menus of the chat client's process from the player's;
// Wine 8 cannot (GetMenuItemCount gives -1 across processes), so the player
// falls back to version 9 there. The menus of a window tree in the test's
// own process are read under Wine too (ChatHostInProcess).
TEST(KnownWineGap, VersionFromAnotherProcessesMenus) {
  StandinProcess standin({L"--version", L"7"});
  ASSERT_TRUE(standin.Ready());
  win32::Win32HostWindows windows;

  EXPECT_EQ(HostVersion(windows), "7");
}

}  // namespace
}  // namespace jukett::testing
