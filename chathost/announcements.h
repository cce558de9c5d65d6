#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace jukett {

// The lines the player posts into the chat room, each one line. Values go in
// as given: the room shows a file name with "<" or "&" as the file has it;
// only a line break (CR or LF) in a value becomes a blank.

enum class PlayerStatus { On, Minimized, Off, Muted, Unmuted, DirShown, DirHidden };
enum class TrackEvent { Playing, Paused, Unpaused, Stopped };

std::string StatusAnnouncement(PlayerStatus status);
std::string TrackAnnouncement(TrackEvent event, std::string_view fileName);
std::string CountAnnouncement(std::size_t fileCount);
std::string IdentityAnnouncement(std::string_view screenName, std::string_view version);

}  // namespace jukett
