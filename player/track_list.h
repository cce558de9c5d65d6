#pragma once

#include <string>

#include "player/player_ports.h"

namespace jukett {

// "12 mp3's in this dir": one wording for every count.
std::string CountLabelText(int fileCount);
void UpdateCountLabel(PlayerForm& form);

// The folder list moved: the track list follows it, and loses its selection.
void FollowDirectory(PlayerForm& form);

// The folder of `Dir1`, `separator` and the selected name, joined as they
// stand (at a drive root the separator is doubled).
std::string TrackPath(PlayerForm& form, char separator);

// A track that starts never keeps the paused look; one that failed to open
// leaves the look as it was.
void ShowPauseGlyph(PlayerForm& form);

bool TrackSelected(PlayerForm& form);

// Plays the selected track from its beginning, joined with `separator`;
// false when it could not be opened. While the mute label says muted the
// new track starts muted too, so the label keeps telling the truth.
bool StartSelectedTrack(const PlayerPorts& ports, char separator);

// Double-click on `File1`: plays the selected track and tells the room, and
// does nothing at all on an empty list or without a selection.
void PlayDoubleClickedTrack(const PlayerPorts& ports);

}  // namespace jukett
