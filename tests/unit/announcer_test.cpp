#include "chathost/announcer.h"

#include <gtest/gtest.h>

#include "chathost/announcements.h"
#include "tests/unit/host_fixture.h"

namespace jukett::sim {
namespace {

class Announcer : public HostTest {
 protected:
  std::vector<std::string> PostedTexts() const {
    std::vector<std::string> texts;
    for (const auto& line : client.Posted()) texts.push_back(line.text);
    return texts;
  }

  Window room = client.AddChatRoom();
};

TEST_F(Announcer, GreetsWithOnThenIdentityAfterThePause) {
  client.AddWelcome("Welcome, kelvor!");
  client.AddMenuItem("&What's New in AOL 8.0");

  AnnounceStartUp(host, desktop);

  EXPECT_EQ(PostedTexts(), (std::vector<std::string>{StatusAnnouncement(PlayerStatus::On),
                                                     IdentityAnnouncement("kelvor", "8")}));
  ASSERT_EQ(client.Posted().size(), 2u);
  EXPECT_GE(client.Posted()[1].at - client.Posted()[0].at, 0.6);
}

TEST_F(Announcer, AsksForTheScreenNameBeforeTheVersion) {
  const Window welcome = client.AddWelcome("Welcome, kelvor!");
  AnnounceStartUp(host, desktop);

  // Sending a line reads the menus too, so only the reads after the first
  // line went out and before the second is sent tell the identity's order.
  const auto& messages = desktop.Messages();
  const auto firstOf = [&](std::size_t from, auto matches) {
    for (std::size_t i = from; i < messages.size(); ++i) {
      if (matches(messages[i])) return i;
    }
    return messages.size();
  };
  using Kind = SimDesktop::MessageKind;
  const std::size_t onSent = firstOf(0, [](const auto& m) { return m.kind == Kind::Char; });
  const std::size_t nameRead = firstOf(onSent, [&](const auto& m) {
    return m.kind == Kind::GetText && m.window == welcome;
  });
  const std::size_t versionRead =
      firstOf(onSent, [](const auto& m) { return m.kind == Kind::ReadMenuBar; });
  ASSERT_LT(nameRead, messages.size());
  EXPECT_LT(nameRead, versionRead);
}

TEST_F(Announcer, KeepsHandlingEventsDuringThePause) {
  bool clicked = false;
  desktop.PostAt(0.3, [&] { clicked = true; });
  AnnounceStartUp(host, desktop);
  EXPECT_TRUE(clicked);
}

TEST_F(Announcer, CountsTheFilesListedWhenTheSecondLineGoesOut) {
  std::size_t files = 3;
  desktop.PostAt(0.2, [&] { files = 12; });

  AnnounceDirHidden(host, desktop, [&] { return files; });

  EXPECT_EQ(PostedTexts(), (std::vector<std::string>{StatusAnnouncement(PlayerStatus::DirHidden),
                                                     CountAnnouncement(12)}));
  EXPECT_GE(client.Posted()[1].at - client.Posted()[0].at, 0.6);
}

TEST_F(Announcer, SaysOffAndGivesTheLineTimeToLeave) {
  AnnounceOff(host, desktop);
  EXPECT_EQ(PostedTexts(), (std::vector<std::string>{StatusAnnouncement(PlayerStatus::Off)}));
  EXPECT_GE(desktop.Now(), 0.4);
}

using AnnouncerWithoutHost = NoHostTest;

TEST_F(AnnouncerWithoutHost, StillPausesWhenNothingCanBePosted) {
  AnnounceStartUp(host, desktop);
  EXPECT_GE(desktop.Now(), 0.6);
  AnnounceDirHidden(host, desktop, [] { return std::size_t{0}; });
  EXPECT_GE(desktop.Now(), 1.2);
  AnnounceOff(host, desktop);
  EXPECT_GE(desktop.Now(), 1.6);
  EXPECT_FALSE(SentAnything(desktop));
}

}  // namespace
}  // namespace jukett::sim
