// The chat sender and host identity driving the real user32 adapters against
// the stand-in host, in its own process where Wine allows it.
#include <windows.h>

#include <gtest/gtest.h>
#include <richedit.h>

#include <atomic>
#include <chrono>
#include <optional>

#include "chathost/chat_room.h"
#include "chathost/chat_sender.h"
#include "chathost/host_classes.h"
#include "chathost/host_identity.h"
#include "chathost/window_text.h"
#include "platform/win32/ansi_text.h"
#include "platform/win32/bounded_send.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"
#include "tests/win32/standin_process.h"
#include "tools/standin_host/standin_host.h"
#include "tools/standin_host/standin_options.h"

namespace jukett::testing {
namespace {

namespace classes = host_classes;
using standin::ParseStandinOptions;
using standin::StandinHost;

// An announcement as the player puts it together, in UTF-8, and the bytes the
// room must log for it: "»" as the single byte 0xBB.
const std::string kAnnouncement =
    "<font face=Arial color=#000000><b>\xC2\xBB</b> <b><font color=#BBBBBB>juKett ZRV</b>"
    "<font color=#000000> by kelvor <b>\xC2\xBB</b> [<b><font color=#BBBBBB>on</b>"
    "<font color=#000000>]";
const std::string kLoggedAnnouncement =
    "<font face=Arial color=#000000><b>\xBB</b> <b><font color=#BBBBBB>juKett ZRV</b>"
    "<font color=#000000> by kelvor <b>\xBB</b> [<b><font color=#BBBBBB>on</b>"
    "<font color=#000000>]\n";
// The same as a member of the room reads it.
const std::string kShownAnnouncement = "\xC2\xBB juKett ZRV by kelvor \xC2\xBB [on]";

class ChatHost : public ::testing::Test {
 protected:
  Window FirstInput() { return FindChatInput(windows, FindChatRoom(host)); }

  win32::Win32HostWindows windows;
  win32::Win32EventPump events;
  HostPorts host{windows, events};
};

TEST_F(ChatHost, AnnouncementLandsInTheRoomByteExact) {
  StandinProcess standin({L"--children", L"welcome,room"});
  ASSERT_TRUE(standin.Ready());
  const Window room = FindChatRoom(host);
  ASSERT_NE(room, kNoWindow);

  SendChat(host, kAnnouncement);

  EXPECT_EQ(standin.LogOfLines(1), kLoggedAnnouncement);
  EXPECT_EQ(ReadWindowText(windows, FirstInput()), "");
  const Window transcript = windows.FindChild(room, kNoWindow, classes::kTranscript);
  EXPECT_EQ(ReadWindowText(windows, transcript), kShownAnnouncement);
}

TEST_F(ChatHost, ReachesARoomBehindOtherWindows) {
  StandinProcess standin({L"--children", L"other,welcome,room"});
  ASSERT_TRUE(standin.Ready());
  SendChat(host, "behind");
  EXPECT_EQ(standin.LogOfLines(1), "behind\n");
}

TEST_F(ChatHost, NothingLandsWithoutARoomOrAnInput) {
  for (const wchar_t* children : {L"welcome,other", L"noinput,room", L"partial,room", L"welcome"}) {
    StandinProcess standin({L"--children", children});
    ASSERT_TRUE(standin.Ready());
    SendChat(host, kAnnouncement);
    EXPECT_EQ(standin.Log(), "") << "children: " << win32::WideToUtf8(children);
  }
}

TEST_F(ChatHost, WithoutAClientNothingIsSentAndTheAnswersAreNeutral) {
  ASSERT_EQ(windows.FindTopLevel(classes::kFrame), kNoWindow);
  SendChat(host, kAnnouncement);
  EXPECT_EQ(HostScreenName(host), "None");
  EXPECT_EQ(HostVersion(windows), "9");
}

TEST_F(ChatHost, UnsentTextGoesBackIntoTheInput) {
  struct Case {
    const wchar_t* typed;
    std::string left;
  };
  for (const Case& c : {Case{L"hi Chat Input", "hi "}, Case{L"Chat Input", ""},
                        Case{L"half a sentence", "half a sentence"}}) {
    StandinProcess standin({L"--input-text", c.typed});
    ASSERT_TRUE(standin.Ready());
    SendChat(host, "line");
    EXPECT_EQ(standin.LogOfLines(1), "line\n");
    EXPECT_EQ(ReadWindowText(windows, FirstInput()), c.left);
  }
}

TEST_F(ChatHost, ScreenNameFromTheWelcomeCaption) {
  struct Case {
    std::vector<std::wstring> options;
    std::string name;
  };
  const Case cases[] = {
      {{L"--screen-name", L"dj kelvor"}, "dj kelvor"},
      {{L"--welcome-caption", L"WELCOME, BOB!"}, "BOB"},
      {{L"--children", L"room,other,welcome", L"--screen-name", L"kelvor"}, "kelvor"},
      {{L"--children", L"room"}, "None"},
      {{L"--welcome-caption", L"Welcome, !"}, "None"},
  };
  for (const Case& c : cases) {
    StandinProcess standin(c.options);
    ASSERT_TRUE(standin.Ready());
    EXPECT_EQ(HostScreenName(host), c.name);
  }
}

// Every announcement goes to the room through helper threads of its own; a
// session's worth of them, started and ended back to back, must all land
// and leave the program standing.
TEST_F(ChatHost, HundredsOfAnnouncementsInARowAllLand) {
  StandinProcess standin({L"--children", L"welcome,room"});
  ASSERT_TRUE(standin.Ready());
  constexpr int kCount = 300;
  for (int i = 0; i < kCount; ++i) SendChat(host, kAnnouncement);

  std::string expected;
  for (int i = 0; i < kCount; ++i) expected += kLoggedAnnouncement;
  EXPECT_EQ(standin.Log(), expected);
}

TEST_F(ChatHost, HungClientCostsOneTimeoutThenNothing) {
  StandinProcess standin({L"--hang", L"30"});
  ASSERT_TRUE(standin.Ready());
  const auto timed = [&] {
    const auto start = std::chrono::steady_clock::now();
    SendChat(host, kAnnouncement);
    return std::chrono::steady_clock::now() - start;
  };
  EXPECT_LT(timed(), std::chrono::seconds(4));
  EXPECT_LT(timed(), std::chrono::milliseconds(500));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(HostScreenName(host), "None");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

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
  explicit AskingClient(HWND player) : player_(player) {
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, &AskingClient::Run, this, 0, &threadId_);
    WaitForSingleObject(ready_, 10000);
  }
  ~AskingClient() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    CloseHandle(ready_);
  }
  AskingClient(const AskingClient&) = delete;
  AskingClient& operator=(const AskingClient&) = delete;

  HWND Window() const { return window_; }
  bool Answered() const { return answered_; }

 private:
  static DWORD WINAPI Run(void* parameter) {
    auto* self = static_cast<AskingClient*>(parameter);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &AskingClient::Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"jukett.test.asking";
    RegisterClassW(&windowClass);
    self->window_ = CreateWindowW(L"jukett.test.asking", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr);
    SetWindowLongPtrW(self->window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    SetEvent(self->ready_);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    DestroyWindow(self->window_);
    return 0;
  }

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<AskingClient*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_SETTEXT && self) {
      PostMessageW(self->player_, WM_APP + 1, 0, 0);
      SendMessageW(self->player_, WM_APP, 0, 0);
      self->answered_ = true;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  HWND player_;
  HANDLE ready_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
  std::atomic<bool> answered_{false};
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

// This Wine cannot read another process's menus, so the menus are read from
// the stand-in's window tree built inside this process.
class ChatHostInProcess : public ChatHost {
 protected:
  bool Start(const std::vector<std::wstring>& arguments) {
    const auto options = ParseStandinOptions(arguments);
    if (!options) return false;
    standin.emplace(*options);
    return standin->Create(GetModuleHandleW(nullptr), SW_HIDE);
  }

  std::optional<StandinHost> standin;
};

TEST_F(ChatHostInProcess, VersionFromTheMenus) {
  struct Case {
    std::vector<std::wstring> options;
    std::string version;
  };
  const Case cases[] = {
      {{L"--version", L"4"}, "4"},
      {{L"--version", L"6"}, "5"},
      {{L"--version", L"5", L"--version-case", L"upper"}, "5"},
      {{L"--version", L"7", L"--version-case", L"lower"}, "7"},
      {{L"--version", L"8"}, "8"},
      {{L"--version", L"none"}, "9"},
      {{L"--menu-item", L"What's &New in AOL 7.0"}, "9"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Start(c.options));
    EXPECT_EQ(HostVersion(windows), c.version);
    standin.reset();
  }
}

TEST_F(ChatHostInProcess, VersionFiveTypesIntoTheFirstInputAndKeepsTheSecond) {
  const std::wstring log = NewScratchFolder() + L"posted.log";
  ASSERT_TRUE(Start(
      {L"--version", L"5", L"--inputs", L"2", L"--input-text", L"Chat Input", L"--log", log}));
  const Window room = FindChatRoom(host);
  const Window first = FindChatInput(windows, room);
  const Window second = windows.FindChild(room, first, classes::kChatInput);
  windows.SetText(second, "draft");

  SendChat(host, "five");

  EXPECT_EQ(ReadWindowText(windows, first), "");
  EXPECT_EQ(ReadWindowText(windows, second), "draft");
  const Window transcript = windows.FindChild(room, kNoWindow, classes::kTranscript);
  EXPECT_NE(ReadWindowText(windows, transcript).find("five"), std::string::npos);
}

// The transcript's character format at `position`.
CHARFORMATA FormatAt(HWND transcript, LONG position) {
  CHARRANGE one{position, position + 1};
  SendMessageA(transcript, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
  CHARFORMATA format{};
  format.cbSize = sizeof(format);
  SendMessageA(transcript, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

std::string Face(const CHARFORMATA& format) { return format.szFaceName; }
bool Bold(const CHARFORMATA& format) { return (format.dwEffects & CFE_BOLD) != 0; }
bool AutoColour(const CHARFORMATA& format) { return (format.dwEffects & CFE_AUTOCOLOR) != 0; }

TEST_F(ChatHostInProcess, TheTranscriptShowsTheLinesFontsColoursAndBoldNotTheirTags) {
  ASSERT_TRUE(Start({L"--children", L"welcome,room"}));
  SendChat(host, kAnnouncement);
  SendChat(host, "plain <i>words</i> <font color=#12>x");
  const Window shown = windows.FindChild(FindChatRoom(host), kNoWindow, classes::kTranscript);
  const auto transcript = reinterpret_cast<HWND>(shown);

  EXPECT_EQ(ReadWindowText(windows, shown),
            kShownAnnouncement + "\r\nplain words <font color=#12>x");

  const LONG kChevron = 0, kProduct = 2, kWord = 13, kValue = 26, kSecondLine = 30;
  for (LONG at : {kChevron, kProduct, kWord, kValue}) {
    EXPECT_EQ(Face(FormatAt(transcript, at)), "Arial") << at;
  }
  EXPECT_TRUE(Bold(FormatAt(transcript, kChevron)));
  EXPECT_EQ(FormatAt(transcript, kChevron).crTextColor, RGB(0, 0, 0));
  EXPECT_TRUE(Bold(FormatAt(transcript, kProduct)));
  EXPECT_EQ(FormatAt(transcript, kProduct).crTextColor, RGB(0xBB, 0xBB, 0xBB));
  EXPECT_FALSE(Bold(FormatAt(transcript, kWord)));
  EXPECT_FALSE(AutoColour(FormatAt(transcript, kWord)));
  EXPECT_EQ(FormatAt(transcript, kWord).crTextColor, RGB(0, 0, 0));
  EXPECT_TRUE(Bold(FormatAt(transcript, kValue)));
  EXPECT_EQ(FormatAt(transcript, kValue).crTextColor, RGB(0xBB, 0xBB, 0xBB));

  // A line without fonts starts afresh: nothing of the line before reaches it.
  const CHARFORMATA plain = FormatAt(transcript, kSecondLine);
  EXPECT_NE(Face(plain), "Arial");
  EXPECT_FALSE(Bold(plain));
  EXPECT_TRUE(AutoColour(plain));
}

}  // namespace
}  // namespace jukett::testing
