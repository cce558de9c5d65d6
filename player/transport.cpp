#include "player/transport.h"

#include "chathost/announcements.h"
#include "chathost/chat_sender.h"
#include "playback/mp3_play.h"
#include "player/captions.h"
#include "player/track_list.h"

namespace jukett {
namespace {

void Announce(const PlayerPorts& ports, TrackEvent event) {
  SendChat(ports.host, TrackAnnouncement(event, ports.form.SelectedFileName()));
}

// Next and previous: a plain change of selection, then the track it lands on.
void PlayEntry(const PlayerPorts& ports, int index) {
  ports.form.SetSelectedIndex(index);
  if (StartSelectedTrack(ports, '/')) Announce(ports, TrackEvent::Playing);
}

}  // namespace

void PlaySelectedTrack(const PlayerPorts& ports) {
  if (!TrackSelected(ports.form)) return;
  if (!StartSelectedTrack(ports, '\\')) return;
  ShowPauseGlyph(ports.form);
  Announce(ports, TrackEvent::Playing);
}

// With no track open (a stop before, or an open that failed) the device
// refuses both ways: a refused pause changes nothing, and after a refused
// resume the button shows that nothing is paused.
void PauseOrResumeTrack(const PlayerPorts& ports) {
  PlayerForm& form = ports.form;
  if (!TrackSelected(form)) return;
  if (form.Caption(Control::lbpause) == kPauseGlyph) {
    if (!TogglePause(ports.media, true)) return;
    form.SetCaption(Control::lbpause, kPlayGlyph);
    Announce(ports, TrackEvent::Paused);
  } else {
    const bool resumed = TogglePause(ports.media, false);
    form.SetCaption(Control::lbpause, kPauseGlyph);
    if (resumed) Announce(ports, TrackEvent::Unpaused);
  }
}

void StopSelectedTrack(const PlayerPorts& ports) {
  if (!TrackSelected(ports.form)) return;
  if (StopPlayback(ports.media)) Announce(ports, TrackEvent::Stopped);
}

void PlayNextTrack(const PlayerPorts& ports) {
  const int index = ports.form.SelectedIndex();
  if (index == ports.form.FileCount() - 1) return;
  PlayEntry(ports, index + 1);
}

void PlayPreviousTrack(const PlayerPorts& ports) {
  const int index = ports.form.SelectedIndex();
  if (index <= 0) return;
  PlayEntry(ports, index - 1);
}

}  // namespace jukett
