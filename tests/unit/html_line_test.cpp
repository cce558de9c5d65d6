// The stand-in room's reading of a chat line's HTML, as its transcript shows it.
#include "tools/standin_host/html_line.h"

#include <gtest/gtest.h>

namespace jukett::standin {
namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kGrey = 0xBBBBBB;

HtmlRun Plain(std::string text) { return {std::move(text), "", std::nullopt, false}; }

std::string Shown(const std::vector<HtmlRun>& runs) {
  std::string text;
  for (const HtmlRun& run : runs) text += run.text;
  return text;
}

TEST(HtmlLine, AnAnnouncementShowsItsWordsInItsFontsAndBolds) {
  const auto runs = ParseHtmlLine(
      "<font face=Arial color=#000000><b>\xBB</b> <b><font color=#BBBBBB>juKett ZRV</b>"
      "<font color=#000000> playing <b>\xBB</b> [<b><font color=#BBBBBB>Lazy Sunday.mp3</b>"
      "<font color=#000000>]");
  const std::vector<HtmlRun> expected{
      {"\xBB", "Arial", kBlack, true},           {" ", "Arial", kBlack, false},
      {"juKett ZRV", "Arial", kGrey, true},      {" playing ", "Arial", kBlack, false},
      {"\xBB", "Arial", kBlack, true},           {" [", "Arial", kBlack, false},
      {"Lazy Sunday.mp3", "Arial", kGrey, true}, {"]", "Arial", kBlack, false},
  };
  EXPECT_EQ(runs, expected);
}

TEST(HtmlLine, ClosingAFontGoesBackToTheOneAround) {
  const auto runs = ParseHtmlLine(
      "a<FONT FACE=\"Comic Sans MS\" color='#ff0000'>b<font "
      "color=#00ff00>c</font>d</font>e</font>f");
  const std::vector<HtmlRun> expected{Plain("a"),
                                      {"b", "Comic Sans MS", 0xFF0000, false},
                                      {"c", "Comic Sans MS", 0x00FF00, false},
                                      {"d", "Comic Sans MS", 0xFF0000, false},
                                      Plain("ef")};
  EXPECT_EQ(runs, expected);
}

TEST(HtmlLine, BoldCountsItsOpeningsAndStraysCloseNothing) {
  const std::vector<HtmlRun> expected{Plain("a"), {"bc", "", std::nullopt, true}, Plain("de")};
  EXPECT_EQ(ParseHtmlLine("</b>a<b>b<B>c</b></b>d</b>e"), expected);
}

TEST(HtmlLine, UnknownTagsAreDroppedAndTheirTextKept) {
  const auto runs = ParseHtmlLine("<i>x</i><a href=\"http://a.b/?c=d\">y</a><h1 size=3>z<br/>");
  EXPECT_EQ(runs, std::vector<HtmlRun>{Plain("xyz")});
}

TEST(HtmlLine, WhatIsNoTagIsShownAsWritten) {
  for (const char* line :
       {"<", "a < b", "<3 you", "<>", "< b>x", "</>", "<b", "x<b<b>y", "<font color=#12345>x",
        "<font color=red>x", "<font face=\"Arial>x", "<b =1>x", "<b\x01>x", "\xBB<<>>\xBB"}) {
    const auto runs = ParseHtmlLine(line);
    ASSERT_FALSE(runs.empty()) << line;
    EXPECT_FALSE(Shown(runs).empty()) << line;
    for (const HtmlRun& run : runs) EXPECT_EQ(run.face, "") << line;
  }
  EXPECT_EQ(ParseHtmlLine("a < b"), std::vector<HtmlRun>{Plain("a < b")});
  EXPECT_EQ(Shown(ParseHtmlLine("<font color=red>x")), "<font color=red>x");
  EXPECT_EQ(Shown(ParseHtmlLine("x<b<b>y")), "x<by");
  EXPECT_EQ(Shown(ParseHtmlLine("<b")), "<b");
}

TEST(HtmlLine, NothingShownMakesNoRuns) {
  EXPECT_TRUE(ParseHtmlLine("").empty());
  EXPECT_TRUE(ParseHtmlLine("<font face=Arial><b></b></font>").empty());
}

}  // namespace
}  // namespace jukett::standin
