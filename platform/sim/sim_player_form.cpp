#include "platform/sim/sim_player_form.h"

#include <algorithm>

#include "platform/sim/list_box_order.h"
#include "player/folder_paths.h"
#include "player/form_layout.h"
#include "player/pixel_grid.h"

namespace jukett::sim {

SimPlayerForm::SimPlayerForm(SimScreen& screen, SimFileSystem& files, std::string initialDirectory)
    : screen_(screen), fileSystem_(files), width_(kFormWidth), height_(kShortHeight) {
  for (const ControlLayout& layout : FormControls()) {
    captions_[layout.control] = std::string(layout.caption);
    foreColors_[layout.control] = layout.foreColor;
  }
  dirPath_ = std::move(initialDirectory);
  SetFileListPath(dirPath_);
}

void SimPlayerForm::PlaceAtPixels(int left, int top) {
  leftPixel_ = left;
  topPixel_ = top;
}

Color SimPlayerForm::ForeColor(Control label) const {
  const auto found = foreColors_.find(label);
  return found == foreColors_.end() ? 0 : found->second;
}

float SimPlayerForm::Left() { return leftPixel_ * screen_.TwipsPerPixelX(); }
float SimPlayerForm::Top() { return topPixel_ * screen_.TwipsPerPixelX(); }

void SimPlayerForm::TrayIconReport(std::uint32_t id, std::uint32_t message) {
  if (!events_) return;
  // The id stands where the real report's held buttons are: left, right, middle.
  const int buttons = ((id & 1) ? 1 : 0) | ((id & 2) ? 2 : 0) | ((id & 0x10) ? 4 : 0);
  events_->MouseMove(Control::Form, {.buttons = buttons,
                                     .x = static_cast<float>(message) * screen_.TwipsPerPixelX(),
                                     .trayIcon = true});
}

void SimPlayerForm::SetLanding(Landing horizontal, Landing vertical) {
  landLeft_ = std::move(horizontal);
  landTop_ = std::move(vertical);
}

void SimPlayerForm::SetLeft(float left) {
  ++positionWrites_;
  const int asked = PixelForTwips(left, screen_.TwipsPerPixelX(), leftPixel_);
  leftPixel_ = landLeft_ ? landLeft_(leftPixel_, asked) : asked;
}

void SimPlayerForm::SetTop(float top) {
  ++positionWrites_;
  const int asked = PixelForTwips(top, screen_.TwipsPerPixelX(), topPixel_);
  topPixel_ = landTop_ ? landTop_(topPixel_, asked) : asked;
}

void SimPlayerForm::SetState(WindowState state) {
  if (state == WindowState::Minimized && refuseMinimize_) return;
  state_ = state;
}

// Once: a handler that lets the program live on finds the window gone.
void SimPlayerForm::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  if (events_ != nullptr) events_->Unload();
  visible_ = false;
  files_.clear();
  selected_ = -1;
}

std::string SimPlayerForm::Caption(Control label) {
  return label == Control::Form ? std::string(kFormTitle) : captions_[label];
}

void SimPlayerForm::SetCaption(Control label, std::string_view caption) {
  captions_[label] = std::string(caption);
}

void SimPlayerForm::SetFileListPath(std::string_view path) {
  files_.clear();
  for (std::string& name : fileSystem_.Files(path)) {
    if (IsMp3Name(name)) files_.push_back(std::move(name));
  }
  std::sort(files_.begin(), files_.end(), ListBoxOrder);
  selected_ = -1;
}

// As a list box takes it: a row beyond the list leaves the selection alone.
void SimPlayerForm::SetSelectedIndex(int index) {
  if (index >= -1 && index < FileCount()) selected_ = index;
}

std::string SimPlayerForm::SelectedFileName() {
  return selected_ < 0 ? std::string() : files_[static_cast<std::size_t>(selected_)];
}

void SimPlayerForm::SetDirPath(std::string_view path) {
  // A folder that is not there leaves the list where it is.
  if (!fileSystem_.DirectoryExists(path)) return;
  const std::string folder = TidyFolderPath(fileSystem_.LongPath(path));
  if (folder == dirPath_) return;
  dirPath_ = folder;
  if (events_ != nullptr) events_->Change(Control::Dir1);
}

void SimPlayerForm::OpenDirRow(std::string_view folder) {
  for (const std::string& inside : fileSystem_.Directories(dirPath_)) {
    if (inside == folder) return SetDirPath(dirPath_ + "\\" + inside);
  }
}

// ---- The pointer ----

// The lists are windows of their own, above the labels the window paints;
// of the labels, the last in the table lies on top.
Control SimPlayerForm::ControlAt(float x, float y) const {
  auto inside = [x, y](const ControlLayout& layout) {
    return x >= layout.left && x < layout.left + layout.width && y >= layout.top &&
           y < layout.top + layout.height;
  };
  const auto controls = FormControls();
  for (const ControlLayout& layout : controls) {
    if (layout.kind != ControlKind::Label && inside(layout)) return layout.control;
  }
  for (auto layout = controls.rbegin(); layout != controls.rend(); ++layout) {
    if (layout->kind == ControlKind::Label && inside(*layout)) return layout->control;
  }
  return Control::Form;
}

// A list's own window lies inside the frame the window draws around it.
Pointer SimPlayerForm::PointerAt(Control control, float x, float y) const {
  const ControlLayout& layout = LayoutOf(control);
  const float frame =
      layout.kind != ControlKind::Label && layout.border ? screen_.TwipsPerPixelX() : 0;
  return Pointer{.buttons = held_, .x = x - layout.left - frame, .y = y - layout.top - frame};
}

void SimPlayerForm::SelectRowAt(float y) {
  const int row = static_cast<int>((y - LayoutOf(Control::File1).top) / kRowHeight);
  if (row < FileCount()) selected_ = row;
}

void SimPlayerForm::PointerMove(float x, float y) {
  const Control target = held_ != 0 ? pressed_ : ControlAt(x, y);
  if (events_ != nullptr) events_->MouseMove(target, PointerAt(target, x, y));
}

// A list takes its own presses: the window hears nothing of them.
void SimPlayerForm::PointerPress(float x, float y, int button) {
  const Control target = held_ != 0 ? pressed_ : ControlAt(x, y);
  if (target == Control::File1) SelectRowAt(y);
  if (LayoutOf(target).kind != ControlKind::Label) return;
  if (held_ == 0) pressed_ = target;
  held_ |= button;
  Pointer pointer = PointerAt(target, x, y);
  pointer.buttons = button;
  if (events_ != nullptr) events_->MouseDown(target, pointer);
}

void SimPlayerForm::PointerRelease(float x, float y, int button) {
  if ((held_ & button) == 0) return;
  held_ &= ~button;
  const bool clicked = button == 1 && pressed_ != Control::Form && ControlAt(x, y) == pressed_;
  if (clicked && events_ != nullptr) events_->Click(pressed_);
}

void SimPlayerForm::PointerDoubleClick(float x, float y) {
  const Control target = ControlAt(x, y);
  if (target == Control::File1) {
    SelectRowAt(y);
    if (events_ != nullptr) events_->DblClick(Control::File1);
    return;
  }
  for (int click = 0; click < 2; ++click) {
    PointerPress(x, y, 1);
    PointerRelease(x, y, 1);
  }
}

}  // namespace jukett::sim
