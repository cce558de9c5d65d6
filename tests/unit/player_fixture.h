#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chathost/announcements.h"
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

// The whole player on a simulated desktop: a 1024 x 768 screen at 96 DPI,
// the chat client with one room, a music folder of three tracks, and the
// program in C:\Program Files\juKett.
class PlayerTest : public ::testing::Test {
 protected:
  static constexpr const char* kMusic = "C:\\Music";
  static constexpr const char* kProgramDir = "C:\\Program Files\\juKett";

  PlayerTest() {
    files.AddDirectory(kProgramDir);
    files.AddFile("C:\\Music\\b side.mp3", "tone");
    files.AddFile("C:\\Music\\A Song.MP3", "tone");
    files.AddFile("C:\\Music\\cover.jpg", "image");
    files.AddFile("C:\\Music\\Zed.mp3", "tone");
    files.AddDirectory("C:\\Music\\Empty");
    form.SetFileListPath(kMusic);  // the window lists its folder once the folder is staged
    form.Connect(frm);
  }

  // The program as it starts: the load event, then the window shown.
  void Start() {
    frm.Load();
    form.Show();
    desktop.ForgetMessages();
    client.ForgetPosted();
  }

  // Runs `action`, which ends the program; false when the program went on.
  template <typename Action>
  bool Ends(Action action) {
    try {
      action();
    } catch (const ProcessEnded&) {
      return true;
    }
    return false;
  }

  std::vector<std::string> Posted() const {
    std::vector<std::string> texts;
    for (const auto& line : client.Posted()) texts.push_back(line.text);
    return texts;
  }
  std::string LastPosted() const {
    return client.Posted().empty() ? std::string() : client.Posted().back().text;
  }
  void Select(int index) { form.SetSelectedIndex(index); }

  static constexpr const char* kSettingsFile = "C:\\Program Files\\juKett/jukettzrv.ini";
  std::string StoredFolder() { return profiles.ReadString("juKett ZRV", "path", kSettingsFile); }

  SimDesktop desktop;
  SimHostClient client{desktop};
  Window room = client.AddChatRoom();
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
