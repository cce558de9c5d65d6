#pragma once

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_host_client.h"
#include "platform/sim/sim_media_control.h"
#include "platform/sim/sim_player_form.h"
#include "platform/sim/sim_profile_files.h"
#include "platform/sim/sim_screen.h"
#include "platform/sim/sim_shell.h"
#include "player/frm_jukett.h"

namespace jukett::sim {

// The player on a simulated desktop, as Win32Player puts it on the real one:
// a 1024 x 768 screen at 96 DPI, the chat client's frame with no child
// windows yet, the window showing C:\Music, and the program in
// C:\Program Files\juKett. The window is connected to its handlers once the
// files it lists are staged; clicks on its tray icon reach it.
struct SimPlayer {
  SimPlayer() {
    tray.ReportTo(form.Handle(), [this](std::uint32_t id, std::uint32_t message) {
      form.TrayIconReport(id, message);
    });
  }

  static constexpr const char* kMusic = "C:\\Music";
  static constexpr const char* kProgramDir = "C:\\Program Files\\juKett";

  SimDesktop desktop;
  SimHostClient client{desktop};
  SimFileSystem files;
  SimScreen screen{1024, 768, 15};
  SimPlayerForm form{screen, files, kMusic};
  SimTray tray;
  SimProcess process{kProgramDir};
  SimMediaControl media{files};
  SimProfileFiles profiles{files};
  PlayerPorts ports{form, screen, tray, process, media, profiles, {desktop, desktop}, desktop};
  frmJUKETT frm{ports};
};

}  // namespace jukett::sim
