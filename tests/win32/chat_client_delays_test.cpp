// The chat client answering late, asking the player something while it
// waits, or still taking a unit when the player ends: the user's text and
// the player's own messages come through whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "chathost/chat_room.h"
#include "chathost/chat_sender.h"
#include "chathost/host_classes.h"
#include "chathost/host_identity.h"
#include "chathost/window_text.h"
#include "platform/win32/ansi_text.h"
#include "platform/win32/bounded_send.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"
#include "tests/win32/chat_host_fixture.h"
#include "tests/win32/standin_process.h"
#include "tests/win32/thread_window.h"
#include "tools/standin_host/standin_host.h"
#include "tools/standin_host/standin_options.h"

namespace jukett::testing {
namespace {

namespace classes = host_classes;
using standin::ParseStandinOptions;
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

TEST_F(ChatHost, ABusyClientStillPostsTheLineAndGetsTheUsersTextBack) {
  // Busy beyond the player's wait with the message that empties the input,
  // or with the one that sets the line.
  for (const wchar_t* slow : {L"--slow-clear", L"--slow-line"}) {
    StandinProcess standin({L"--input-text", L"half a sentence", slow, L"3"});
    ASSERT_TRUE(standin.Ready());
    const Window input = FirstInput();
    SendChat(host, kAnnouncement);
    EXPECT_EQ(standin.LogOfLines(1), kLoggedAnnouncement) << win32::WideToUtf8(slow);
    EXPECT_EQ(InputTextOnce(windows, input, "half a sentence"), "half a sentence")
        << win32::WideToUtf8(slow);
    EXPECT_EQ(standin.Log(), kLoggedAnnouncement) << win32::WideToUtf8(slow);
  }
}

TEST_F(ChatHost, AClientBusyBeyondTheGiveUpStillGetsTheWholeUnitInOrder) {
  // Busy with the line for longer than the next two messages may wait
  // unanswered.
  StandinProcess standin({L"--input-text", L"half a sent", L"--slow-line", L"2.5"});
  ASSERT_TRUE(standin.Ready());
  win32::Win32HostWindows givingUpSoon(1000);
  const HostPorts hostGivingUpSoon{givingUpSoon, events};

  SendChat(hostGivingUpSoon, kAnnouncement);

  EXPECT_EQ(standin.LogOfLines(1), kLoggedAnnouncement);
  EXPECT_EQ(InputTextOnce(windows, FirstInput(), "half a sent"), "half a sent");
  EXPECT_EQ(standin.Log(), kLoggedAnnouncement);
}

// Runs the probe that announces `lines` through the real adapters and then
// ends its process, `how` it says ("finish" or "end"); true once it ended.
bool AnnounceAndEnd(const std::wstring& how, const std::vector<std::wstring>& lines) {
  std::wstring commandLine = L"\"" + ProgramFolder() + L"chat_end_probe.exe\" " + how;
  for (const std::wstring& line : lines) commandLine += L" \"" + line + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ended;
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

// A window on a thread of its own which, asked to set its text, first posts
// the player's window a message and then sends it one and waits for the
// answer, as a client or the shell may.
class AskingClient {
 public:
  explicit AskingClient(HWND player) : player_(player) {}

  HWND Window() const { return window_.Window(); }
  bool Answered() const { return answered_; }

 private:
  std::optional<LRESULT> Handle(UINT message) {
    if (message == WM_SETTEXT) {
      PostMessageW(player_, WM_APP + 1, 0, 0);
      SendMessageW(player_, WM_APP, 0, 0);
      answered_ = true;
    }
    return std::nullopt;
  }

  HWND player_;
  std::atomic<bool> answered_{false};
  // Last: its thread handles messages with everything above already there.
  ThreadWindow window_{[this](UINT message, WPARAM, LPARAM) { return Handle(message); }};
};

// What reached the player's window: messages sent to it, and messages posted.
LONG sentToPlayer = 0;
LONG postedToPlayer = 0;

LRESULT CALLBACK PlayerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) ++sentToPlayer;
  if (message == WM_APP + 1) ++postedToPlayer;
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(ChatHost, WhileWaitingForTheClientThePlayerAnswersWhatIsSentToItButKeepsWhatIsPosted) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &PlayerProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"jukett.test.player";
  RegisterClassW(&windowClass);
  HWND player = CreateWindowW(L"jukett.test.player", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              windowClass.hInstance, nullptr);
  ASSERT_NE(player, nullptr);
  sentToPlayer = postedToPlayer = 0;
  {
    AskingClient client(player);
    ASSERT_NE(client.Window(), nullptr);

    win32::BoundedSender sender(2000);
    win32::Delivery delivery;
    delivery.window = client.Window();
    delivery.message = WM_SETTEXT;
    delivery.buffer = "line";
    const auto answer = sender.Send(delivery);

    // The client had its answer, and the player the client's, in time.
    EXPECT_TRUE(answer.has_value());
    EXPECT_TRUE(client.Answered());
    EXPECT_EQ(sentToPlayer, 1);
    EXPECT_EQ(postedToPlayer, 0);
    events.ProcessPendingEvents();
    EXPECT_EQ(postedToPlayer, 1);
    // Let a client that is still asking have its answer before it ends.
    while (!client.Answered()) {
      events.WaitForEvents(0.05);
      events.ProcessPendingEvents();
    }
  }
  DestroyWindow(player);
}

}  // namespace
}  // namespace jukett::testing
