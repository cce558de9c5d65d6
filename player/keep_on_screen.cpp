#include "player/keep_on_screen.h"

#include <algorithm>
#include <cmath>

namespace jukett {
namespace {

constexpr float kStep = 10;
constexpr float kSnapDistance = 400;
// More pixels than any screen has, however far off a window reports itself.
constexpr double kMostSteps = 1 << 20;

enum class Axis { Horizontal, Vertical };

class Slide {
 public:
  Slide(PlayerForm& form, Screen& screen, EventPump& events, Axis axis)
      : form_(form), screen_(screen), events_(events), axis_(axis) {}

  // Back inside over the left or top edge.
  void InFromStart() {
    if (!(Position() < 0)) return;
    StepUntil(+kStep, -Position(), [this] { return Position() >= 0; });
    SetPosition(0);
  }

  // Back inside over the right or bottom edge.
  void InFromEnd() {
    if (!(Position() + Extent() > ScreenExtent())) return;
    StepUntil(-kStep, Position() - (ScreenExtent() - Extent()),
              [this] { return Position() <= ScreenExtent() - Extent(); });
    SetPosition(ScreenExtent() - Extent());
  }

  // Flush with the left or top edge when closer to it than the snap distance.
  void SnapToStart() {
    if (!(Position() - kSnapDistance < 0)) return;
    StepUntil(-kStep, Position(), [this] { return Position() <= 0; });
    SetPosition(0);
  }

  // Flush with the right or bottom edge when closer to it than the snap distance.
  void SnapToEnd() {
    if (!(Position() + Extent() + kSnapDistance > ScreenExtent())) return;
    StepUntil(+kStep, ScreenExtent() - Extent() - Position(),
              [this] { return Position() + Extent() >= ScreenExtent(); });
    SetPosition(ScreenExtent() - Extent());
  }

 private:
  // Steps by `delta` until `arrived` holds, `distance` twips away. Every step
  // moves the window at least a pixel, so the way takes at most a step a
  // pixel (a window already flush makes the one step out of the snap). A
  // system or window manager that keeps the window from landing where it is
  // moved must not hold the slide for ever: a step that leaves the window
  // where it was ends it, and so does using up the steps the way allows.
  template <typename Arrived>
  void StepUntil(float delta, float distance, Arrived arrived) {
    double pixels = std::ceil(distance / screen_.TwipsPerPixelX());
    if (!(pixels >= 1)) pixels = 1;  // also when the screen reports nonsense
    const int steps = static_cast<int>(std::min(pixels, kMostSteps));
    for (int step = 0; step < steps; ++step) {
      if (!Step(delta) || arrived()) return;
    }
  }

  // False when the window did not move.
  bool Step(float delta) {
    events_.ProcessPendingEvents();
    const float before = Position();
    SetPosition(before + delta);
    return Position() != before;
  }

  float Position() { return axis_ == Axis::Horizontal ? form_.Left() : form_.Top(); }
  float Extent() { return axis_ == Axis::Horizontal ? form_.Width() : form_.Height(); }
  float ScreenExtent() { return axis_ == Axis::Horizontal ? screen_.Width() : screen_.Height(); }
  void SetPosition(float position) {
    axis_ == Axis::Horizontal ? form_.SetLeft(position) : form_.SetTop(position);
  }

  PlayerForm& form_;
  Screen& screen_;
  EventPump& events_;
  Axis axis_;
};

}  // namespace

void KeepOnScreen(PlayerForm& form, Screen& screen, EventPump& events) {
  Slide horizontal(form, screen, events, Axis::Horizontal);
  Slide vertical(form, screen, events, Axis::Vertical);
  horizontal.InFromStart();
  vertical.InFromStart();
  vertical.InFromEnd();
  horizontal.InFromEnd();
  horizontal.SnapToStart();
  vertical.SnapToStart();
  horizontal.SnapToEnd();
  vertical.SnapToEnd();
}

}  // namespace jukett
