#include "player/window_commands.h"

#include "chathost/announcements.h"
#include "chathost/announcer.h"
#include "chathost/chat_sender.h"
#include "playback/mp3_play.h"
#include "player/captions.h"
#include "player/form_layout.h"
#include "player/keep_on_screen.h"

namespace jukett {
namespace {

constexpr int kLeftButton = 1;

void Announce(const PlayerPorts& ports, PlayerStatus status) {
  SendChat(ports.host, StatusAnnouncement(status));
}

}  // namespace

void TakeHoldOfTitle(const PlayerPorts& ports, GrabPoint& grab, const Pointer& pointer) {
  KeepOnScreen(ports.form, ports.screen, ports.host.events);
  grab = {pointer.x, pointer.y};
}

void DragByTitle(PlayerForm& form, const GrabPoint& grab, const Pointer& pointer) {
  if ((pointer.buttons & kLeftButton) == 0) return;
  form.SetLeft(form.Left() + pointer.x - grab.x);
  form.SetTop(form.Top() + pointer.y - grab.y);
}

void MinimizeToTray(const PlayerPorts& ports, const IconRecord& record) {
  Announce(ports, PlayerStatus::Minimized);
  PlayerForm& form = ports.form;
  form.SetState(WindowState::Minimized);
  if (form.State() != WindowState::Minimized) return;
  form.Hide();
  if (!ports.tray.Add(record)) {
    // Without an icon a hidden window could never come back.
    form.SetState(WindowState::Normal);
    form.Show();
  }
}

void SwitchOff(const PlayerPorts& ports, const IconRecord& record) {
  AnnounceOff(ports.host, ports.clock);
  ports.tray.Delete(record);
  ports.form.Unload();
  ports.process.End();
}

void ToggleMute(const PlayerPorts& ports) {
  PlayerForm& form = ports.form;
  if (form.Caption(Control::Label4) == kSoundOnCaption) {
    SetMute(ports.media, true);
    form.SetCaption(Control::Label4, kMutedCaption);
    Announce(ports, PlayerStatus::Muted);
  } else {
    SetMute(ports.media, false);
    form.SetCaption(Control::Label4, kSoundOnCaption);
    Announce(ports, PlayerStatus::Unmuted);
  }
}

void ToggleDirPanel(const PlayerPorts& ports) {
  PlayerForm& form = ports.form;
  const float height = form.Height();
  if (height == kShortHeight) {
    form.SetCaption(Control::Label5, kHideDirCaption);
    form.SetHeight(kTallHeight);
    Announce(ports, PlayerStatus::DirShown);
  } else if (height == kTallHeight) {
    form.SetCaption(Control::Label5, kShowDirCaption);
    form.SetHeight(kShortHeight);
    AnnounceDirHidden(ports.host, ports.clock,
                      [&form] { return static_cast<std::size_t>(form.FileCount()); });
  }
}

void ReAddTrayIcon(const PlayerPorts& ports, const IconRecord& record) {
  if (!ports.form.Visible() && ports.form.State() == WindowState::Minimized) {
    ports.tray.Add(record);
  }
}

}  // namespace jukett
