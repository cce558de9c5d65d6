#include "player/form_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace jukett {
namespace {

constexpr float kTwipsPerPixel = 15;

int Pixel(float twips) { return static_cast<int>(std::floor(twips / kTwipsPerPixel)); }

TEST(FormLayout, TitleStripIsOneBlackBarAcrossTheWholeTop) {
  // Sorted by left edge, the three title labels must leave no gap between them.
  std::vector<ControlLayout> strip;
  for (const ControlLayout& layout : FormControls()) {
    if (layout.top == 0) strip.push_back(layout);
  }
  ASSERT_EQ(strip.size(), 3u);
  std::sort(strip.begin(), strip.end(), [](auto& a, auto& b) { return a.left < b.left; });
  float reach = 0;
  for (const ControlLayout& layout : strip) {
    EXPECT_LE(layout.left, reach) << layout.name;
    EXPECT_EQ(layout.height, 255) << layout.name;
    EXPECT_EQ(layout.backColor, 0x00000000u) << layout.name;
    EXPECT_TRUE(layout.opaque) << layout.name;
    reach = std::max(reach, layout.left + layout.width);
  }
  EXPECT_EQ(reach, kFormWidth);
  EXPECT_EQ(LayoutOf(Control::Label1).caption, kFormTitle);
}

TEST(FormLayout, NoControlBelowTheTitleStripOverlapsAnother) {
  const auto controls = FormControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      const ControlLayout& a = controls[i];
      const ControlLayout& b = controls[j];
      if (a.top == 0 && b.top == 0) continue;  // the title strip overlaps on purpose
      const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                         a.top + a.height <= b.top || b.top + b.height <= a.top;
      EXPECT_TRUE(apart) << a.name << " overlaps " << b.name;
    }
  }
}

TEST(FormLayout, LinesFrameTheOutermostPixelsAtBothHeights) {
  const int right = Pixel(kFormWidth) - 1;
  for (const float height : {kShortHeight, kTallHeight}) {
    const int bottom = static_cast<int>(height / kTwipsPerPixel) - 1;
    bool left = false, rightEdge = false, bottomEdge = false;
    for (const LineLayout& line : FormLines()) {
      EXPECT_EQ(line.color, kWindowText);
      EXPECT_TRUE(line.x1 == line.x2 || line.y1 == line.y2) << "toolkits draw only straight lines";
      const bool vertical = line.x1 == line.x2;
      // A line counts only if it reaches across the whole visible side.
      if (vertical && Pixel(std::min(line.y1, line.y2)) <= 0 &&
          Pixel(std::max(line.y1, line.y2)) >= bottom) {
        left |= Pixel(line.x1) == 0;
        rightEdge |= Pixel(line.x1) == right;
      }
      if (!vertical && Pixel(line.y1) == bottom && Pixel(std::min(line.x1, line.x2)) <= 0 &&
          Pixel(std::max(line.x1, line.x2)) >= right) {
        bottomEdge = true;
      }
    }
    EXPECT_TRUE(left) << height;
    EXPECT_TRUE(rightEdge) << height;
    EXPECT_TRUE(bottomEdge) << height;
  }
  EXPECT_EQ(Pixel(kFormWidth), 209);
  EXPECT_EQ(Pixel(kShortHeight), 145);
  EXPECT_EQ(Pixel(kTallHeight), 233);
}

TEST(FormLayout, OnlyTheListsTakeFocusFileListFirst) {
  std::set<int> indexes;
  std::vector<const ControlLayout*> focusable;
  for (const ControlLayout& layout : FormControls()) {
    EXPECT_TRUE(indexes.insert(layout.tabIndex).second) << layout.name;
    if (TakesFocus(layout)) focusable.push_back(&layout);
  }
  EXPECT_EQ(*indexes.begin(), 0);
  EXPECT_EQ(*indexes.rbegin(), static_cast<int>(FormControls().size()) - 1);
  ASSERT_EQ(focusable.size(), 2u);
  std::sort(focusable.begin(), focusable.end(),
            [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
  EXPECT_EQ(focusable[0]->control, Control::File1);
  EXPECT_EQ(focusable[1]->control, Control::Dir1);
}

TEST(FormLayout, DirectoryListFitsOnlyTheTallWindow) {
  const ControlLayout& dir = LayoutOf(Control::Dir1);
  EXPECT_GE(dir.top, kShortHeight);
  EXPECT_LE(dir.top + dir.height, kTallHeight);
  for (const ControlLayout& layout : FormControls()) {
    EXPECT_LE(layout.left + layout.width, kFormWidth) << layout.name;
    if (layout.control != Control::Dir1) {
      EXPECT_LE(layout.top + layout.height, kShortHeight) << layout.name;
    }
  }
}

TEST(FormLayout, GlyphLabelsHoldOneWebdingsSymbolEach) {
  std::set<std::string_view> captions;
  int glyphs = 0;
  for (const ControlLayout& layout : FormControls()) {
    if (!IsGlyphLabel(layout)) {
      EXPECT_EQ(layout.font.charset, kAnsiCharset) << layout.name;
      continue;
    }
    ++glyphs;
    EXPECT_EQ(layout.font.charset, kSymbolCharset) << layout.name;
    EXPECT_EQ(layout.font.points, 11.25f) << layout.name;
    EXPECT_EQ(layout.caption.size(), 1u) << layout.name;
    EXPECT_FALSE(layout.opaque) << layout.name;
    captions.insert(layout.caption);
  }
  EXPECT_EQ(glyphs, 5);
  EXPECT_EQ(captions, (std::set<std::string_view>{"9", "<", "4", ";", ":"}));
  EXPECT_EQ(LayoutOf(Control::Label3).caption, "\xC3\x97");  // multiplication sign in UTF-8
  EXPECT_EQ(LayoutOf(Control::Label4).caption, " m");
}

TEST(FormLayout, LookupsNeverFallOffTheTable) {
  for (const ControlLayout& layout : FormControls()) EXPECT_EQ(&LayoutOf(layout.control), &layout);
  for (const LineLayout& line : FormLines()) {
    EXPECT_TRUE(IsLine(line.line));
    EXPECT_EQ(&LineOf(line.line), &line);
  }
  EXPECT_EQ(LayoutOf(Control::Form).control, Control::Form);
  EXPECT_EQ(LayoutOf(Control::Line1).width, 0);
  EXPECT_FALSE(IsLine(Control::Label1));
}

}  // namespace
}  // namespace jukett
