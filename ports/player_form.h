#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ports/host_windows.h"

namespace jukett {

// The player window `frmJUKETT` and its controls, named as the handlers know
// them. `Form` stands for the window itself.
enum class Control {
  Form,
  Dir1,
  File1,
  Label1,
  Label2,
  Label3,
  Label4,
  Label5,
  Label10,
  lbback,
  lbstop,
  lbplay,
  lbpause,
  lbfoward,
  Line1,
  Line2,
  Line3,
  Line4,
};

enum class WindowState { Normal = 0, Minimized = 1 };

// How the window measures pointer positions: this window always uses twips.
inline constexpr int kScaleTwips = 1;
inline constexpr int kScalePixels = 3;

// Colours are 0x00BBGGRR; 0x800000nn is the system colour nn.
using Color = std::uint32_t;

// The player window as its handlers see it. Every position and size is in
// twips and every write takes effect at once. Captions and the file list's
// names are UTF-8.
class PlayerForm {
 public:
  virtual ~PlayerForm() = default;

  virtual float Left() = 0;
  virtual float Top() = 0;
  virtual float Width() = 0;
  virtual float Height() = 0;
  virtual void SetLeft(float left) = 0;
  virtual void SetTop(float top) = 0;
  virtual void SetHeight(float height) = 0;

  virtual WindowState State() = 0;
  virtual void SetState(WindowState state) = 0;
  virtual bool Visible() = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Above every window that is not itself always on top.
  virtual void MakeTopmost() = 0;
  virtual void BringToForeground() = 0;
  virtual Window Handle() = 0;
  virtual std::uintptr_t IconHandle() = 0;
  virtual int ScaleMode() = 0;
  // Raises the Unload event, whose handler ends the program.
  virtual void Unload() = 0;

  // Labels.
  virtual std::string Caption(Control label) = 0;
  virtual void SetCaption(Control label, std::string_view caption) = 0;
  virtual void SetForeColor(Control label, Color color) = 0;

  // `File1`: the "*.mp3" files of one directory.
  virtual void SetFileListPath(std::string_view path) = 0;
  virtual int FileCount() = 0;
  virtual int SelectedIndex() = 0;  // -1: nothing selected
  // A plain change of selection: never the list's double-click action.
  virtual void SetSelectedIndex(int index) = 0;
  virtual std::string SelectedFileName() = 0;  // empty: nothing selected

  // `Dir1`: setting a different path raises its Change event.
  virtual std::string DirPath() = 0;
  virtual void SetDirPath(std::string_view path) = 0;
};

// A pointer event: the buttons held (1 left, 2 right, 4 middle), the shift
// keys (1 shift, 2 ctrl, 4 alt) and the position inside the control, in the
// window's scale units. The tray icon's reports come to the window itself as
// pointer events too, marked as such: a real pointer is never one of them.
struct Pointer {
  int buttons = 0;
  int shift = 0;
  float x = 0;
  float y = 0;
  bool trayIcon = false;
};

// The keyboard's media keys, pressed wherever the focus is.
enum class MediaKey { PlayPause, Stop, NextTrack, PreviousTrack };

// What the window tells its handlers.
class FormEvents {
 public:
  virtual ~FormEvents() = default;

  virtual void Load() = 0;
  virtual void Unload() = 0;
  virtual void Paint() = 0;
  virtual void MouseDown(Control control, const Pointer& pointer) = 0;
  virtual void MouseMove(Control control, const Pointer& pointer) = 0;
  virtual void Click(Control control) = 0;
  virtual void DblClick(Control control) = 0;
  virtual void Change(Control control) = 0;
  // The shell's notification area was made anew (the shell restarted).
  virtual void TaskbarCreated() = 0;
  virtual void MediaKeyPressed(MediaKey key) = 0;
  // The program was started again in this session: that start ends at once
  // and asks this window back instead.
  virtual void StartedAgain() = 0;
};

}  // namespace jukett
