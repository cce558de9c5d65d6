#include "player/track_list.h"

#include "chathost/announcements.h"
#include "chathost/chat_sender.h"
#include "playback/mp3_play.h"
#include "player/captions.h"

namespace jukett {

std::string CountLabelText(int fileCount) {
  return std::to_string(fileCount) + " mp3's in this dir";
}

void UpdateCountLabel(PlayerForm& form) {
  form.SetCaption(Control::Label10, CountLabelText(form.FileCount()));
}

void FollowDirectory(PlayerForm& form) { form.SetFileListPath(form.DirPath()); }

std::string TrackPath(PlayerForm& form, char separator) {
  return form.DirPath() + separator + form.SelectedFileName();
}

void ShowPauseGlyph(PlayerForm& form) {
  if (form.Caption(Control::lbpause) == kPlayGlyph) form.SetCaption(Control::lbpause, kPauseGlyph);
}

bool TrackSelected(PlayerForm& form) { return !form.SelectedFileName().empty(); }

bool StartSelectedTrack(const PlayerPorts& ports, char separator) {
  const bool muted = ports.form.Caption(Control::Label4) == kMutedCaption;
  return PlayTrack(ports.media, TrackPath(ports.form, separator), muted);
}

void PlayDoubleClickedTrack(const PlayerPorts& ports) {
  if (!TrackSelected(ports.form)) return;
  if (!StartSelectedTrack(ports, '\\')) return;
  ShowPauseGlyph(ports.form);
  SendChat(ports.host, TrackAnnouncement(TrackEvent::Playing, ports.form.SelectedFileName()));
}

}  // namespace jukett
