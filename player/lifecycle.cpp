#include "player/lifecycle.h"

#include "chathost/announcer.h"
#include "playback/mp3_play.h"
#include "playback/settings.h"
#include "player/sys_tray.h"
#include "player/track_list.h"

namespace jukett {
namespace {

void MakeTopmost(PlayerForm& form) { form.MakeTopmost(); }

// Centred across, and with its middle at 42.5 % of the screen's height.
void PlaceWindow(PlayerForm& form, Screen& screen) {
  form.SetTop(static_cast<float>(screen.Height() * 0.85 / 2 - form.Height() / 2.0));
  form.SetLeft(static_cast<float>(screen.Width() / 2.0 - form.Width() / 2.0));
}

void RestoreMusicFolder(const PlayerPorts& ports) {
  const std::string folder = ReadSetting(ports.profiles, kSettingsSection, kSettingsPathKey,
                                         SettingsFile(ports.process.ProgramDirectory()));
  if (!folder.empty()) ports.form.SetDirPath(folder);
}

}  // namespace

IconRecord StartUp(const PlayerPorts& ports) {
  MakeTopmost(ports.form);
  PlaceWindow(ports.form, ports.screen);
  AnnounceStartUp(ports.host, ports.clock);
  RestoreMusicFolder(ports);
  UpdateCountLabel(ports.form);
  return MakeIconRecord(ports.form);
}

void ShutDown(const PlayerPorts& ports) {
  const std::string folder = ports.form.DirPath();
  WriteSetting(ports.profiles, kSettingsSection, kSettingsPathKey, folder,
               SettingsFile(ports.process.ProgramDirectory()));
  StopPlayback(ports.media);
  ports.process.End();
}

}  // namespace jukett
