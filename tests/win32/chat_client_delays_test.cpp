// The chat client still taking a unit when the player's process ends, and a
// Unicode input: the user's text comes through whole. How edits reach a
// slow client while the player lives is held by the host delivery contract.
#include <windows.h>

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "chathost/chat_sender.h"
#include "platform/win32/ansi_text.h"
#include "tests/win32/chat_host_fixture.h"
#include "tests/win32/child_process.h"
#include "tests/win32/standin_process.h"

namespace jukett::testing {
namespace {

// The input's text once it is `expected`, or as it is after 20 s: a client
// busy with the player's messages answers them only as it gets to them.
std::string InputTextOnce(HostWindows& windows, Window input, const std::string& expected) {
  const ULONGLONG deadline = GetTickCount64() + 20000;
  std::string text = windows.UserText(input).value_or("(no answer)");
  while (text != expected && GetTickCount64() < deadline) {
    Sleep(50);
    text = windows.UserText(input).value_or("(no answer)");
  }
  return text;
}

// Runs the probe that announces `lines` through the real adapters and then
// ends its process, `how` it says ("finish" or "end"); true once it ended.
bool AnnounceAndEnd(const std::wstring& how, const std::vector<std::wstring>& lines) {
  std::wstring commandLine = L"\"" + ProgramFolder() + L"chat_end_probe.exe\" " + how;
  for (const std::wstring& line : lines) commandLine += L" \"" + line + L"\"";
  return RunToEnd(commandLine).has_value();
}

TEST_F(ChatHost, EndingWhileTheClientIsStillTakingAUnitKeepsTheUsersText) {
  // The client is still taking the last unit, or an earlier one, for which
  // the last is given up.
  for (const std::vector<std::wstring>& lines :
       {std::vector<std::wstring>{L"hello room"}, {L"hello room", L"goodbye room"}}) {
    StandinProcess standin({L"--input-text", L"my unsent draft", L"--slow-clear", L"3"});
    ASSERT_TRUE(standin.Ready());
    ASSERT_TRUE(AnnounceAndEnd(L"finish", lines));
    EXPECT_EQ(InputTextOnce(windows, FirstInput(), "my unsent draft"), "my unsent draft")
        << lines.size();
    EXPECT_EQ(standin.Log(), "hello room\n") << lines.size();
  }
}

TEST_F(ChatHost, EndingWhenTheClientNeverAnswersEndsAllTheSame) {
  // Within the time the test lasts, the client never finishes the clear.
  StandinProcess standin({L"--input-text", L"my unsent draft", L"--slow-clear", L"100"});
  ASSERT_TRUE(standin.Ready());
  const ULONGLONG start = GetTickCount64();
  EXPECT_TRUE(AnnounceAndEnd(L"finish", {L"hello room"}));
  std::cout << "ended after " << GetTickCount64() - start << " ms\n";
}

// What the platform does: the step the client has begun lands, nothing after
// it ever comes.
TEST_F(ChatHost, AUnitOnItsWayIsCutOffWhereItStandsWhenTheSenderEnds) {
  StandinProcess standin({L"--input-text", L"my unsent draft", L"--slow-clear", L"3"});
  ASSERT_TRUE(standin.Ready());
  ASSERT_TRUE(AnnounceAndEnd(L"end", {L"hello room"}));
  EXPECT_EQ(InputTextOnce(windows, FirstInput(), ""), "");
  EXPECT_EQ(standin.Log(), "");
}

TEST_F(ChatHost, UnicodeInputKeepsEveryCharacterTheUserTyped) {
  const std::wstring typed = L"Gr\u00FC\u00DFe \u0141\u00F3d\u017A \u2713 \u65E5\u672C";
  StandinProcess standin({L"--input-kind", L"unicode", L"--input-text", typed});
  ASSERT_TRUE(standin.Ready());
  ASSERT_TRUE(IsWindowUnicode(reinterpret_cast<HWND>(FirstInput())));

  SendChat(host, kAnnouncement);

  // The line still travels in the code page: "»" as the one byte 0xBB.
  EXPECT_EQ(standin.LogOfLines(1), kLoggedAnnouncement);
  EXPECT_EQ(windows.UserText(FirstInput()), win32::WideToUtf8(typed));
}

}  // namespace
}  // namespace jukett::testing
