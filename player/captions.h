#pragma once

#include <string_view>

namespace jukett {

// The captions that carry the player's state: the pause button shows the
// pause glyph while a track may be paused and the play glyph while it is;
// the mute label starts with a blank in both forms; the panel toggle says
// what a click will do.
inline constexpr std::string_view kPauseGlyph = ";";
inline constexpr std::string_view kPlayGlyph = "4";
inline constexpr std::string_view kSoundOnCaption = " m";
inline constexpr std::string_view kMutedCaption = " un";
inline constexpr std::string_view kShowDirCaption = "show dir";
inline constexpr std::string_view kHideDirCaption = "hide dir";

}  // namespace jukett
