#include "chathost/chat_room.h"

#include "chathost/host_classes.h"
#include "tests/unit/host_fixture.h"

namespace jukett::sim {
namespace {

namespace classes = host_classes;

using ChatRoomSearch = HostTest;

TEST_F(ChatRoomSearch, FindsTheRoomWhenItIsTheFirstChildWithoutPumping) {
  const Window room = client.AddChatRoom();
  client.AddChatRoom();
  EXPECT_EQ(FindChatRoom(host), room);
  EXPECT_EQ(desktop.PumpCount(), 0);
}

TEST_F(ChatRoomSearch, ScansPastChildrenWithoutTheDecidingMarkers) {
  client.AddWelcome("Welcome, kelvor!");
  // Lacks only the combobox, so it does not end the search either.
  client.AddChild({classes::kListbox, classes::kStatic, classes::kIcon, classes::kTranscript});
  const Window room = client.AddChatRoom();
  EXPECT_EQ(FindChatRoom(host), room);
  EXPECT_EQ(desktop.PumpCount(), 2);
}

TEST_F(ChatRoomSearch, FirstChildWithComboboxListboxAndStaticDecidesAlone) {
  for (auto missing : {classes::kIcon, classes::kTranscript}) {
    SimDesktop other;
    SimHostClient otherClient{other};
    HostPorts otherHost{other, other};
    std::vector<const char*> kinds{classes::kCombobox, classes::kListbox, classes::kStatic,
                                   classes::kIcon, classes::kTranscript};
    std::erase(kinds, missing);
    const Window first = otherClient.AddChild({});
    for (const char* kind : kinds) other.AddWindow(kind, {}, first);
    otherClient.AddChatRoom();
    EXPECT_EQ(FindChatRoom(otherHost), kNoWindow) << "first child lacks " << missing;
  }
}

TEST_F(ChatRoomSearch, MarkersMustBeDirectChildren) {
  const Window outer = client.AddChild({});
  const Window inner = desktop.AddWindow("_AOL_Tree", {}, outer);
  for (const char* kind : {classes::kCombobox, classes::kListbox, classes::kStatic, classes::kIcon,
                           classes::kTranscript}) {
    desktop.AddWindow(kind, {}, inner);
  }
  EXPECT_EQ(FindChatRoom(host), kNoWindow);
}

TEST_F(ChatRoomSearch, NothingWithoutRoomsMdiClientOrClient) {
  client.AddWelcome("Welcome, kelvor!");
  EXPECT_EQ(FindChatRoom(host), kNoWindow);

  SimDesktop frameOnly;
  frameOnly.AddWindow(classes::kFrame, "America Online");
  HostPorts frameOnlyHost{frameOnly, frameOnly};
  EXPECT_EQ(FindChatRoom(frameOnlyHost), kNoWindow);

  SimDesktop empty;
  HostPorts emptyHost{empty, empty};
  EXPECT_EQ(FindChatRoom(emptyHost), kNoWindow);
}

TEST_F(ChatRoomSearch, LooksAfreshOnEveryCall) {
  const Window first = client.AddChatRoom();
  EXPECT_EQ(FindChatRoom(host), first);
  desktop.RemoveWindow(first);
  EXPECT_EQ(FindChatRoom(host), kNoWindow);
  const Window second = client.AddChatRoom();
  EXPECT_EQ(FindChatRoom(host), second);
}

TEST_F(ChatRoomSearch, SurvivesHandlersThatCloseWindowsDuringTheScan) {
  const Window other = client.AddChild({classes::kIcon});
  const Window room = client.AddChatRoom();
  bool handled = false;
  desktop.Post([&] {
    handled = true;
    desktop.RemoveWindow(room);
  });
  EXPECT_EQ(FindChatRoom(host), kNoWindow);
  EXPECT_TRUE(handled);
  EXPECT_TRUE(desktop.Exists(other));
}

using ChatInputClearing = HostTest;

TEST_F(ChatInputClearing, EmptiesTheFirstInputForMostVersions) {
  for (const char* item : {"&What's New in AOL 4.0", "&What's New in AOL 7.0", "Nothing new"}) {
    SimDesktop other;
    SimHostClient otherClient{other};
    HostPorts otherHost{other, other};
    otherClient.AddMenuItem(item);
    const Window room = otherClient.AddChatRoom(2);
    other.StageText(otherClient.ChatInput(room, 0), "first");
    other.StageText(otherClient.ChatInput(room, 1), "second");
    ClearChatInput(otherHost);
    EXPECT_EQ(other.TextOf(otherClient.ChatInput(room, 0)), "") << item;
    EXPECT_EQ(other.TextOf(otherClient.ChatInput(room, 1)), "second") << item;
  }
}

TEST_F(ChatInputClearing, EmptiesTheSecondInputForVersionFive) {
  client.AddMenuItem("&What's New in AOL 6.0");
  const Window room = client.AddChatRoom(2);
  desktop.StageText(client.ChatInput(room, 0), "first");
  desktop.StageText(client.ChatInput(room, 1), "second");
  ClearChatInput(host);
  EXPECT_EQ(desktop.TextOf(client.ChatInput(room, 0)), "first");
  EXPECT_EQ(desktop.TextOf(client.ChatInput(room, 1)), "");
}

TEST_F(ChatInputClearing, SendsNothingWhereTheInputIsMissing) {
  client.AddMenuItem("&What's New in AOL 5.0");
  const Window room = client.AddChatRoom(1);
  desktop.StageText(client.ChatInput(room, 0), "first");
  ClearChatInput(host);
  EXPECT_EQ(desktop.TextOf(client.ChatInput(room, 0)), "first");
  EXPECT_FALSE(SentAnything(desktop));
}

}  // namespace
}  // namespace jukett::sim
