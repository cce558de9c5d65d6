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
    if (!(Position() < ScreenStart())) return;
    StepUntil(+kStep, ScreenStart() - Position(),
              [this] { return Position() >= ScreenStart(); });
    SetPosition(ScreenStart());
  }

  // Back inside over the right or bottom edge.
  void InFromEnd() {
    if (!(Position() + Extent() > ScreenEnd())) return;
    StepUntil(-kStep, Position() - (ScreenEnd() - Extent()),
              [this] { return Position() <= ScreenEnd() - Extent(); });
    SetPosition(ScreenEnd() - Extent());
  }

  // Flush with the left or top edge when closer to it than the snap distance.
  void SnapToStart() {
    if (!(Position() - kSnapDistance < ScreenStart())) return;
    StepUntil(-kStep, Position() - ScreenStart(),
              [this] { return Position() <= ScreenStart(); });
    SetPosition(ScreenStart());
  }

  // Flush with the right or bottom edge when closer to it than the snap distance.
  void SnapToEnd() {
    if (!(Position() + Extent() + kSnapDistance > ScreenEnd())) return;
    StepUntil(+kStep, ScreenEnd() - Extent() - Position(),
              [this] { return Position() + Extent() >= ScreenEnd(); });
    SetPosition(ScreenEnd() - Extent());
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
  // The edges of the monitor the window is on now: a handler may have moved
  // it to another one meanwhile.
  float ScreenStart() {
    const ScreenRect monitor = Monitor();
    return axis_ == Axis::Horizontal ? monitor.left : monitor.top;
  }
  float ScreenEnd() {
    const ScreenRect monitor = Monitor();
    return axis_ == Axis::Horizontal ? monitor.right : monitor.bottom;
  }
  ScreenRect Monitor() {
    const float left = form_.Left();
    const float top = form_.Top();
    return screen_.MonitorOf({left, top, left + form_.Width(), top + form_.Height()});
  }
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
