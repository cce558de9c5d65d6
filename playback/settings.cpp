#include "playback/settings.h"

namespace jukett {

std::string SettingsFile(std::string_view programDirectory) {
  return std::string(programDirectory) + "/jukettzrv.ini";
}

std::string ReadSetting(ProfileFiles& profiles, std::string_view section, std::string_view key,
                        std::string_view file) {
  return profiles.ReadString(section, key, file);
}

void WriteSetting(ProfileFiles& profiles, std::string_view section, std::string_view key,
                  std::string_view value, std::string_view file) {
  profiles.WriteString(section, key, value, file);
}

std::string FolderAsStored(ProfileFiles& profiles, MediaControl& media, std::string_view folder,
                           std::string_view file) {
  if (profiles.Holds(folder, file)) return std::string(folder);
  const std::string shortForm = media.ShortPath(folder);
  if (!shortForm.empty() && profiles.Holds(shortForm, file)) return shortForm;
  return std::string(folder);
}

}  // namespace jukett
