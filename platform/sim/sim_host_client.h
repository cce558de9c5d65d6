#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"

namespace jukett::sim {

// Stages the chat client's window tree on a simulated desktop: the frame with
// its menu bar, the MDI client, and "AOL Child" windows of any kind, in the
// order they are added. A chat input posts its text into its room on Enter,
// like the real client.
class SimHostClient {
 public:
  explicit SimHostClient(SimDesktop& desktop);

  Window Frame() const { return frame_; }
  // The client's one thread: how slow it is, and the user's typing.
  ClientProgram& Program() { return desktop_.ProgramOf(frame_); }
  Window MdiClient() const { return mdiClient_; }

  // An "AOL Child" with one child of each given class, in that order.
  Window AddChild(std::initializer_list<const char*> childClasses, std::string caption = {});
  Window AddWelcome(std::string caption);
  // The five room markers, then `inputs` chat inputs.
  Window AddChatRoom(int inputs = 1);
  Window ChatInput(Window room, int index = 0) const;

  // An item of the "Help" drop-down; identifiers count up unless given.
  void AddMenuItem(std::string text);
  void AddMenuItem(std::string text, MenuItemId id);
  // A further drop-down at the end of the menu bar.
  Menu AddDropDown(std::string title);
  void AddMenuItemTo(Menu dropDown, std::string text);

  struct PostedLine {
    Window room;
    std::string text;
    double at;  // the desktop's clock
  };
  const std::vector<PostedLine>& Posted() const { return posted_; }
  void ForgetPosted() { posted_.clear(); }
  // Called as each line arrives in the room, while the desktop is as it was then.
  void OnPosted(std::function<void(const PostedLine&)> watch) { watch_ = std::move(watch); }

 private:
  void MakePostOnEnter(Window room, Window input);

  SimDesktop& desktop_;
  Window frame_;
  SimDesktop::ProgramId program_;
  Window mdiClient_;
  Menu menuBar_;
  Menu help_;
  MenuItemId nextItemId_ = 100;
  std::vector<PostedLine> posted_;
  std::function<void(const PostedLine&)> watch_;
};

}  // namespace jukett::sim
