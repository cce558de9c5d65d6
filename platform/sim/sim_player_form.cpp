#include "platform/sim/sim_player_form.h"

#include <algorithm>

#include "player/folder_paths.h"
#include "player/form_layout.h"
#include "player/pixel_grid.h"
#include "util/text.h"

namespace jukett::sim {
namespace {

// As a sorted list box orders its entries: letter case does not count.
bool ListOrder(const std::string& a, const std::string& b) {
  return ToLowerAscii(a) < ToLowerAscii(b);
}

}  // namespace

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

void SimPlayerForm::Unload() {
  if (events_ != nullptr) events_->Unload();
}

std::string SimPlayerForm::Caption(Control label) { return captions_[label]; }

void SimPlayerForm::SetCaption(Control label, std::string_view caption) {
  captions_[label] = std::string(caption);
}

void SimPlayerForm::SetFileListPath(std::string_view path) {
  files_.clear();
  for (std::string& name : fileSystem_.Files(path)) {
    if (IsMp3Name(name)) files_.push_back(std::move(name));
  }
  std::sort(files_.begin(), files_.end(), ListOrder);
  selected_ = -1;
}

void SimPlayerForm::SetSelectedIndex(int index) {
  selected_ = index >= 0 && index < FileCount() ? index : -1;
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

}  // namespace jukett::sim
