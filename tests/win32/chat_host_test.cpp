// The chat sender and host identity driving the real user32 adapters against
// the stand-in host, in its own process where Wine allows it. Which text goes
// back into the input, and which name a caption gives: ChatSending, ScreenName.
#include <windows.h>

#include <gtest/gtest.h>
#include <richedit.h>

#include <chrono>
#include <optional>

#include "chathost/chat_room.h"
#include "chathost/chat_sender.h"
#include "chathost/host_classes.h"
#include "chathost/host_identity.h"
#include "chathost/window_text.h"
#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_host_windows.h"
#include "tests/win32/chat_host_fixture.h"
#include "tests/win32/standin_process.h"
#include "tools/standin_host/standin_host.h"
#include "tools/standin_host/standin_options.h"

namespace jukett::testing {
namespace {

namespace classes = host_classes;
using standin::ParseStandinOptions;
using standin::StandinHost;

// The announcement as a member of the room reads it.
const std::string kShownAnnouncement = "\xC2\xBB juKett ZRV by kelvor \xC2\xBB [on]";

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

// This Wine cannot read another process's menus, so the menus are read from
// the stand-in's window tree built inside this process. The version each
// menu gives: HostVersionFromMenus; how menus read: HostWindowsContract.
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
