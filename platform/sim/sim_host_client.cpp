#include "platform/sim/sim_host_client.h"

#include <utility>

#include "chathost/host_classes.h"

namespace jukett::sim {

namespace classes = host_classes;

SimHostClient::SimHostClient(SimDesktop& desktop)
    : desktop_(desktop),
      frame_(desktop.AddWindow(classes::kFrame, "America Online")),
      program_(desktop.AddProgram(frame_)),
      mdiClient_(desktop.AddWindow(classes::kMdiClient, {}, frame_)),
      menuBar_(desktop.AddMenu()),
      help_(kNoMenu) {
  desktop_.SetMenuBar(frame_, menuBar_);
  const Menu file = AddDropDown("&File");
  AddMenuItemTo(file, "&Open...");
  AddMenuItemTo(file, "E&xit");
  help_ = AddDropDown("&Help");
  AddMenuItem("&Offline Help");
}

Window SimHostClient::AddChild(std::initializer_list<const char*> childClasses,
                               std::string caption) {
  const Window child = desktop_.AddWindow(classes::kChild, std::move(caption), mdiClient_);
  for (const char* childClass : childClasses) desktop_.AddWindow(childClass, {}, child);
  return child;
}

Window SimHostClient::AddWelcome(std::string caption) {
  return AddChild({classes::kStatic, classes::kIcon}, std::move(caption));
}

Window SimHostClient::AddChatRoom(int inputs) {
  const Window room = AddChild({classes::kCombobox, classes::kListbox, classes::kStatic,
                                classes::kIcon, classes::kIcon, classes::kTranscript},
                               "Lobby");
  for (int i = 0; i < inputs; ++i) {
    MakePostOnEnter(room, desktop_.AddWindow(classes::kChatInput, {}, room));
  }
  return room;
}

Window SimHostClient::ChatInput(Window room, int index) const {
  Window input = kNoWindow;
  for (int i = 0; i <= index; ++i) input = desktop_.FindChild(room, input, classes::kChatInput);
  return input;
}

void SimHostClient::MakePostOnEnter(Window room, Window input) {
  desktop_.OnChar(input, [this, room, input](char character) {
    if (character != '\r') return;
    std::string line = desktop_.TextOf(input);
    if (line.empty()) return;
    posted_.push_back({room, std::move(line), desktop_.Now()});
    if (watch_) watch_(posted_.back());
    desktop_.StageText(input, {});
  });
}

void SimHostClient::AddMenuItem(std::string text) { AddMenuItemTo(help_, std::move(text)); }

void SimHostClient::AddMenuItem(std::string text, MenuItemId id) {
  desktop_.AppendItem(help_, id, std::move(text));
}

Menu SimHostClient::AddDropDown(std::string title) {
  const Menu dropDown = desktop_.AddMenu();
  desktop_.AppendDropDown(menuBar_, dropDown, std::move(title));
  return dropDown;
}

void SimHostClient::AddMenuItemTo(Menu dropDown, std::string text) {
  desktop_.AppendItem(dropDown, nextItemId_++, std::move(text));
}

}  // namespace jukett::sim
