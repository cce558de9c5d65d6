#include "player/lifecycle.h"

#include "chathost/announcer.h"
#include "playback/mp3_play.h"
#include "playback/settings.h"
#include "player/sys_tray.h"
#include "player/track_list.h"

namespace jukett {
namespace {

// Long enough for a client that is a moment late with the last line and the
// user's text, short enough that off still ends the program within a few
// seconds when the client never answers.
constexpr double kEditsBeforeEnding = 2.5;

void MakeTopmost(PlayerForm& form) { form.MakeTopmost(); }

// Centred across, and with its middle at 42.5 % of the screen's height.
void PlaceWindow(PlayerForm& form, Screen& screen) {
  form.SetTop(static_cast<float>(screen.Height() * 0.85 / 2 - form.Height() / 2.0));
  form.SetLeft(static_cast<float>(screen.Width() / 2.0 - form.Width() / 2.0));
}

std::string StoredFolder(const PlayerPorts& ports) {
  return ReadSetting(ports.profiles, kSettingsSection, kSettingsPathKey,
                     SettingsFile(ports.process.ProgramDirectory()));
}

void RestoreMusicFolder(const PlayerPorts& ports) {
  const std::string folder = StoredFolder(ports);
  if (!folder.empty()) ports.form.SetDirPath(folder);
}

// A stored folder that never came back into the lists (a drive unplugged, a
// share offline, the program closed before start-up got to it) is kept for
// the next start, unless the user opened a folder since.
void StoreMusicFolder(const PlayerPorts& ports, bool dirChanged) {
  if (!dirChanged && !StoredFolder(ports).empty()) return;
  const std::string file = SettingsFile(ports.process.ProgramDirectory());
  WriteSetting(ports.profiles, kSettingsSection, kSettingsPathKey,
               FolderAsStored(ports.profiles, ports.media, ports.form.DirPath(), file), file);
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

void ShutDown(const PlayerPorts& ports, bool dirChanged) {
  StoreMusicFolder(ports, dirChanged);
  StopPlayback(ports.media);
  ports.host.windows.FinishEdits(kEditsBeforeEnding);
  ports.process.End();
}

}  // namespace jukett
