// What the chat core relies on from another program's windows and menus,
// stated once and run against the simulated desktop and real windows. A world
// gives the port and builds a client's windows, whose program answers at once:
//   struct World {
//     HostWindows& Host();
//     // A window of `windowClass` holding `text`; a child of `parent`, after
//     // its older siblings, or top-level for 0. Like an input field, it
//     // takes a typed character at the end of its text.
//     Window AddWindow(std::string windowClass, std::string text = {},
//                      Window parent = kNoWindow);
//     void RemoveWindow(Window window);  // with its children and menu bar
//     Menu AddMenu();
//     void AppendItem(Menu menu, MenuItemId id, std::string text);
//     void AppendDropDown(Menu menu, Menu dropDown, std::string text);
//     void SetMenuBar(Window window, Menu bar);
//   };
// Texts are UTF-8; the code page is Western European (1252).
// Instantiate with INSTANTIATE_TYPED_TEST_SUITE_P(Name, HostWindowsContract, World).
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ports/host_windows.h"

namespace jukett {

template <typename World>
class HostWindowsContract : public ::testing::Test {
 protected:
  HostWindows& host() { return world.Host(); }
  Window Input(const std::string& text = {}, Window parent = kNoWindow) {
    return world.AddWindow("RICHCNTL", text, parent);
  }
  // On `frame`: a command, then "Help" with a command and a nested "About".
  void StageMenus(Window frame) {
    world.AppendItem(bar, 5, "&Sign Off");
    world.AppendDropDown(bar, help, "&Help");
    world.AppendItem(help, 7, "&Member Services");
    world.AppendDropDown(help, about, "&About");
    world.AppendItem(about, 9, "About AOL 5.0");
    world.SetMenuBar(frame, bar);
  }

  World world;
  const Menu bar = world.AddMenu(), help = world.AddMenu(), about = world.AddMenu();
};

TYPED_TEST_SUITE_P(HostWindowsContract);

// What a menu answers for a position that holds no command.
inline constexpr MenuItemId kNoCommand = 0xFFFFFFFF;

TYPED_TEST_P(HostWindowsContract, FindTopLevelTakesTheWholeClassNameInAnyCase) {
  const Window frame = this->world.AddWindow("AOL Frame25");
  this->world.AddWindow("_AOL_Static", {}, frame);
  EXPECT_EQ(this->host().FindTopLevel("aol frame25"), frame);
  EXPECT_EQ(this->host().FindTopLevel("AOL Frame2"), kNoWindow);
  EXPECT_EQ(this->host().FindTopLevel("_AOL_Static"), kNoWindow) << "a child is not top-level";
}

TYPED_TEST_P(HostWindowsContract, FindChildWalksDirectChildrenInOrderByWholeClassName) {
  const Window room = this->world.AddWindow("AOL Child");
  this->world.AddWindow("RICHCNTLREADONLY", {}, room);
  const Window first = this->Input({}, room);
  const Window nested = this->Input({}, first);
  const Window second = this->world.AddWindow("richcntl", {}, room);

  EXPECT_EQ(this->host().FindChild(room, kNoWindow, "RICHCNTL"), first);
  EXPECT_EQ(this->host().FindChild(room, first, "RICHCNTL"), second);
  EXPECT_EQ(this->host().FindChild(room, second, "RICHCNTL"), kNoWindow);
  EXPECT_EQ(this->host().FindChild(room, kNoWindow, "RICHCNT"), kNoWindow);
  EXPECT_EQ(this->host().FindChild(room, nested, "RICHCNTL"), kNoWindow) << "not a direct child";
  EXPECT_EQ(this->host().FindChild(first, kNoWindow, "RICHCNTL"), nested);
}

// A capacity counts the code page's units and keeps one for the terminating zero.
TYPED_TEST_P(HostWindowsContract, NamesAndTextsFitTheCallersCapacity) {
  const std::string chevron = "\xC2\xBB";  // one unit of the code page
  const Window window = this->Input(chevron + "abcd");
  HostWindows& host = this->host();
  // At least the text's units: Windows may allow for double-byte characters
  // when a Unicode window's length is asked in the code page.
  EXPECT_GE(host.TextLength(window), 5);
  EXPECT_GE(host.CaptionLength(window), 5);
  EXPECT_EQ(host.Text(window, 6), chevron + "abcd");
  EXPECT_EQ(host.Text(window, 3), chevron + "a");
  EXPECT_EQ(host.Caption(window, 100), chevron + "abcd");
  EXPECT_EQ(host.Caption(window, 2), chevron);
  EXPECT_EQ(host.ClassName(window, 100), "RICHCNTL");
  EXPECT_EQ(host.ClassName(window, 3), "RI");
  for (int none : {1, 0, -1}) {
    EXPECT_EQ(host.Text(window, none), "");
    EXPECT_EQ(host.Caption(window, none), "");
    EXPECT_EQ(host.ClassName(window, none), "");
  }
}

// The ANSI messages carry the code page: a character it has no likeness
// for arrives as "?".
TYPED_TEST_P(HostWindowsContract, SetTextAndTextSpeakTheCodePage) {
  const std::string sun = "\xE6\x97\xA5";
  const Window window = this->Input(sun + " \xC2\xBB");
  EXPECT_EQ(this->host().Text(window, 100), "? \xC2\xBB");
  this->host().SetText(window, "\xC2\xBB on " + sun);
  EXPECT_EQ(this->host().Text(window, 100), "\xC2\xBB on ?");
  EXPECT_EQ(this->host().UserText(window), "\xC2\xBB on ?") << "lost on the way in";
}

// Whole, every character, up to the cap in the window's own units: 30,000
// CJK characters are 90,000 bytes of UTF-8 but well within it.
TYPED_TEST_P(HostWindowsContract, UserTextHasEveryCharacterUpToTheCap) {
  const std::string typed = "\xCE\xA9 \xC2\xBB \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xB5";
  EXPECT_EQ(this->host().UserText(this->Input(typed)), typed);
  EXPECT_EQ(this->host().UserText(this->Input()), "");
  std::string cjk;
  for (int i = 0; i < 30000; ++i) cjk += "\xE6\x97\xA5";
  const std::string whole(kMaxWindowTextUnits, 'x');
  // Compared, not printed: a failure would print 90,000 bytes.
  EXPECT_TRUE(this->host().UserText(this->Input(cjk)) == cjk);
  EXPECT_TRUE(this->host().UserText(this->Input(whole)) == whole);
  const Window over = this->Input(whole + "x");
  EXPECT_EQ(this->host().UserText(over), std::nullopt) << "a window claiming more is left alone";
  EXPECT_EQ(this->host().Text(over, 4), "xxx") << "a read of a known size still answers";
}

// A client that answers at once has every edit when the call returns, in
// order, across its windows; an edit for no window is passed over.
TYPED_TEST_P(HostWindowsContract, EditInOrderLandsEveryEditInOrder) {
  const Window room = this->world.AddWindow("AOL Child");
  const Window input = this->Input("draft", room);
  const Window other = this->Input({}, room);
  using Kind = WindowEdit::Kind;
  this->host().EditInOrder({{Kind::SetText, input, "line \xCE\xA9"},
                            {Kind::Char, input, "!"},
                            {Kind::SetText, kNoWindow, "lost"},
                            {Kind::SetText, other, "second"},
                            {Kind::Char, other, "!"},
                            {Kind::PutBackText, input, "\xCE\xA9 draft"},
                            {Kind::Char, input, "?"}});
  EXPECT_EQ(this->host().UserText(input), "\xCE\xA9 draft?") << "put back whole, then typed";
  EXPECT_EQ(this->host().UserText(other), "second!");
}

TYPED_TEST_P(HostWindowsContract, MenusGiveItemsByPositionAndTextsByCommandIncludingNestedOnes) {
  const Window frame = this->world.AddWindow("AOL Frame25");
  this->StageMenus(frame);
  HostWindows& host = this->host();

  ASSERT_EQ(host.MenuBar(frame), this->bar);
  EXPECT_EQ(host.MenuItemCount(this->bar), 2);
  EXPECT_EQ(host.MenuItemCount(this->about), 1);
  EXPECT_EQ(host.SubMenu(this->bar, 1), this->help);
  EXPECT_EQ(host.SubMenu(this->help, 1), this->about);
  EXPECT_EQ(host.SubMenu(this->bar, 0), kNoMenu) << "a command has no drop-down";
  EXPECT_EQ(host.SubMenu(this->bar, 2), kNoMenu);
  EXPECT_EQ(host.ItemId(this->bar, 0), 5u);
  EXPECT_EQ(host.ItemId(this->bar, 1), kNoCommand) << "a drop-down is no command";
  EXPECT_EQ(host.ItemId(this->bar, 2), kNoCommand);
  EXPECT_EQ(host.ItemText(this->help, 7, 100), "&Member Services");
  EXPECT_EQ(host.ItemText(this->bar, 9, 100), "About AOL 5.0") << "found in the nested drop-down";
  EXPECT_EQ(host.ItemText(this->bar, 9, 6), "About");
  EXPECT_EQ(host.ItemText(this->about, 7, 100), "") << "not in that drop-down";
  EXPECT_EQ(host.MenuBar(this->world.AddWindow("AOL Child")), kNoMenu);
}

// What the core asks of no window, or of one that has gone.
TYPED_TEST_P(HostWindowsContract, NoWindowOrMenuAndGoneOnesAnswerNothing) {
  const Window frame = this->world.AddWindow("AOL Frame25", "America Online");
  const Window input = this->Input("typed", frame);
  this->StageMenus(frame);
  this->world.RemoveWindow(frame);
  HostWindows& host = this->host();

  EXPECT_EQ(host.FindTopLevel("AOL Frame25"), kNoWindow);
  for (const Window none : {kNoWindow, frame, input}) {
    EXPECT_EQ(host.FindChild(none, kNoWindow, "RICHCNTL"), kNoWindow);
    EXPECT_EQ(host.ClassName(none, 100), "");
    EXPECT_EQ(host.CaptionLength(none), 0);
    EXPECT_EQ(host.Caption(none, 100), "");
    EXPECT_EQ(host.TextLength(none), 0);
    EXPECT_EQ(host.Text(none, 100), "");
    EXPECT_EQ(host.UserText(none).value_or(""), "");
    host.SetText(none, "line");
    host.EditInOrder(
        {{WindowEdit::Kind::SetText, none, "line"}, {WindowEdit::Kind::Char, none, "!"}});
    EXPECT_EQ(host.MenuBar(none), kNoMenu);
  }
  // A window's menu bar goes with it, drop-downs and all.
  for (const Menu none : {kNoMenu, this->bar, this->help, this->about}) {
    EXPECT_EQ(host.MenuItemCount(none), -1);
    EXPECT_EQ(host.SubMenu(none, 0), kNoMenu);
    EXPECT_EQ(host.ItemId(none, 0), kNoCommand);
    EXPECT_EQ(host.ItemText(none, 7, 100), "");
  }
}

REGISTER_TYPED_TEST_SUITE_P(HostWindowsContract, FindTopLevelTakesTheWholeClassNameInAnyCase,
                            FindChildWalksDirectChildrenInOrderByWholeClassName,
                            NamesAndTextsFitTheCallersCapacity, SetTextAndTextSpeakTheCodePage,
                            UserTextHasEveryCharacterUpToTheCap, EditInOrderLandsEveryEditInOrder,
                            MenusGiveItemsByPositionAndTextsByCommandIncludingNestedOnes,
                            NoWindowOrMenuAndGoneOnesAnswerNothing);

}  // namespace jukett
