#include "util/timed_wait.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_desktop.h"

namespace jukett::sim {
namespace {

class TimedWait : public ::testing::Test {
 protected:
  void Wait(double seconds) { WaitSeconds(desktop, desktop, seconds); }

  SimDesktop desktop;
};

TEST_F(TimedWait, HandlesEventsArrivingDuringTheWaitAndEndsOnTime) {
  std::vector<double> handledAt;
  for (double at : {0.0, 0.1, 0.35, 0.6}) {
    desktop.PostAt(at, [&] { handledAt.push_back(desktop.Now()); });
  }
  desktop.PostAt(0.61, [&] { handledAt.push_back(-1); });

  Wait(0.6);

  EXPECT_EQ(handledAt, (std::vector<double>{0.0, 0.1, 0.35, 0.6}));
  EXPECT_DOUBLE_EQ(desktop.Now(), 0.6);
}

TEST_F(TimedWait, SleepsBetweenEventsInsteadOfPolling) {
  desktop.PostAt(0.2, [] {});
  Wait(0.6);
  // One look at the start, one after each wake-up: the event, then the end.
  EXPECT_EQ(desktop.ClockReads(), 3);
  EXPECT_EQ(desktop.PumpCount(), 2);
}

TEST_F(TimedWait, AHandlerMayWaitInsideTheWait) {
  std::vector<std::string> trace;
  desktop.PostAt(0.1, [&] {
    trace.push_back("inner starts");
    Wait(1.0);
    trace.push_back("inner ends");
  });
  desktop.PostAt(0.5, [&] { trace.push_back("event in inner wait"); });

  Wait(0.6);

  EXPECT_EQ(trace, (std::vector<std::string>{"inner starts", "event in inner wait", "inner ends"}));
  EXPECT_DOUBLE_EQ(desktop.Now(), 1.1);
}

TEST_F(TimedWait, ZeroOrLessReturnsAtOnceWithoutHandlingEvents) {
  bool handled = false;
  desktop.Post([&] { handled = true; });
  for (double seconds : {0.0, -1.0}) {
    Wait(seconds);
    EXPECT_FALSE(handled);
    EXPECT_EQ(desktop.PumpCount(), 0);
    EXPECT_DOUBLE_EQ(desktop.Now(), 0.0);
  }
  EXPECT_EQ(desktop.ClockReads(), 2);
}

TEST_F(TimedWait, AWaitAcrossMidnightEndsAfterItsDuration) {
  // A reading just before midnight on a clock that counted seconds since it.
  desktop.SetClock(86399.8);
  Wait(0.6);
  EXPECT_GE(desktop.Now(), 86399.8 + 0.6);
  EXPECT_LT(desktop.Now(), 86399.8 + 0.7);
}

}  // namespace
}  // namespace jukett::sim
