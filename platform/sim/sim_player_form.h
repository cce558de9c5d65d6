#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_screen.h"
#include "ports/player_form.h"

namespace jukett::sim {

// The player window kept as state: the controls as the window's table
// creates them, a position in whole pixels of the screen, and the two lists
// reading the simulated file system. Setting the folder list's path raises
// its Change event and unloading raises Unload, both synchronously, as the
// real window does. The user's input comes as the window would take it:
// pointer events go to the control under the pointer, or to the one pressed
// while a button is held.
class SimPlayerForm : public PlayerForm {
 public:
  SimPlayerForm(SimScreen& screen, SimFileSystem& files, std::string initialDirectory);

  void Connect(FormEvents& events) { events_ = &events; }

  // Staging.
  void PlaceAtPixels(int left, int top);
  void RefuseMinimize(bool refuse) { refuseMinimize_ = refuse; }
  // A window manager with the last word on where a move lands: given the
  // pixel the edge is on and the one the program asked for, it says where
  // the edge goes. None: every move lands where it was asked to.
  using Landing = std::function<int(int from, int asked)>;
  void SetLanding(Landing horizontal, Landing vertical);

  // The user's input, at a point of the window in twips; `button` is one of
  // the pointer's buttons (1 left, 2 right, 4 middle).
  void PointerMove(float x, float y);
  void PointerPress(float x, float y, int button);
  void PointerRelease(float x, float y, int button);
  // A left double-click: on the file list its double-click, elsewhere two
  // clicks (the window takes no double-clicks of its own).
  void PointerDoubleClick(float x, float y);
  // Return or a double-click on the directory list's row of `folder`: one
  // inside the folder shown, or the folder shown.
  void OpenDirRow(std::string_view folder);
  // The shell's report of a mouse message on the window's tray icon: a
  // pointer move of the window marked as the icon's, whose x in pixels is
  // the message and whose buttons are the icon's id, as the real window
  // reads it.
  void TrayIconReport(std::uint32_t id, std::uint32_t message);
  // The system asks the window to close.
  void Close() { Unload(); }

  // Observation.
  int LeftPixel() const { return leftPixel_; }
  int TopPixel() const { return topPixel_; }
  bool Topmost() const { return topmost_; }
  int ForegroundCount() const { return foregroundCount_; }
  Color ForeColor(Control label) const;
  std::vector<std::string> ListedFiles() const { return files_; }
  int PositionWrites() const { return positionWrites_; }

  // PlayerForm
  float Left() override;
  float Top() override;
  float Width() override { return width_; }
  float Height() override { return height_; }
  void SetLeft(float left) override;
  void SetTop(float top) override;
  void SetHeight(float height) override { height_ = height; }
  WindowState State() override { return state_; }
  void SetState(WindowState state) override;
  bool Visible() override { return visible_; }
  void Show() override { visible_ = true; }
  void Hide() override { visible_ = false; }
  void MakeTopmost() override { topmost_ = true; }
  void BringToForeground() override { ++foregroundCount_; }
  Window Handle() override { return unloaded_ ? kNoWindow : kHandle; }
  std::uintptr_t IconHandle() override { return kIcon; }
  int ScaleMode() override { return kScaleTwips; }
  void Unload() override;
  std::string Caption(Control label) override;
  void SetCaption(Control label, std::string_view caption) override;
  void SetForeColor(Control label, Color color) override { foreColors_[label] = color; }
  void SetFileListPath(std::string_view path) override;
  int FileCount() override { return static_cast<int>(files_.size()); }
  int SelectedIndex() override { return selected_; }
  void SetSelectedIndex(int index) override;
  std::string SelectedFileName() override;
  std::string DirPath() override { return dirPath_; }
  // The file list's rows, in twips.
  static constexpr float kRowHeight = 210;
  void SetDirPath(std::string_view path) override;

  static constexpr Window kHandle = 0x1234;
  static constexpr std::uintptr_t kIcon = 0x5678;

 private:
  SimScreen& screen_;
  SimFileSystem& fileSystem_;
  FormEvents* events_ = nullptr;
  std::map<Control, std::string> captions_;
  std::map<Control, Color> foreColors_;
  int leftPixel_ = 0;
  int topPixel_ = 0;
  float width_;
  float height_;
  WindowState state_ = WindowState::Normal;
  bool visible_ = false;
  bool topmost_ = false;
  bool refuseMinimize_ = false;
  Landing landLeft_;
  Landing landTop_;
  int foregroundCount_ = 0;
  int positionWrites_ = 0;
  std::string dirPath_;
  std::vector<std::string> files_;
  int selected_ = -1;
  int held_ = 0;  // the pointer's buttons held down
  Control pressed_ = Control::Form;
  bool unloaded_ = false;

  Control ControlAt(float x, float y) const;
  Pointer PointerAt(Control control, float x, float y) const;
  void SelectRowAt(float y);
};

}  // namespace jukett::sim
