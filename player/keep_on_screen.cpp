#include "player/keep_on_screen.h"

namespace jukett {
namespace {

constexpr float kStep = 10;
constexpr float kSnapDistance = 400;

enum class Axis { Horizontal, Vertical };

class Slide {
 public:
  Slide(PlayerForm& form, Screen& screen, EventPump& events, Axis axis)
      : form_(form), screen_(screen), events_(events), axis_(axis) {}

  // Back inside over the left or top edge.
  void InFromStart() {
    if (!(Position() < 0)) return;
    do Step(+kStep);
    while (!(Position() >= 0));
    SetPosition(0);
  }

  // Back inside over the right or bottom edge.
  void InFromEnd() {
    if (!(Position() + Extent() > ScreenExtent())) return;
    do Step(-kStep);
    while (!(Position() <= ScreenExtent() - Extent()));
    SetPosition(ScreenExtent() - Extent());
  }

  // Flush with the left or top edge when closer to it than the snap distance.
  void SnapToStart() {
    if (!(Position() - kSnapDistance < 0)) return;
    do Step(-kStep);
    while (!(Position() <= 0));
    SetPosition(0);
  }

  // Flush with the right or bottom edge when closer to it than the snap distance.
  void SnapToEnd() {
    if (!(Position() + Extent() + kSnapDistance > ScreenExtent())) return;
    do Step(+kStep);
    while (!(Position() + Extent() >= ScreenExtent()));
    SetPosition(ScreenExtent() - Extent());
  }

 private:
  void Step(float delta) {
    events_.ProcessPendingEvents();
    SetPosition(Position() + delta);
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
