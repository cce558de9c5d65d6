#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chathost/announcements.h"
#include "platform/sim/sim_player.h"

namespace jukett::sim {

// The whole player on a simulated desktop, with one chat room and a music
// folder of three tracks.
class PlayerTest : public ::testing::Test, public SimPlayer {
 protected:
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

  Window room = client.AddChatRoom();
};

}  // namespace jukett::sim
