#include "player/keep_on_screen.h"

#include <cmath>
#include <random>

#include "player/form_layout.h"
#include "player/pixel_grid.h"
#include "tests/unit/player_fixture.h"

namespace jukett::sim {
namespace {

// A window on its own screen, the slide's only world.
struct Slide {
  Slide(int screenWidth, int screenHeight, float twipsPerPixel)
      : screen(screenWidth, screenHeight, twipsPerPixel) {}

  void Run() { KeepOnScreen(form, screen, desktop); }

  SimDesktop desktop;
  SimFileSystem files;
  SimScreen screen;
  SimPlayerForm form{screen, files, "C:\\"};
};

TEST(KeepOnScreenTest, AWindowWellInsideIsNotTouched) {
  Slide slide(1024, 768, 15);
  slide.form.PlaceAtPixels(300, 200);
  bool handled = false;
  slide.desktop.Post([&] { handled = true; });
  slide.Run();
  EXPECT_EQ(slide.form.PositionWrites(), 0);
  EXPECT_FALSE(handled) << "no events are handled when nothing moves";
}

TEST(KeepOnScreenTest, AWindowAboveTheScreenSlidesDownInStepsAndFlicksAtTheEdge) {
  Slide slide(1024, 768, 15);
  slide.form.PlaceAtPixels(300, -1000 / 15);
  slide.Run();
  EXPECT_EQ(slide.form.Top(), 0);
  // Down one pixel a step, each step after the events, then the snap
  // phase's one step out and back.
  EXPECT_EQ(slide.desktop.PumpCount(), 66 + 1);
  EXPECT_EQ(slide.form.PositionWrites(), 66 + 1 + 2);
}

TEST(KeepOnScreenTest, NearEdgesSnapFlush) {
  Slide slide(1024, 768, 15);
  slide.form.PlaceAtPixels(10, 300);  // 150 twips from the left
  slide.Run();
  EXPECT_EQ(slide.form.Left(), 0);

  slide.form.PlaceAtPixels(1024 - 209 - 20, 300);  // right edge 300 twips short
  slide.Run();
  EXPECT_EQ(slide.form.Left() + kFormWidth, slide.screen.Width());
}

TEST(KeepOnScreenTest, AWindowWiderThanTheScreenEndsOnTheRightEdge) {
  Slide slide(150, 100, 15);
  slide.form.PlaceAtPixels(40, 10);
  slide.Run();
  EXPECT_EQ(slide.form.Left() + kFormWidth, slide.screen.Width());
  EXPECT_LT(slide.form.Left(), 0);
  EXPECT_EQ(slide.form.Top() + kShortHeight, slide.screen.Height());
}

TEST(KeepOnScreenTest, APressDuringTheSlideFinishesItsOwnSlideFirst) {
  Slide slide(1024, 768, 15);
  slide.form.PlaceAtPixels(-100, 300);
  slide.desktop.Post([&] {
    slide.form.PlaceAtPixels(slide.form.LeftPixel(), -50);
    slide.Run();
    EXPECT_EQ(slide.form.Top(), 0);
    EXPECT_EQ(slide.form.Left(), 0);
  });
  slide.Run();
  EXPECT_EQ(slide.form.Left(), 0);
  EXPECT_EQ(slide.form.Top(), 0);
}

TEST(KeepOnScreenTest, TheHeightChangedDuringTheSlideCounts) {
  Slide slide(1024, 768, 15);
  slide.form.PlaceAtPixels(300, 768 - 145 + 40);
  slide.desktop.Post([&] { slide.form.SetHeight(kTallHeight); });
  slide.Run();
  EXPECT_EQ(slide.form.Top() + kTallHeight, slide.screen.Height());
}

// A window manager that gives in after this many moves, so that a slide
// waiting for it fails its test instead of hanging it.
constexpr int kPatience = 100000;

TEST(KeepOnScreenTest, AWindowHeldInPlaceEndsEveryPhaseAtItsFirstStep) {
  Slide slide(1024, 768, 15);
  slide.form.PlaceAtPixels(-50, -40);
  int moves = 0;
  const auto held = [&](int from, int asked) { return ++moves < kPatience ? from : asked; };
  slide.form.SetLanding(held, held);
  slide.Run();
  EXPECT_EQ(slide.form.LeftPixel(), -50);
  EXPECT_EQ(slide.form.TopPixel(), -40);
  // In and snap on both axes: one step that goes nowhere, one placement.
  EXPECT_EQ(slide.form.PositionWrites(), 4 * 2);
}

TEST(KeepOnScreenTest, ATaskbarTheWindowManagerKeepsFreeEndsTheSnap) {
  Slide slide(1024, 768, 15);
  const int highestTop = 768 - 40 - 145;  // above a 40-pixel taskbar
  int moves = 0;
  slide.form.SetLanding(nullptr, [&](int, int asked) {
    return ++moves < kPatience ? std::min(asked, highestTop) : asked;
  });
  slide.form.PlaceAtPixels(300, 600);  // the taskbar came up under it
  slide.Run();
  EXPECT_EQ(slide.form.TopPixel(), highestTop);
  EXPECT_LE(slide.form.PositionWrites(), 3);
}

TEST(KeepOnScreenTest, NoPhaseTakesMoreStepsThanItsWayHasPixels) {
  Slide slide(1024, 768, 15);
  // Every move down ends a pixel further up: the window never gets there.
  int moves = 0;
  slide.form.SetLanding(nullptr, [&](int from, int asked) {
    return ++moves < kPatience && asked > from ? from - 1 : asked;
  });
  slide.form.PlaceAtPixels(300, -40);
  slide.Run();
  // 40 steps down that go up, the placement, then the snap's step and placement.
  EXPECT_EQ(slide.form.PositionWrites(), 40 + 1 + 2);
}

// Monitors beside the primary 1024 x 768 one: the slide keeps to the edges of
// the monitor the screen names for the window (which one, the screen's
// contract says).
TEST(KeepOnScreenTest, AWindowHalfOffAMonitorsFarEdgeSlidesBackOntoThatMonitor) {
  Slide right(1024, 768, 15);
  right.screen.AddMonitor(1024, 0, 1024, 768);
  right.form.PlaceAtPixels(2048 - 100, 300);
  right.Run();
  EXPECT_EQ(right.form.LeftPixel(), 2048 - 209);
  EXPECT_LE(right.form.PositionWrites(), 109 + 1 + 2) << "a step a pixel of the way";

  Slide left(1024, 768, 15);
  left.screen.AddMonitor(-1024, 0, 1024, 768);
  left.form.PlaceAtPixels(-1024 - 100, 300);
  left.Run();
  EXPECT_EQ(left.form.LeftPixel(), -1024);
  EXPECT_LE(left.form.PositionWrites(), 100 + 1 + 2);
}

TEST(KeepOnScreenTest, NearTheEdgesOfAMonitorLeftOfThePrimaryItSnapsToThem) {
  Slide slide(1024, 768, 15);
  slide.screen.AddMonitor(-1024, 0, 1024, 768);
  slide.form.PlaceAtPixels(-1024 + 10, 768 - 145 - 10);
  slide.Run();
  EXPECT_EQ(slide.form.LeftPixel(), -1024);
  EXPECT_EQ(slide.form.TopPixel(), 768 - 145);

  slide.form.PlaceAtPixels(-209 - 10, 300);  // 10 pixels short of the primary
  slide.Run();
  EXPECT_EQ(slide.form.LeftPixel(), -209) << "flush with its own monitor's right edge";
}

TEST(KeepOnScreenTest, MonitorsOfOtherSizesAndAWindowOnNoneOfThem) {
  Slide slide(1024, 768, 15);
  slide.screen.AddMonitor(1024, 0, 1280, 1024);
  // Below the primary's bottom, but well inside the taller monitor.
  slide.form.PlaceAtPixels(1500, 850);
  slide.Run();
  EXPECT_EQ(slide.form.PositionWrites(), 0);

  // Off every monitor, nearest the taller one: back onto its corner.
  slide.form.PlaceAtPixels(2304 + 300, 1024 + 50);
  slide.Run();
  EXPECT_EQ(slide.form.LeftPixel(), 2304 - 209);
  EXPECT_EQ(slide.form.TopPixel(), 1024 - 145);

  // Off every monitor, nearest the primary: below it, left of the taller one.
  slide.form.PlaceAtPixels(500, 900);
  slide.Run();
  EXPECT_EQ(slide.form.LeftPixel(), 500);
  EXPECT_EQ(slide.form.TopPixel(), 768 - 145);
}

TEST(KeepOnScreenTest, AMonitorAboveThePrimaryKeepsItsNegativeTop) {
  Slide slide(1024, 768, 15);
  slide.screen.AddMonitor(0, -768, 1024, 768);
  slide.form.PlaceAtPixels(400, -768 - 60);
  slide.Run();
  EXPECT_EQ(slide.form.TopPixel(), -768);
  EXPECT_EQ(slide.form.LeftPixel(), 400);
}

// Where the phases leave one axis: in, then flush with a near edge, each
// final placement on the nearest pixel.
float ExpectedEnd(float position, float extent, float screenExtent, float twipsPerPixel) {
  auto onGrid = [&](float twips) { return std::lround(twips / twipsPerPixel) * twipsPerPixel; };
  if (position < 0) position = onGrid(0);
  if (position + extent > screenExtent) position = onGrid(screenExtent - extent);
  if (position - 400 < 0) position = onGrid(0);
  if (position + extent + 400 > screenExtent) position = onGrid(screenExtent - extent);
  return position;
}

TEST(KeepOnScreenTest, EndsWhereThePhasesSayAtEveryDensityAndGeometry) {
  std::mt19937 random(20261207);
  for (float twipsPerPixel : {15.0f, 12.0f, 10.0f, 7.5f}) {
    for (int round = 0; round < 250; ++round) {
      const int screenWidth = std::uniform_int_distribution(120, 2560)(random);
      const int screenHeight = std::uniform_int_distribution(90, 1600)(random);
      Slide slide(screenWidth, screenHeight, twipsPerPixel);
      if (round % 2 == 1) slide.form.SetHeight(kTallHeight);
      const int left = std::uniform_int_distribution(-2 * screenWidth, 2 * screenWidth)(random);
      const int top = std::uniform_int_distribution(-2 * screenHeight, 2 * screenHeight)(random);
      slide.form.PlaceAtPixels(left, top);

      const float expectedLeft = ExpectedEnd(left * twipsPerPixel, slide.form.Width(),
                                             slide.screen.Width(), twipsPerPixel);
      const float expectedTop = ExpectedEnd(top * twipsPerPixel, slide.form.Height(),
                                            slide.screen.Height(), twipsPerPixel);
      slide.Run();
      ASSERT_EQ(slide.form.Left(), expectedLeft)
          << twipsPerPixel << " twips/px, screen " << screenWidth << " from " << left;
      ASSERT_EQ(slide.form.Top(), expectedTop)
          << twipsPerPixel << " twips/px, screen " << screenHeight << " from " << top;
      // Every step moves a pixel, so the slide is as long as the way it goes.
      const int way = std::abs(left) + std::abs(top) + 2 * (screenWidth + screenHeight);
      ASSERT_LE(slide.form.PositionWrites(), way + 16);
    }
  }
}

TEST(PixelForTwipsTest, EveryStepMovesAPixelAndFinalPlacementsTakeTheNearest) {
  for (float twipsPerPixel : {30.0f, 20.0f, 15.0f, 12.0f, 7.5f}) {
    for (int pixel : {-3, 0, 5}) {
      const float at = pixel * twipsPerPixel;
      EXPECT_EQ(PixelForTwips(at + 10, twipsPerPixel, pixel), pixel + 1) << twipsPerPixel;
      EXPECT_EQ(PixelForTwips(at - 10, twipsPerPixel, pixel), pixel - 1) << twipsPerPixel;
    }
  }
  EXPECT_EQ(PixelForTwips(9153, 12, 763), 763) << "a quarter pixel off stays put";
  EXPECT_EQ(PixelForTwips(0, 15, -1), 0);
  EXPECT_EQ(PixelForTwips(3000, 15, 0), 200);
}

}  // namespace
}  // namespace jukett::sim
