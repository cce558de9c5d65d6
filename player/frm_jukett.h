#pragma once

#include "ports/player_form.h"
#include "ports/tray.h"
#include "player/player_ports.h"
#include "player/window_commands.h"

namespace jukett {

// The handlers of the player window: every event of `frmJUKETT` and its
// controls arrives here and goes to the command it stands for. Beyond the
// controls themselves the window remembers only the grab point of the last
// press on its title, the tray's icon record, and whether the folder list
// has moved since the start (only then may shutdown replace a stored folder).
class frmJUKETT : public FormEvents {
 public:
  explicit frmJUKETT(const PlayerPorts& ports) : ports_(ports) {}

  void Load() override;
  void Unload() override;
  void Paint() override;
  void MouseDown(Control control, const Pointer& pointer) override;
  void MouseMove(Control control, const Pointer& pointer) override;
  void Click(Control control) override;
  void DblClick(Control control) override;
  void Change(Control control) override;
  void TaskbarCreated() override;
  void MediaKeyPressed(MediaKey key) override;
  void StartedAgain() override;

 private:
  PlayerPorts ports_;
  GrabPoint grab_;
  IconRecord iconRecord_;
  bool dirChanged_ = false;
};

}  // namespace jukett
