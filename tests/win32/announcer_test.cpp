// The start-up greeting from the real adapters into the stand-in host.
#include "chathost/announcer.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"
#include "tests/win32/standin_process.h"

namespace jukett::testing {
namespace {

// The host's windows, noting when each line was sent off with Enter.
class TimedHostWindows : public win32::Win32HostWindows {
 public:
  explicit TimedHostWindows(Clock& clock) : clock_(clock) {}

  void EditInOrder(const std::vector<WindowEdit>& edits) override {
    Win32HostWindows::EditInOrder(edits);
    for (const WindowEdit& edit : edits) {
      if (edit.kind == WindowEdit::Kind::Char) sentAt.push_back(clock_.MonotonicSeconds());
    }
  }

  std::vector<double> sentAt;

 private:
  Clock& clock_;
};

TEST(Greeting, PostsOnThenTheIdentityAtLeastAPauseApart) {
  StandinProcess standin({L"--screen-name", L"kelvor"});
  ASSERT_TRUE(standin.Ready());
  win32::Win32Clock clock;
  TimedHostWindows windows(clock);
  win32::Win32EventPump events;

  AnnounceStartUp({windows, events}, clock);

  // The stand-in's menus have no version item, so the version is 9.
  EXPECT_EQ(standin.LogOfLines(2),
            "<font face=Arial color=#000000><b>\xBB</b> <b><font color=#BBBBBB>juKett ZRV</b>"
            "<font color=#000000> by kelvor <b>\xBB</b> [<b><font color=#BBBBBB>on</b>"
            "<font color=#000000>]\n"
            "<font face=Arial color=#000000><b>\xBB</b> user: [<b><font color=#BBBBBB>kelvor"
            "</b><font color=#000000>] <b>\xBB</b> aol: [<b><font color=#BBBBBB>9.0"
            "</b><font color=#000000>]\n");
  ASSERT_EQ(windows.sentAt.size(), 2u);
  EXPECT_GE(windows.sentAt[1] - windows.sentAt[0], 0.6);
}

}  // namespace
}  // namespace jukett::testing
