#include "tests/unit/player_sequence.h"

#include <algorithm>
#include <array>
#include <map>
#include <sstream>

#include "chathost/announcements.h"
#include "chathost/host_identity.h"
#include "platform/sim/sim_code_page.h"
#include "platform/sim/sim_player.h"
#include "util/text.h"
#include "util/timed_wait.h"

namespace jukett::sim {
namespace {

using Act = Step::Act;

constexpr std::array kDelays = {0.0, 0.05, 0.15, 0.3, 0.7, 1.5, 3.0, 8.0};
constexpr std::array kControls = {Control::lbback,  Control::lbstop,   Control::lbplay,
                                  Control::lbpause, Control::lbfoward, Control::Label2,
                                  Control::Label3,  Control::Label4,   Control::Label5};
constexpr std::array kFolders = {"C:\\Music", "C:\\Music\\Empty", "C:\\Music\\Sub",
                                 "C:\\\xD0\x9C\xD1\x83\xD0\xB7\xD1\x8B\xD0\xBA\xD0\xB0"};
constexpr std::array kTrayCodes = {512, 514, 515, 517};
constexpr const char* kSettingsFile = "C:\\Program Files\\juKett\\jukettzrv.ini";
constexpr std::string_view kSettings =
    "[Other]\r\nname=caf\xC3\xA9 \xC2\xBB\r\n[juKett ZRV]\r\npath=C:\\Music\r\nextra=1\r\n"
    "[Last]\r\nx=y\r\n";
constexpr std::array<std::pair<const char*, const char*>, 3> kOtherKeys = {
    {{"Other", "name"}, {"juKett ZRV", "extra"}, {"Last", "x"}}};

// The settings file as an editor may have left it: none, ANSI, UTF-8 or
// UTF-16 with a byte-order mark.
std::optional<std::string> SettingsIn(int encoding) {
  switch (encoding % 5) {
    case 1:
      return Utf8ToAnsi(kSettings);
    case 2:
      return "\xEF\xBB\xBF" + std::string(kSettings);
    case 3:
      return "\xFF\xFE" + Utf8ToUtf16Le(kSettings);
    case 4: {
      std::string big = Utf8ToUtf16Le(kSettings);
      for (std::size_t i = 0; i + 1 < big.size(); i += 2) std::swap(big[i], big[i + 1]);
      return "\xFE\xFF" + big;
    }
    default:
      return std::nullopt;
  }
}
// The most a client may take over each message and still have a unit in
// before the player stops waiting for it ...
constexpr double kPromptAnswer = 0.25;
// ... and what it may take over each one and still have a unit's six arrive
// before the program ends, bounded, after off.
constexpr double kLateAnswer = 1.0;
// From off to the end: the off line may wait 2 s on each of its three sends,
// then 0.4 s, then at most 2.5 s for what is on its way; every click handled
// meanwhile (inside the off line's room search) may cost as much again and a
// 0.6 s pause. A client that never answers costs one wait, then nothing.
constexpr double kEndsWithin = 10.0;
constexpr double kEachEventAfterOff = 7.0;
constexpr double kEndsWithinWhenHung = 6.0;

std::string Base(std::string_view path) {
  const auto slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string Lower(std::string_view text) { return ToLowerAscii(text); }

class World : public SimPlayer {
 public:
  explicit World(int settings) {
    files.AddDirectory(kProgramDir);
    for (const char* name : {"A one.mp3", "b two.mp3", "C three.mp3"}) {
      files.AddFile(std::string("C:\\Music\\") + name, "tone");
    }
    files.AddDirectory("C:\\Music\\Empty");
    files.AddFile("C:\\Music\\Sub\\d four.mp3", "tone");
    files.AddFile(std::string(kFolders[3]) + "\\e five.mp3", "tone");
    if (const auto contents = SettingsIn(settings)) files.WriteFile(kSettingsFile, *contents);
    for (const auto& [section, key] : kOtherKeys) {
      before_.push_back(profiles.ReadString(section, key, kSettingsFile));
    }
    form.SetFileListPath("C:\\Music");
    form.Connect(frm);
    process.OnEnd([this] { desktop.PlayerEnded(); });
    client.AddWelcome("Welcome, ZRV Listener!");
    rooms_.push_back(client.AddChatRoom());
    client.OnPosted([this](const SimHostClient::PostedLine& line) { CheckAsPosted(line.text); });
  }

  std::optional<std::string> Run(const std::vector<Step>& steps) {
    Live([&] {
      frm.Load();
      form.Show();
    });
    for (const Step& step : steps) {
      if (ended_ || broken_) break;
      Do(step);
    }
    if (!ended_ && !broken_) {
      Post(0.0, [this] { form.Unload(); });
      Live([&] { WaitSeconds(desktop, desktop, 30.0); });
      if (!ended_) Break("the program did not end after the log-off");
    }
    if (!broken_) CheckAfterTheEnd();
    return broken_;
  }

 private:
  void Do(const Step& step) {
    const double delay = kDelays[static_cast<std::size_t>(step.when) % kDelays.size()];
    const auto pick = [&](const auto& list) {
      return list[static_cast<std::size_t>(step.which) % list.size()];
    };
    const Pointer none{};
    switch (step.act) {
      case Act::Click: {
        const Control control = pick(kControls);
        if (control == Control::Label3) Quit(delay);
        return Post(delay, [this, control] { frm.Click(control); });
      }
      case Act::DoubleClick:
        return Post(delay, [this, row = step.which] {
          if (form.FileCount() > 0) form.SetSelectedIndex(row % form.FileCount());
          frm.DblClick(Control::File1);
        });
      case Act::SelectRow:
        return Post(delay, [this, row = step.which] {
          if (form.FileCount() > 0) form.SetSelectedIndex(row % form.FileCount());
        });
      case Act::Point:
        return Post(delay,
                    [this, control = pick(kControls), none] { frm.MouseMove(control, none); });
      case Act::DragTitle:
        return Post(delay, [this, by = static_cast<float>(step.which * 600 - 3000)] {
          frm.MouseDown(Control::Label1, {1, 0, 100, 100});
          frm.MouseMove(Control::Label1, {1, 0, 100 + by, 100 - by});
        });
      case Act::Tray:
        return Post(delay, [this, code = pick(kTrayCodes)] {
          frm.MouseMove(Control::Form, {0, 0, static_cast<float>(code * 15), 0, true});
        });
      case Act::MediaKey:
        return Post(delay, [this, key = static_cast<MediaKey>(step.which % 4)] {
          frm.MediaKeyPressed(key);
        });
      case Act::StartAgain:
        return Post(delay, [this] { frm.StartedAgain(); });
      case Act::OpenFolder:
        return Post(delay, [this, folder = pick(kFolders)] { form.SetDirPath(folder); });
      case Act::AddTrack:
        return files.AddFile("C:\\Music\\n" + std::to_string(step.which % 4) + " new.mp3", "tone");
      case Act::DeleteTrack:
        return files.RemoveFile(TrackPath(step.which));
      case Act::SpoilTrack:
        return files.AddFile(TrackPath(step.which), "");
      case Act::ClientSlow:
        client.Program().SetAnswerDelay(delay);
        if (delay > kPromptAnswer) Unreliable(kNever);
        if (delay > kLateAnswer) AtRisk(kNever);
        return;
      case Act::ClientBusy:
        hung_ = false;
        endsWithin_ = kEndsWithin;
        client.Program().BusyUntil(desktop.Now() + delay);
        if (delay > kLateAnswer) AtRisk(desktop.Now() + delay);
        return Unreliable(desktop.Now() + delay + 2 * ClientProgram::kGiveUp);
      case Act::ClientHangs:
        hung_ = true;
        client.Program().BusyUntil(kNever);
        AtRisk(kNever);
        return Unreliable(kNever);
      case Act::ClientWell:
        hung_ = false;
        endsWithin_ = kEndsWithin;
        client.Program().SetAnswerDelay(0.0);
        client.Program().BusyUntil(desktop.Now());
        if (reliableFrom_ > desktop.Now())
          reliableFrom_ = desktop.Now() + 2 * ClientProgram::kGiveUp;
        if (safeFrom_ > desktop.Now()) safeFrom_ = desktop.Now() + 2 * ClientProgram::kGiveUp;
        return;
      case Act::OpenRoom:
        rooms_.push_back(client.AddChatRoom());
        return;
      case Act::CloseRoom:
        if (rooms_.empty()) return;
        desktop.RemoveWindow(rooms_.front());
        rooms_.erase(rooms_.begin());
        return Unreliable(desktop.Now() + 3.0);
      case Act::Type: {
        if (rooms_.empty()) return;
        const Window input = client.ChatInput(rooms_.front());
        const std::string text(1 + step.which % 3, static_cast<char>('a' + step.which % 26));
        typed_[input].emplace(desktop.Now() + delay, text);
        return desktop.TypeAt(desktop.Now() + delay, input, text);
      }
      case Act::Wait:
        return Live([&] { WaitSeconds(desktop, desktop, delay); });
      case Act::HoldSettings:
        files.SetHold(kSettingsFile, static_cast<SimFileSystem::Hold>(step.which % 3));
        files.SetReadDenied(kSettingsFile, step.which % 4 == 3);
        return files.SetNoNewFiles(kProgramDir, step.which % 5 == 4);
      case Act::LogOff:
        Quit(delay);
        return Post(delay, [this] { form.Unload(); });
    }
  }

  std::string TrackPath(int which) {
    const auto listed = form.ListedFiles();
    if (listed.empty()) return "C:\\Music\\A one.mp3";
    return form.DirPath() + "\\" + listed[static_cast<std::size_t>(which) % listed.size()];
  }

  // An event may run inside another's search for the room; the line of the
  // outer one then arrives after what the inner one did to the device.
  void Quit(double delay) {
    if (desktop.Now() + delay >= quitAt_) return;
    quitAt_ = desktop.Now() + delay;
    endsWithin_ = hung_ ? kEndsWithinWhenHung : kEndsWithin;
  }

  void Post(double delay, std::function<void()> event) {
    desktop.PostAt(desktop.Now() + delay, [this, event = std::move(event)] {
      nested_ = nested_ || depth_ > 0;
      if (desktop.Now() >= quitAt_) ++eventsAfterOff_;
      ++depth_;
      struct Leave {
        World& world;
        ~Leave() {
          if (--world.depth_ == 0) world.nested_ = false;
        }
      } leave{*this};
      event();
    });
  }

  // Runs the program until it ends; a program that ends is not run again.
  template <typename Action>
  void Live(Action action) {
    try {
      action();
    } catch (const ProcessEnded&) {
      ended_ = true;
      endedAt_ = desktop.Now();
      if (quitAt_ == kNever) quitAt_ = endedAt_;
    }
  }

  // What the client read amid a read of the user's text or its edits may be
  // overwritten, or go out with the line, as on the platform.
  bool TypedAmidEdits() { return client.Program().InputReadAmidUnits() > 0; }

  // Until `until`, lines may arrive late or not at all: the room's last word
  // need not be the device's.
  void Unreliable(double until) { reliableFrom_ = std::max(reliableFrom_, until); }
  // Until `until`, a unit may need longer than the program may wait at its
  // end: what it had not delivered by then is lost with the process.
  void AtRisk(double until) { safeFrom_ = std::max(safeFrom_, until); }

  void Break(std::string promise) {
    if (!broken_) broken_ = std::move(promise) + " (at " + std::to_string(desktop.Now()) + " s)";
  }

  bool IsAnnouncement(const std::string& line) {
    for (int status = 0; status <= static_cast<int>(PlayerStatus::DirHidden); ++status) {
      if (line == StatusAnnouncement(static_cast<PlayerStatus>(status))) return true;
    }
    for (std::size_t count = 0; count < 10; ++count) {
      if (line == CountAnnouncement(count)) return true;
    }
    if (TrackOf(line)) return true;
    return line == IdentityAnnouncement("ZRV Listener", HostVersion(desktop));
  }

  // The event and track a track line names.
  std::optional<std::pair<TrackEvent, std::string>> TrackOf(const std::string& line) {
    for (TrackEvent event :
         {TrackEvent::Playing, TrackEvent::Paused, TrackEvent::Unpaused, TrackEvent::Stopped}) {
      const std::string probe = TrackAnnouncement(event, "\x01");
      const auto hole = probe.find('\x01');
      const std::string head = probe.substr(0, hole);
      const std::string tail = probe.substr(hole + 1);
      if (line.size() < probe.size() - 1 || !line.starts_with(head) || !line.ends_with(tail))
        continue;
      const std::string name = line.substr(head.size(), line.size() - head.size() - tail.size());
      if (line == TrackAnnouncement(event, name)) return std::make_pair(event, name);
    }
    return std::nullopt;
  }

  // Whether the device carried out the last `command` sent to it.
  bool CarriedOut(std::string_view command) const {
    const auto& trace = media.Trace();
    const auto last = std::find_if(trace.rbegin(), trace.rend(),
                                   [&](const auto& sent) { return sent.command == command; });
    return last != trace.rend() && last->succeeded;
  }

  // While the client answers promptly a line arrives within the player's
  // wait, so the device is still as the player left it when it spoke.
  void CheckAsPosted(const std::string& line) {
    if (!IsAnnouncement(line) && !TypedAmidEdits())
      return Break("posted a line that is no announcement: " + line);
    if (desktop.Now() < reliableFrom_ || nested_) return;
    const auto track = TrackOf(line);
    const bool muted = line == StatusAnnouncement(PlayerStatus::Muted);
    if (track) {
      // A pause, resume or stop names the selected track, which may differ
      // from the one open; only the track that plays is held to its name.
      const bool named = track->first != TrackEvent::Playing ||
                         Lower(Base(media.PlayingFile())) == Lower(track->second);
      const bool done = track->first == TrackEvent::Playing    ? !media.PlayingFile().empty()
                        : track->first == TrackEvent::Paused   ? CarriedOut("pause mp3play")
                        : track->first == TrackEvent::Unpaused ? CarriedOut("resume mp3play")
                                                               : CarriedOut("stop mp3play");
      if (!named || !done) Break("announced what the device did not do: " + line);
    } else if ((muted || line == StatusAnnouncement(PlayerStatus::Unmuted)) && media.IsOpen() &&
               media.IsMuted() != muted) {
      Break("announced a mute the device does not have: " + line);
    }
  }

  void CheckAfterTheEnd() {
    const double eachEvent = endsWithin_ == kEndsWithinWhenHung ? 0.6 : kEachEventAfterOff;
    const int others = std::max(0, eventsAfterOff_ - 1);  // besides off itself
    if (endedAt_ - quitAt_ > endsWithin_ + eachEvent * others) {
      return Break("ended " + std::to_string(endedAt_ - quitAt_) + " s after it was switched off");
    }
    // The client catches up with everything the player left with it.
    client.Program().SetAnswerDelay(0.0);
    client.Program().BusyUntil(desktop.Now());
    desktop.Advance(10 * ClientProgram::kGiveUp);
    if (quitAt_ < safeFrom_ || TypedAmidEdits()) return CheckSettings();
    for (Window room : rooms_) {
      const Window input = client.ChatInput(room);
      std::string draft;
      for (const auto& [at, text] : typed_[input]) draft += text;
      if (desktop.TextOf(input) != draft) {
        return Break("the chat input holds \"" + desktop.TextOf(input) + "\", the user typed \"" +
                     draft + "\"");
      }
    }
    CheckSettings();
  }

  void CheckSettings() {
    files.SetHold(kSettingsFile, SimFileSystem::Hold::kNone);
    files.SetReadDenied(kSettingsFile, false);
    for (std::size_t i = 0; i < kOtherKeys.size(); ++i) {
      const auto& [section, key] = kOtherKeys[i];
      if (profiles.ReadString(section, key, kSettingsFile) != before_[i]) {
        return Break(std::string("the settings file lost ") + section + "/" + key);
      }
    }
    // A folder is stored as asked or not at all; whatever is there opens.
    const std::string stored = profiles.ReadString("juKett ZRV", "path", kSettingsFile);
    if (stored.empty() || Lower(files.LongPath(stored)) == Lower(files.LongPath(form.DirPath())))
      return;
    if (Lower(stored) != "c:\\music") Break("the settings file gives back \"" + stored + "\"");
  }

 private:
  std::vector<Window> rooms_;
  std::map<Window, std::multimap<double, std::string>> typed_;
  std::vector<std::string> before_;
  int depth_ = 0;
  bool nested_ = false;
  bool ended_ = false;
  double endedAt_ = 0.0;
  double quitAt_ = kNever;
  double endsWithin_ = kEndsWithin;
  int eventsAfterOff_ = 0;
  bool hung_ = false;
  double reliableFrom_ = 0.0;
  double safeFrom_ = 0.0;
  std::optional<std::string> broken_;
};

constexpr std::array kActNames = {
    "Click",      "DoubleClick", "SelectRow",    "Point",      "DragTitle",   "Tray",
    "MediaKey",   "StartAgain",  "OpenFolder",   "AddTrack",   "DeleteTrack", "SpoilTrack",
    "ClientSlow", "ClientBusy",  "ClientHangs",  "ClientWell", "OpenRoom",    "CloseRoom",
    "Type",       "Wait",        "HoldSettings", "LogOff"};

}  // namespace

void showValue(const Step& step, std::ostream& out) {
  out << "{Act::" << kActNames[static_cast<std::size_t>(step.act)] << ", " << step.which << ", "
      << step.when << "}";
}

void PrintTo(const Step& step, std::ostream* out) { showValue(step, *out); }

std::optional<std::string> BrokenPromise(const std::vector<Step>& steps, int settings) {
  World world(settings);
  return world.Run(steps);
}

}  // namespace jukett::sim
