#include "chathost/host_identity.h"

#include <climits>
#include <string>
#include <vector>

#include "chathost/host_classes.h"
#include "chathost/window_text.h"
#include "tests/unit/host_fixture.h"

namespace jukett::sim {
namespace {

using HostVersionFromMenus = HostTest;

TEST_F(HostVersionFromMenus, ReadsTheVersionFromTheWhatsNewItem) {
  struct Case {
    const char* item;
    const char* version;
  };
  const Case cases[] = {
      {"&What's New in AOL 5.0", "5"},
      {"&WHAT'S NEW IN AOL 5.0", "5"},
      {"&what's new in aol 6.0", "5"},
      {"&WHAT'S NEW IN AOL 6.0", "5"},
      {"&What's New in AOL 4.0", "4"},
      {"&What's New in AOL 7.0", "7"},
      {"&What's New in AOL 8.0", "8"},
      {"Read &What's New in AOL 7.0 first", "7"},
      {"What's &New in AOL 7.0", "9"},
      {"&What's New in AOL 9.0", "9"},
      // Both markers in one item: the order of the markers decides.
      {"&What's New in AOL 4.0 / &What's New in AOL 5.0", "5"},
  };
  for (const Case& c : cases) {
    SimDesktop other;
    SimHostClient otherClient{other};
    otherClient.AddMenuItem(c.item);
    EXPECT_EQ(HostVersion(other), c.version) << c.item;
  }
}

TEST_F(HostVersionFromMenus, TheFirstMatchingItemInMenuOrderWins) {
  client.AddMenuItem("&What's New in AOL 7.0");
  client.AddMenuItem("&What's New in AOL 4.0");
  const Menu later = client.AddDropDown("&Extra");
  client.AddMenuItemTo(later, "&What's New in AOL 8.0");
  EXPECT_EQ(HostVersion(desktop), "7");
}

TEST_F(HostVersionFromMenus, LooksOnlyAtItemsDirectlyInTheDropDowns) {
  const Menu nested = desktop.AddMenu();
  desktop.AppendItem(nested, 501, "&What's New in AOL 7.0");
  const Menu extra = client.AddDropDown("&Extra");
  desktop.AppendDropDown(extra, nested, "&More");
  EXPECT_EQ(HostVersion(desktop), "9");
}

TEST_F(HostVersionFromMenus, FetchesEachItemByItsOwnFullWidthIdentifier) {
  client.AddMenuItem("&Keyword", 0x2345);
  client.AddMenuItem("&What's New in AOL 7.0", 0x12345);
  EXPECT_EQ(HostVersion(desktop), "7");
}

TEST_F(HostVersionFromMenus, SeesNoMoreOfAnItemThanItsBufferHolds) {
  client.AddMenuItem(std::string(80, '.') + "&What's New in AOL 7.0");
  client.AddMenuItem(std::string(77, '.') + "&What's New in AOL 8.0");
  EXPECT_EQ(HostVersion(desktop), "8");
}

TEST_F(HostVersionFromMenus, NineWithoutMarkersMenusOrClient) {
  EXPECT_EQ(HostVersion(desktop), "9");

  SimDesktop bare;
  bare.AddWindow(host_classes::kFrame, "America Online");
  EXPECT_EQ(HostVersion(bare), "9");

  SimDesktop empty;
  EXPECT_EQ(HostVersion(empty), "9");
}

using ScreenName = HostTest;

TEST_F(ScreenName, ReadsTheNameBetweenTheGreetingAndTheFirstBang) {
  struct Case {
    const char* caption;
    const char* name;
  };
  const Case cases[] = {
      {"Welcome, kelvor!", "kelvor"},
      {"Welcome, dj kelvor!", "dj kelvor"},
      {"Welcome,  padded !", " padded "},
      {"WELCOME, KELVOR!", "KELVOR"},
      {"Welcome, a!b!", "a"},
      {"Welcome, \xC3\xA9l\xC3\xA8ve!", "\xC3\xA9l\xC3\xA8ve"},
      {"Welcome, !", "None"},
      {"Welcome, kelvor", "None"},
      {"Welcome,!kelvor!", "None"},
      // The greeting is skipped by its length, not compared.
      {"Sign On - Welcome, kelvor!", " Welcome, kelvor"},
  };
  for (const Case& c : cases) {
    SimDesktop other;
    SimHostClient otherClient{other};
    HostPorts otherHost{other, other};
    otherClient.AddWelcome(c.caption);
    EXPECT_EQ(HostScreenName(otherHost), c.name) << c.caption;
  }
}

TEST_F(ScreenName, FindsTheWelcomeWindowAmongOtherChildren) {
  client.AddChatRoom();
  client.AddChild({}, "Buddy List");
  client.AddWelcome("welcome, kelvor!");
  EXPECT_EQ(HostScreenName(host), "kelvor");
  EXPECT_EQ(desktop.PumpCount(), 2);
}

TEST_F(ScreenName, ComparesOnlyTheStartOfLongCaptions) {
  client.AddChild({}, std::string(195, 'x') + "Welcome, kelvor!");
  EXPECT_EQ(HostScreenName(host), "None");
  client.AddChild({}, std::string(190, 'x') + "Welcome, kelvor!");
  EXPECT_EQ(HostScreenName(host), std::string(181, 'x') + "Welcome, kelvor");
}

TEST_F(ScreenName, NoneWithoutWelcomeWindowOrClient) {
  client.AddChatRoom();
  EXPECT_EQ(HostScreenName(host), "None");

  SimDesktop empty;
  HostPorts emptyHost{empty, empty};
  EXPECT_EQ(HostScreenName(emptyHost), "None");
}

using WindowText = HostTest;

TEST_F(WindowText, ReadsTheWholeTextAndNothingForNoWindow) {
  const Window room = client.AddChatRoom();
  const std::string longText(5000, 'a');
  desktop.StageText(client.ChatInput(room), longText);
  EXPECT_EQ(ReadWindowText(desktop, client.ChatInput(room)), longText);
  desktop.ForgetMessages();
  EXPECT_EQ(ReadWindowText(desktop, kNoWindow), "");
  EXPECT_TRUE(desktop.Messages().empty());
}

// A client that claims its windows hold nearly INT_MAX characters.
class BoastingDesktop : public SimDesktop {
 public:
  int CaptionLength(Window) override { return INT_MAX; }
  int TextLength(Window) override { return INT_MAX; }
  std::string Text(Window window, int capacity) override {
    capacities.push_back(capacity);
    return SimDesktop::Text(window, capacity);
  }
  std::vector<int> capacities;
};

TEST(WindowTextOfABoastingClient, ReadsNoMoreThanAChatInputCanHold) {
  BoastingDesktop desktop;
  HostPorts host{desktop, desktop};
  const Window parent = desktop.AddWindow("MDIClient");
  const Window window = desktop.AddWindow("AOL Child", "Welcome, kelvor!", parent);
  EXPECT_EQ(ReadWindowText(desktop, window), "Welcome, kelvor!");
  ASSERT_EQ(desktop.capacities.size(), 1u);
  EXPECT_GT(desktop.capacities[0], 32767);
  EXPECT_LE(desktop.capacities[0], kMaxWindowTextUnits + 1);
  EXPECT_EQ(FindChildByCaption(host, parent, window, "kelvor"), window);
}

TEST_F(WindowText, CaptionSearchNeedsAReadablePatternClass) {
  const Window welcome = client.AddWelcome("Welcome, kelvor!");
  EXPECT_EQ(FindChildByCaption(host, client.MdiClient(), welcome, "WELCOME,"), welcome);
  EXPECT_EQ(FindChildByCaption(host, client.MdiClient(), kNoWindow, "Welcome,"), kNoWindow);
}

}  // namespace
}  // namespace jukett::sim
