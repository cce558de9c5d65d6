#include "platform/sim/sim_desktop.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/sim/sim_code_page.h"
#include "util/text.h"

namespace jukett::sim {
namespace {

// What a buffer of `capacity` units, one kept for the terminating zero, holds
// of a text: in the code page, where each character it lacks becomes "?", or
// for a Unicode message in UTF-16, every character.
std::string Fit(std::string_view text, int capacity, bool wide = false) {
  if (capacity <= 0) return {};
  const auto units = static_cast<std::size_t>(capacity - 1);
  if (wide) return Utf16LeToUtf8(Utf8ToUtf16Le(text).substr(0, 2 * units));
  return AnsiToUtf8(Utf8ToAnsi(text).substr(0, units));
}

// A text as an ANSI message carries it: each character the code page lacks
// becomes "?".
std::string InCodePage(std::string_view text) { return AnsiToUtf8(Utf8ToAnsi(text)); }

// A text's length in the units of the code page, or of UTF-16.
int UnitCount(std::string_view text, bool wide) {
  return static_cast<int>(wide ? Utf8ToUtf16Le(text).size() / 2 : Utf8ToAnsi(text).size());
}

constexpr MenuItemId kDropDownItemId = 0xFFFFFFFF;

// How long the player waits for another program's answer.
constexpr double kReplyTimeout = 2.0;

// Class names are compared whole, without regard to case, as Windows does.
bool SameClass(std::string_view a, std::string_view b) {
  return ToLowerAscii(a) == ToLowerAscii(b);
}

}  // namespace

Window SimDesktop::AddWindow(std::string windowClass, std::string text, Window parent) {
  const Window window = nextWindow_;
  nextWindow_ += 0x10;
  const auto* parentState = Find(parent);
  windows_[window] = WindowState{std::move(windowClass),
                                 std::move(text),
                                 parent,
                                 kNoMenu,
                                 {},
                                 parentState ? parentState->program : 0};
  creationOrder_.push_back(window);
  return window;
}

SimDesktop::ProgramId SimDesktop::AddProgram(Window topLevel) {
  const ProgramId program = static_cast<ProgramId>(programs_.size());
  programs_[program];
  if (auto* state = Find(topLevel)) state->program = program;
  return program;
}

ClientProgram& SimDesktop::ProgramOf(Window window) {
  const auto* state = Find(window);
  return programs_.at(state ? state->program : 0);
}

void SimDesktop::TypeAt(double moment, Window window, std::string text) {
  ProgramOf(window).QueueInput(std::max(moment, now_), window, std::move(text));
}

void SimDesktop::PlayerEnded() {
  for (auto& [id, program] : programs_) program.CutOff();
}

void SimDesktop::RemoveWindow(Window window) {
  if (const auto* state = Find(window)) DestroyMenu(state->menuBar);
  std::vector<Window> children;
  for (const auto& [handle, state] : windows_) {
    if (state.parent == window) children.push_back(handle);
  }
  for (Window child : children) RemoveWindow(child);
  windows_.erase(window);
  std::erase(creationOrder_, window);
}

void SimDesktop::OnChar(Window window, CharHandler handler) {
  if (auto* state = Find(window)) state->onChar = std::move(handler);
}

void SimDesktop::StageText(Window window, std::string text) {
  if (auto* state = Find(window)) state->text = std::move(text);
}

Menu SimDesktop::AddMenu() {
  const Menu menu = nextMenu_;
  nextMenu_ += 0x10;
  menus_[menu];
  return menu;
}

void SimDesktop::DestroyMenu(Menu menu) {
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return;
  const std::vector<MenuItem> items = std::move(it->second);
  menus_.erase(it);
  for (const MenuItem& item : items) DestroyMenu(item.dropDown);
}

void SimDesktop::AppendItem(Menu menu, MenuItemId id, std::string text) {
  menus_.at(menu).push_back(MenuItem{id, std::move(text), kNoMenu});
}

void SimDesktop::AppendDropDown(Menu menu, Menu dropDown, std::string text) {
  menus_.at(menu).push_back(MenuItem{kDropDownItemId, std::move(text), dropDown});
}

void SimDesktop::SetMenuBar(Window window, Menu bar) {
  if (auto* state = Find(window)) state->menuBar = bar;
}

void SimDesktop::Post(std::function<void()> event) { PostAt(now_, std::move(event)); }

void SimDesktop::PostAt(double seconds, std::function<void()> event) {
  events_.emplace(seconds, std::move(event));
}

std::string SimDesktop::TextOf(Window window) const {
  const auto* state = Find(window);
  return state ? state->text : std::string();
}

Window SimDesktop::FindAmong(Window parent, Window after, std::string_view windowClass) const {
  auto it = creationOrder_.begin();
  if (after != kNoWindow) {
    it = std::find(creationOrder_.begin(), creationOrder_.end(), after);
    if (it == creationOrder_.end() || Find(after)->parent != parent) return kNoWindow;
    ++it;
  }
  for (; it != creationOrder_.end(); ++it) {
    const WindowState& state = windows_.at(*it);
    if (state.parent == parent && SameClass(state.windowClass, windowClass)) return *it;
  }
  return kNoWindow;
}

Window SimDesktop::FindTopLevel(std::string_view windowClass) {
  return FindAmong(kNoWindow, kNoWindow, windowClass);
}

Window SimDesktop::FindChild(Window parent, Window after, std::string_view windowClass) {
  if (!Find(parent)) return kNoWindow;
  return FindAmong(parent, after, windowClass);
}

std::string SimDesktop::ClassName(Window window, int capacity) {
  const auto* state = Find(window);
  return state ? Fit(state->windowClass, capacity) : std::string();
}

int SimDesktop::CaptionLength(Window window) {
  const auto* state = Find(window);
  return state ? UnitCount(state->text, false) : 0;
}

std::string SimDesktop::Caption(Window window, int capacity) {
  const auto* state = Find(window);
  return state ? Fit(state->text, capacity) : std::string();
}

int SimDesktop::TextLength(Window window) {
  const auto length = SendOne({MessageKind::GetTextLength, window, {}});
  return length ? std::stoi(*length) : 0;
}

std::string SimDesktop::Text(Window window, int capacity) {
  return SendOne({MessageKind::GetText, window, {}, capacity}).value_or(std::string());
}

void SimDesktop::SetText(Window window, std::string_view text) {
  SendOne({MessageKind::SetText, window, std::string(text)});
}

void SimDesktop::DeliverChar(Window window, char character) {
  auto* state = Find(window);
  if (state && state->onChar) {
    // The handler may change the tree; keep it alive while it runs.
    CharHandler handler = state->onChar;
    handler(character);
  }
}

std::optional<std::string> SimDesktop::UserText(Window window) {
  if (window == kNoWindow) return std::string();
  const auto length = SendOne({MessageKind::GetTextLength, window, {}, 0, true}, true);
  if (!length ||
      std::find(unanswering_.begin(), unanswering_.end(), window) != unanswering_.end()) {
    return std::nullopt;
  }
  const int size = std::stoi(*length);
  if (size <= 0) return std::string();
  if (size > kMaxWindowTextUnits) return std::nullopt;
  return SendOne({MessageKind::GetText, window, {}, size + 1, true}, true);
}

void SimDesktop::EditInOrder(const std::vector<WindowEdit>& edits) {
  std::vector<Message> steps;
  for (const WindowEdit& edit : edits) {
    if (edit.window == kNoWindow) continue;
    if (edit.kind == WindowEdit::Kind::Char) {
      if (!edit.text.empty())
        steps.push_back({MessageKind::Char, edit.window, edit.text.substr(0, 1)});
    } else {
      const bool wide = edit.kind == WindowEdit::Kind::PutBackText;
      steps.push_back({MessageKind::SetText, edit.window, edit.text, 0, wide});
    }
  }
  SendUnit(std::move(steps));
}

void SimDesktop::FinishEdits(double maxSeconds) {
  const double deadline = now_ + maxSeconds;
  while (true) {
    double moment = kNever;
    bool onTheWay = false;
    for (const auto& [id, program] : programs_) {
      if (!program.EditsOnTheWay(now_)) continue;
      onTheWay = true;
      moment = std::min(moment, program.UnitAnsweredAt());
    }
    if (!onTheWay) return;
    if (const ClientProgram* next = NextProgram(kNever))
      moment = std::min(moment, next->NextMoment());
    if (moment > deadline) return MoveClockTo(deadline);
    MoveClockTo(moment, moment <= now_);
  }
}

std::optional<std::string> SimDesktop::SendOne(Message message, bool readsUserText) {
  std::vector<Message> unit;
  unit.push_back(std::move(message));
  auto answers = SendUnit(std::move(unit), giveUp_, readsUserText);
  if (!answers || answers->empty()) return std::nullopt;
  return answers->front();
}

std::optional<std::vector<std::string>> SimDesktop::SendUnit(std::vector<Message> steps,
                                                             double giveUp, bool readsUserText) {
  if (steps.empty()) return std::vector<std::string>();
  // A window that is gone has no thread to send to.
  if (!Find(steps.front().window)) return std::nullopt;
  ClientProgram& program = ProgramOf(steps.front().window);
  if (program.Stuck(now_)) return std::nullopt;
  const std::shared_ptr<Unit> unit = program.Send(std::move(steps), now_, giveUp);
  unit->guardsUserText = readsUserText || giveUp == kNever;
  // The player answers only messages sent to it while it waits: its own
  // queued events stay where they are.
  const double deadline = now_ + kReplyTimeout;
  MoveClockTo(now_, false);
  while (unit->answeredAt > now_) {
    const ClientProgram* next = NextProgram(kNever);
    const double moment = std::min(unit->answeredAt, next ? next->NextMoment() : kNever);
    if (moment > deadline) {
      MoveClockTo(deadline);
      return std::nullopt;
    }
    // Input comes between the client's messages only once the player has
    // stopped sending at that moment; due now, nothing else could run.
    MoveClockTo(moment, moment <= now_);
  }
  return unit->answers;
}

std::string SimDesktop::Deliver(const Message& message) {
  messages_.push_back(message);
  auto* state = Find(message.window);
  switch (message.kind) {
    case MessageKind::GetTextLength:
      return std::to_string(state ? UnitCount(state->text, message.wide) : 0);
    case MessageKind::GetText:
      return state ? Fit(state->text, message.capacity, message.wide) : std::string();
    case MessageKind::SetText:
      if (state) state->text = message.wide ? message.text : InCodePage(message.text);
      return {};
    case MessageKind::Char:
      DeliverChar(message.window, message.text[0]);
      return {};
    case MessageKind::ReadMenuBar:
      return {};
  }
  return {};
}

ClientProgram* SimDesktop::NextProgram(double inputBefore) {
  ClientProgram* next = nullptr;
  for (auto& [id, program] : programs_) {
    if (!next || program.NextMoment(inputBefore) < next->NextMoment(inputBefore)) next = &program;
  }
  return next && next->NextMoment(inputBefore) < kNever ? next : nullptr;
}

void SimDesktop::MoveClockTo(double moment, bool inputAtMoment) {
  const double inputBefore = inputAtMoment ? std::nextafter(moment, kNever) : moment;
  const auto deliver = [this](const Message& message) { return Deliver(message); };
  const auto type = [this](Window window, const std::string& text) {
    if (auto* state = Find(window)) state->text += text;
  };
  while (ClientProgram* next = NextProgram(inputBefore)) {
    const double at = next->NextMoment(inputBefore);
    if (at > moment) break;
    now_ = std::max(now_, at);
    next->RunNext(deliver, type, inputBefore);
  }
  now_ = std::max(now_, moment);
}

Menu SimDesktop::MenuBar(Window window) {
  messages_.push_back({MessageKind::ReadMenuBar, window, {}});
  const auto* state = Find(window);
  return state ? state->menuBar : kNoMenu;
}

int SimDesktop::MenuItemCount(Menu menu) {
  const auto it = menus_.find(menu);
  return it == menus_.end() ? -1 : static_cast<int>(it->second.size());
}

Menu SimDesktop::SubMenu(Menu menu, int position) {
  const auto it = menus_.find(menu);
  if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.size())) {
    return kNoMenu;
  }
  return it->second[static_cast<std::size_t>(position)].dropDown;
}

MenuItemId SimDesktop::ItemId(Menu menu, int position) {
  const auto it = menus_.find(menu);
  if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.size())) {
    return kDropDownItemId;
  }
  return it->second[static_cast<std::size_t>(position)].id;
}

// Like the platform, a search by identifier also looks inside nested menus.
const SimDesktop::MenuItem* SimDesktop::FindItemById(Menu menu, MenuItemId id) const {
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return nullptr;
  for (const MenuItem& item : it->second) {
    if (item.dropDown != kNoMenu) {
      if (const MenuItem* nested = FindItemById(item.dropDown, id)) return nested;
    } else if (item.id == id) {
      return &item;
    }
  }
  return nullptr;
}

std::string SimDesktop::ItemText(Menu menu, MenuItemId id, int capacity) {
  const MenuItem* item = FindItemById(menu, id);
  return item ? Fit(item->text, capacity) : std::string();
}

void SimDesktop::ProcessPendingEvents() {
  ++pumps_;
  while (!events_.empty() && events_.begin()->first <= now_) {
    auto event = std::move(events_.begin()->second);
    events_.erase(events_.begin());
    event();
  }
}

void SimDesktop::WaitForEvents(double maxSeconds) {
  // A wait always lets time pass, however little was asked: a remainder
  // below the clock's resolution would otherwise be waited for forever.
  const double until = std::max(now_ + maxSeconds, std::nextafter(now_, kNever));
  if (!events_.empty() && events_.begin()->first <= now_) return;
  MoveClockTo(events_.empty() ? until : std::min(until, events_.begin()->first));
}

double SimDesktop::MonotonicSeconds() {
  ++clockReads_;
  return now_;
}

SimDesktop::WindowState* SimDesktop::Find(Window window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

const SimDesktop::WindowState* SimDesktop::Find(Window window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

}  // namespace jukett::sim
