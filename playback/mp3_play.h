#pragma once

#include <string_view>

#include "ports/media_control.h"

namespace jukett {

// MP3Play: one MP3 at a time on one media device under the alias "mp3play".
// Nothing is remembered here: the device is the only playback state, and the
// callers' captions are their only memory of pause and mute. The device's
// answers to open, pause, resume, stop and the status request are passed on,
// so that nothing it did not do is announced; any other failed command
// leaves it as it was.

// Stops and closes whatever plays, then opens `path` and plays it, muted
// when `muted` (a new device starts with its sound on). False when the track
// could not be opened (gone, empty, not an MP3): then nothing plays.
bool PlayTrack(MediaControl& media, std::string_view path, bool muted);
// Each true when the device carried it out; with no track open it does not.
bool PauseTrack(MediaControl& media);
bool ResumeTrack(MediaControl& media);
// The caller says which way: nothing here knows whether the track is paused.
bool TogglePause(MediaControl& media, bool pause);
// Closes every device the program opened, not only the track's; true when
// there was a track to stop.
bool StopPlayback(MediaControl& media);
void SetMute(MediaControl& media, bool muted);
// Whether the device holds a track open: playing, paused, stopped or at its
// end. Only a stop, or an open that failed, leaves it without one.
bool TrackOpen(MediaControl& media);

// The open command for a track whose short path is `shortPath`. The short
// form keeps blanks out of the command; a volume without short names leaves
// them in, and only then is the path quoted so the device can still parse it.
std::string OpenCommand(std::string_view shortPath);

}  // namespace jukett
