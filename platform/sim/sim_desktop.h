#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_program.h"
#include "ports/clock.h"
#include "ports/event_pump.h"
#include "ports/host_windows.h"

namespace jukett::sim {

// An in-memory desktop that answers like the Windows window manager: windows
// with a class, a text and ordered children; menu bars with drop-downs and
// items; text messages; the own thread's event queue; and a clock that moves
// only when the program waits or a test says so. Tests stage any window tree
// on it, place events at chosen moments, and watch what the program sends.
//
// Messages reach other programs as they do on Windows: each window belongs to
// a program (top-level windows to the desktop's own, which answers at once,
// children to their parent's), and a program may be slow or hung. The player
// waits at most 2 s for an answer, and meanwhile runs none of its own queued
// events; what it did not wait for is still delivered, in order, as the
// clock moves, until its process ends.
//
// Every window is a Unicode one: its text holds any character, and a text
// message in the code page (1252) carries only what that holds, each other
// character as "?". Windows' best-fit likenesses ("O" for an omega) are not
// modelled.
class SimDesktop : public HostWindows, public EventPump, public Clock {
 public:
  using MessageKind = sim::MessageKind;
  using Message = sim::Message;
  using ProgramId = int;
  using CharHandler = std::function<void(char)>;

  // Staging. A new child goes after its older siblings in enumeration order.
  Window AddWindow(std::string windowClass, std::string text = {}, Window parent = kNoWindow);
  // A program of its own for a top-level window and the children it gets.
  ProgramId AddProgram(Window topLevel);
  ClientProgram& ProgramOf(Window window);
  // The user types `text` at the end of the window's text: queued input its
  // program reads when it is free, now or at a later moment.
  void Type(Window window, std::string text) { TypeAt(now_, window, std::move(text)); }
  void TypeAt(double moment, Window window, std::string text);
  // The player's process ended: what it sent that was not picked up is gone.
  void PlayerEnded();
  void RemoveWindow(Window window);  // with all its children and its menu bar
  void OnChar(Window window, CharHandler handler);
  // A change the window's own program makes: not a message from the player.
  void StageText(Window window, std::string text);
  // The window's program is too busy to answer reads of its text in time.
  void StopAnswering(Window window) { unanswering_.push_back(window); }
  // How long the player's helper waits for the answer to a lone message
  // before it withdraws it.
  void GiveUpAfter(double seconds) { giveUp_ = seconds; }
  Menu AddMenu();
  void AppendItem(Menu menu, MenuItemId id, std::string text);
  void AppendDropDown(Menu menu, Menu dropDown, std::string text);
  void SetMenuBar(Window window, Menu bar);

  // The own event queue: events pending now, or from a moment on.
  void Post(std::function<void()> event);
  void PostAt(double seconds, std::function<void()> event);
  int PumpCount() const { return pumps_; }
  int ClockReads() const { return clockReads_; }

  // The clock: it starts wherever a test sets it.
  void SetClock(double seconds) { now_ = seconds; }
  void Advance(double seconds) { MoveClockTo(now_ + seconds); }
  double Now() const { return now_; }

  // What the program did to the windows, in order.
  const std::vector<Message>& Messages() const { return messages_; }
  void ForgetMessages() { messages_.clear(); }
  std::string TextOf(Window window) const;
  bool Exists(Window window) const { return windows_.count(window) != 0; }

  // HostWindows
  Window FindTopLevel(std::string_view windowClass) override;
  Window FindChild(Window parent, Window after, std::string_view windowClass) override;
  std::string ClassName(Window window, int capacity) override;
  int CaptionLength(Window window) override;
  std::string Caption(Window window, int capacity) override;
  int TextLength(Window window) override;
  std::string Text(Window window, int capacity) override;
  void SetText(Window window, std::string_view text) override;
  std::optional<std::string> UserText(Window window) override;
  void EditInOrder(const std::vector<WindowEdit>& edits) override;
  void FinishEdits(double maxSeconds) override;
  Menu MenuBar(Window window) override;
  int MenuItemCount(Menu menu) override;
  Menu SubMenu(Menu menu, int position) override;
  MenuItemId ItemId(Menu menu, int position) override;
  std::string ItemText(Menu menu, MenuItemId id, int capacity) override;

  // EventPump
  void ProcessPendingEvents() override;
  void WaitForEvents(double maxSeconds) override;

  // Clock
  double MonotonicSeconds() override;

 private:
  struct WindowState {
    std::string windowClass;
    std::string text;
    Window parent = kNoWindow;
    Menu menuBar = kNoMenu;
    CharHandler onChar;
    ProgramId program = 0;
  };
  struct MenuItem {
    MenuItemId id = 0;
    std::string text;
    Menu dropDown = kNoMenu;
  };

  Window FindAmong(Window parent, Window after, std::string_view windowClass) const;
  const MenuItem* FindItemById(Menu menu, MenuItemId id) const;
  // With its drop-downs, as the platform destroys a window's menu bar.
  void DestroyMenu(Menu menu);
  void DeliverChar(Window window, char character);
  // The answers of a unit of messages, or nothing when they did not all
  // come within the player's wait. `readsUserText`: a read of what the user
  // has typed, which edits will follow.
  std::optional<std::vector<std::string>> SendUnit(std::vector<Message> steps,
                                                   double giveUp = kNever,
                                                   bool readsUserText = false);
  std::optional<std::string> SendOne(Message message, bool readsUserText = false);
  std::string Deliver(const Message& message);
  // Moves the clock, letting every program do what falls due on the way.
  // Input due at the very moment is read only when `inputAtMoment`: the
  // player's messages of one moment go out together, before it.
  void MoveClockTo(double moment, bool inputAtMoment = true);
  ClientProgram* NextProgram(double inputBefore);
  WindowState* Find(Window window);
  const WindowState* Find(Window window) const;

  std::map<Window, WindowState> windows_;
  std::vector<Window> creationOrder_;
  std::map<Menu, std::vector<MenuItem>> menus_;
  // By the moment they become pending; equal moments keep their posting order.
  std::multimap<double, std::function<void()>> events_;
  std::vector<Message> messages_;
  std::vector<Window> unanswering_;
  std::map<ProgramId, ClientProgram> programs_{{0, ClientProgram{}}};
  // Windows and menus get numbers from separate ranges, so a handle of the
  // wrong kind never names anything.
  Window nextWindow_ = 0x10010;
  Menu nextMenu_ = 0x70010;
  double giveUp_ = ClientProgram::kGiveUp;
  int pumps_ = 0;
  int clockReads_ = 0;
  double now_ = 0.0;
};

}  // namespace jukett::sim
