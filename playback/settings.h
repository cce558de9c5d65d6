#pragma once

#include <string>
#include <string_view>

#include "ports/media_control.h"
#include "ports/profile_files.h"

namespace jukett {

// The settings file remembers the music folder between runs.
inline constexpr std::string_view kSettingsSection = "juKett ZRV";
inline constexpr std::string_view kSettingsPathKey = "path";

// The settings file of a program in `programDirectory`. The "/" is appended
// as it is, even after a drive root's "\": files already stored there are
// found under exactly this name.
std::string SettingsFile(std::string_view programDirectory);

// The whole stored value, however long; empty when the file, the section or
// the key is missing, or the key holds nothing.
std::string ReadSetting(ProfileFiles& profiles, std::string_view section, std::string_view key,
                        std::string_view file);
// Creates the file and the section as needed and replaces any earlier value.
// A write that cannot be made leaves the file as it was and says nothing.
void WriteSetting(ProfileFiles& profiles, std::string_view section, std::string_view key,
                  std::string_view value, std::string_view file);

// The folder as `file` should store it so that it reads back naming the same
// folder: as it is where the file's code page holds its name, else by its
// short form, which keeps the file 8-bit for every reader of today's files.
// Only a folder without a short form is stored as it is, and the file turns
// Unicode to hold it.
std::string FolderAsStored(ProfileFiles& profiles, MediaControl& media, std::string_view folder,
                           std::string_view file);

}  // namespace jukett
