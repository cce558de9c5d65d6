// Known Wine gaps, marked on the assertion itself in the manner of Wine's own
// todo_wine. The assertion states what Windows does. On Windows it is an
// ordinary assertion. Under Wine it is expected to fail, and the failure is
// only noted in the output; the day Wine does what Windows does it fails with
// "gap closed", so that the mark is struck off. Everything else in the test
// counts as usual.
//   EXPECT_WINE_GAP(condition)              the condition holds on Windows
//   EXPECT_WINE_GAP_EQ(actual, onWindows)   the value is what Windows gives
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <iostream>

namespace jukett::testing {

// Whether this program runs under Wine: only Wine's ntdll tells its version.
inline bool UnderWine() {
  static const bool wine =
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

// The verdict on what Windows does, where `windows` says whether the
// platform did it.
inline ::testing::AssertionResult KnownWineGap(const ::testing::AssertionResult& windows,
                                               const char* behaviour) {
  if (!UnderWine()) {
    if (windows) return windows;
    return ::testing::AssertionFailure() << behaviour << ": " << windows.message();
  }
  if (windows) {
    return ::testing::AssertionFailure() << "gap closed: Wine now does what Windows does ("
                                         << behaviour << "): remove the known Wine gap's mark";
  }
  std::cout << "known Wine gap, still open: " << behaviour << ": " << windows.message() << "\n";
  return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult Holds(bool condition) {
  if (condition) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "does not hold";
}

template <typename Actual, typename OnWindows>
::testing::AssertionResult Gives(const Actual& actual, const OnWindows& onWindows) {
  if (actual == onWindows) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "gives " << ::testing::PrintToString(actual)
                                       << ", Windows gives " << ::testing::PrintToString(onWindows);
}

}  // namespace jukett::testing

// Like gtest's own EXPECT_*: a nonfatal failure, and more may be streamed
// into its message with <<.
#define JUKETT_EXPECT_WINE_GAP_(windows, behaviour)                  \
  switch (0)                                                         \
  case 0:                                                            \
  default:                                                           \
    if (const ::testing::AssertionResult jukett_gap_verdict =        \
            ::jukett::testing::KnownWineGap((windows), (behaviour))) \
      ;                                                              \
    else                                                             \
      GTEST_NONFATAL_FAILURE_(jukett_gap_verdict.message())

#define EXPECT_WINE_GAP(condition) \
  JUKETT_EXPECT_WINE_GAP_(::jukett::testing::Holds(condition), #condition)

#define EXPECT_WINE_GAP_EQ(actual, onWindows)                              \
  JUKETT_EXPECT_WINE_GAP_(::jukett::testing::Gives((actual), (onWindows)), \
                          #actual " == " #onWindows)
