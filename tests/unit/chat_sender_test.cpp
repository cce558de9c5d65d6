#include "chathost/chat_sender.h"

#include <gmock/gmock.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "chathost/host_classes.h"
#include "tests/unit/host_fixture.h"
#include "util/timed_wait.h"

namespace jukett::sim {
namespace {

using Kind = SimDesktop::MessageKind;
using ::testing::ElementsAre;

// The messages the player sent, as "kind window text" lines for readable failures.
std::vector<std::string> Trace(const SimDesktop& desktop, Window input, Window second = 0) {
  std::vector<std::string> lines;
  for (const auto& message : desktop.Messages()) {
    const std::string target = message.window == input    ? "input"
                               : message.window == second ? "second"
                                                          : "other";
    switch (message.kind) {
      case Kind::GetTextLength:
        lines.push_back("length? " + target);
        break;
      case Kind::GetText:
        lines.push_back("text? " + target);
        break;
      case Kind::SetText:
        lines.push_back("set " + target + " [" + message.text + "]");
        break;
      case Kind::Char:
        lines.push_back("char " + target + (message.text == "\r" ? " CR" : " ?"));
        break;
      case Kind::ReadMenuBar:
        break;
    }
  }
  return lines;
}

class ChatSending : public HostTest {
 protected:
  Window room = client.AddChatRoom();
  Window input = client.ChatInput(room);
};

TEST_F(ChatSending, PostsIntoAnEmptyInputInTheHostsOrder) {
  SendChat(host, "hello room");
  EXPECT_THAT(Trace(desktop, input), ElementsAre("length? input", "set input []",
                                                 "set input [hello room]", "char input CR"));
  ASSERT_EQ(client.Posted().size(), 1u);
  EXPECT_EQ(client.Posted()[0].room, room);
  EXPECT_EQ(client.Posted()[0].text, "hello room");
}

// Unchanged as far as the code page the client speaks holds it.
TEST_F(ChatSending, PassesTheLineThroughUnchanged) {
  const std::string line = "<b>\xC2\xBB</b> a&b <i>\xE2\x82\xAC</i>";
  SendChat(host, line);
  ASSERT_EQ(client.Posted().size(), 1u);
  EXPECT_EQ(client.Posted()[0].text, line);
}

TEST_F(ChatSending, PutsTheInputMarkerTextBackWithoutTheMarker) {
  struct Case {
    std::string before;
    std::string after;
  };
  for (const Case& c : std::vector<Case>{{"Chat Input", ""},
                                         {"word Chat Input", "word "},
                                         {"chat input then Chat Input", " then Chat Input"}}) {
    desktop.StageText(input, c.before);
    desktop.ForgetMessages();
    SendChat(host, "line");
    EXPECT_EQ(desktop.TextOf(input), c.after) << c.before;
    EXPECT_THAT(Trace(desktop, input),
                ElementsAre("length? input", "text? input", "set input []", "set input [line]",
                            "char input CR", "set input []", "set input [" + c.after + "]"))
        << c.before;
  }
}

TEST_F(ChatSending, KeepsTheUsersUnsentTextWhenThereIsNoMarker) {
  for (const std::string typed : {"half a sentence", "chat input"}) {
    desktop.StageText(input, typed);
    SendChat(host, "line");
    EXPECT_EQ(desktop.TextOf(input), typed);
    EXPECT_EQ(client.Posted().back().text, "line");
  }
}

TEST_F(ChatSending, WithVersionFiveClearsTheSecondInputButWritesTheFirstAndKeepsBoth) {
  client.AddMenuItem("&What's New in AOL 5.0");
  desktop.RemoveWindow(room);
  room = client.AddChatRoom(2);
  input = client.ChatInput(room, 0);
  const Window second = client.ChatInput(room, 1);
  desktop.StageText(input, "Chat Input");
  desktop.StageText(second, "draft");

  SendChat(host, "line");

  EXPECT_THAT(Trace(desktop, input, second),
              ElementsAre("length? input", "text? input", "length? second", "text? second",
                          "set second []", "set input [line]", "char input CR", "set second []",
                          "set input []", "set second [draft]"));
  EXPECT_EQ(client.Posted().back().text, "line");
  EXPECT_EQ(desktop.TextOf(second), "draft");
}

TEST_F(ChatSending, LeavesEverythingAsItIsWhenTheClientDoesNotTellWhatIsTyped) {
  client.AddMenuItem("&What's New in AOL 5.0");
  desktop.RemoveWindow(room);
  room = client.AddChatRoom(2);
  input = client.ChatInput(room, 0);
  const Window second = client.ChatInput(room, 1);
  for (const Window busy : {second, input}) {
    desktop.StageText(input, "typed");
    desktop.StageText(second, "draft");
    desktop.StopAnswering(busy);
    SendChat(host, "line");
    EXPECT_FALSE(SentAnything(desktop));
    EXPECT_EQ(desktop.TextOf(input), "typed");
    EXPECT_EQ(desktop.TextOf(second), "draft");
  }
}

TEST_F(ChatSending, SendsNothingToARoomWithoutAnInput) {
  desktop.RemoveWindow(input);
  SendChat(host, "line");
  EXPECT_FALSE(SentAnything(desktop));
}

TEST_F(ChatSending, GoesOnQuietlyWhenTheRoomClosesMidway) {
  // The room closes at Enter and another one opens, with a draft of its own:
  // the rest of the line's steps were meant for the room that closed.
  desktop.StageText(input, "draft");
  Window next = kNoWindow;
  desktop.OnChar(input, [&](char) {
    desktop.RemoveWindow(room);
    next = client.AddChatRoom();
    desktop.StageText(client.ChatInput(next), "next draft");
  });
  SendChat(host, "line");
  ASSERT_NE(next, kNoWindow);
  EXPECT_EQ(desktop.TextOf(client.ChatInput(next)), "next draft");
}

TEST_F(ChatSending, FindsTheRoomAfreshForEveryLine) {
  SendChat(host, "one");
  desktop.RemoveWindow(room);
  const Window next = client.AddChatRoom();
  SendChat(host, "two");
  ASSERT_EQ(client.Posted().size(), 2u);
  EXPECT_EQ(client.Posted()[1].room, next);
}

// A desktop on which the user clicks while the client tells what is typed:
// the click waits in the queue for the next pump.
class ClickWhileReading : public SimDesktop {
 public:
  std::optional<std::string> UserText(Window window) override {
    auto typed = SimDesktop::UserText(window);
    if (click) Post(std::exchange(click, {}));
    return typed;
  }
  std::function<void()> click;
};

TEST(ChatSendingWithAClickQueued, KeepsWhatTheUserTypesWhileTheClickIsHandled) {
  ClickWhileReading desktop;
  SimHostClient client{desktop};
  HostPorts host{desktop, desktop};
  client.AddWelcome("Welcome, kelvor!");  // the room is not the first child: the search pumps
  const Window input = client.ChatInput(client.AddChatRoom());
  desktop.StageText(input, "see you at");
  // The click announces itself and pauses; the user types on meanwhile.
  desktop.click = [&] {
    SendChat(host, "dir hidden");
    desktop.PostAt(desktop.Now() + 0.3, [&] { desktop.StageText(input, "see you at 8 tonight"); });
    WaitSeconds(desktop, desktop, 0.6);
  };

  SendChat(host, "playing");
  desktop.ProcessPendingEvents();

  EXPECT_EQ(desktop.TextOf(input), "see you at 8 tonight");
  ASSERT_EQ(client.Posted().size(), 2u);
  EXPECT_EQ(client.Posted()[0].text, "playing");
}

using ChatSendingWithoutHost = NoHostTest;

TEST_F(ChatSendingWithoutHost, DropsTheLineQuietly) {
  SendChat(host, "line");
  EXPECT_FALSE(SentAnything(desktop));

  SimHostClient client{desktop};
  client.AddWelcome("Welcome, kelvor!");
  SendChat(host, "line");
  EXPECT_FALSE(SentAnything(desktop));
}

}  // namespace
}  // namespace jukett::sim
