#include "playback/mp3_play.h"

#include <string>

namespace jukett {

std::string OpenCommand(std::string_view shortPath) {
  std::string command = "open ";
  if (shortPath.find(' ') != std::string_view::npos) {
    command.append("\"").append(shortPath).append("\"");
  } else {
    command.append(shortPath);
  }
  return command + " type mpegvideo alias mp3play";
}

bool PlayTrack(MediaControl& media, std::string_view path, bool muted) {
  media.SendCommand("stop mp3play");
  media.SendCommand("close mp3play");
  if (!media.SendCommand(OpenCommand(media.ShortPath(path)))) return false;
  // Muted before it plays, so not a moment of it is heard.
  if (muted) SetMute(media, true);
  media.SendCommand("play mp3play");
  return true;
}

bool PauseTrack(MediaControl& media) { return media.SendCommand("pause mp3play"); }

bool ResumeTrack(MediaControl& media) { return media.SendCommand("resume mp3play"); }

bool TogglePause(MediaControl& media, bool pause) {
  return pause ? PauseTrack(media) : ResumeTrack(media);
}

bool StopPlayback(MediaControl& media) {
  const bool stopped = media.SendCommand("stop mp3play");
  media.SendCommand("close all");
  return stopped;
}

void SetMute(MediaControl& media, bool muted) {
  media.SendCommand(muted ? "set mp3play audio all off" : "set mp3play audio all on");
}

// Only an open device answers a status request.
bool TrackOpen(MediaControl& media) { return media.SendCommand("status mp3play mode"); }

}  // namespace jukett
