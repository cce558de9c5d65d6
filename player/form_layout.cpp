#include "player/form_layout.h"

#include <algorithm>
#include <array>

namespace jukett {
namespace {

constexpr Color kBlack = 0x00000000;
constexpr Color kWhite = 0x00FFFFFF;
constexpr auto kLabel = ControlKind::Label;
constexpr auto kLeft = Alignment::Left;
constexpr auto kCenter = Alignment::Center;

// clang-format off
constexpr std::array kControls{
  ControlLayout{Control::Dir1, "Dir1", ControlKind::DirectoryList, 120, 2280, 2895, 1050, "",
              kWindowFont, kBlack, kWhite, true, kLeft, true, 4, ""},
  ControlLayout{Control::File1, "File1", ControlKind::FileList, 120, 360, 2895, 1080, "",
              kWindowFont, kBlack, kWhite, true, kLeft, true, 3, ""},
  ControlLayout{Control::Label5, "Label5", kLabel, 1800, 1800, 855, 255, "show dir",
              kWindowFont, kWindowText, kWindowBackground, true, kCenter, true, 12, "Show folders"},
  ControlLayout{Control::lbpause, "lbpause", kLabel, 2040, 1440, 345, 300, ";",
              kGlyphFont, kBlack, kWhite, false, kCenter, false, 11, "Pause"},
  ControlLayout{Control::lbstop, "lbstop", kLabel, 720, 1440, 345, 300, "<",
              kGlyphFont, kBlack, kWhite, false, kCenter, false, 10, "Stop"},
  ControlLayout{Control::lbplay, "lbplay", kLabel, 1320, 1440, 465, 300, "4",
              kGlyphFont, kBlack, kWhite, false, kCenter, false, 9, "Play"},
  ControlLayout{Control::lbfoward, "lbfoward", kLabel, 2760, 1440, 255, 300, ":",
              kGlyphFont, kBlack, kWhite, false, kCenter, false, 8, "Forward"},
  ControlLayout{Control::lbback, "lbback", kLabel, 120, 1440, 225, 345, "9",
              kGlyphFont, kBlack, kWhite, false, kCenter, false, 7, "Back"},
  ControlLayout{Control::Label4, "Label4", kLabel, 2760, 1800, 255, 255, " m",
              kWindowFont, kBlack, kWhite, false, kLeft, true, 6, "Mute"},
  ControlLayout{Control::Label10, "Label10", kLabel, 120, 1800, 1575, 255, "",
              kWindowFont, kBlack, kWhite, false, kLeft, true, 5, ""},
  ControlLayout{Control::Label3, "Label3", kLabel, 2880, 0, 255, 255, "\u00D7",
              kWindowFont, kWhite, kBlack, true, kCenter, false, 2, "Close"},
  ControlLayout{Control::Label2, "Label2", kLabel, 0, 0, 255, 255, "_",
              kWindowFont, kWhite, kBlack, true, kCenter, false, 1, "Minimise"},
  ControlLayout{Control::Label1, "Label1", kLabel, 240, 0, 2655, 255, "juKett ZRV - by kelvor",
              kWindowFont, kWhite, kBlack, true, kCenter, false, 0, ""},
};

constexpr std::array kLines{
  LineLayout{Control::Line1, 0, 0, 0, 3480, kWindowText},
  LineLayout{Control::Line3, 3120, 0, 3120, 3480, kWindowText},
  LineLayout{Control::Line2, 0, 2160, 3120, 2160, kWindowText},
  LineLayout{Control::Line4, 0, 3480, 3240, 3480, kWindowText},
};
// clang-format on

constexpr ControlLayout kNoControl{Control::Form, "",     kLabel, 0,     0,     0,     0,  "",
                                   kWindowFont,   kBlack, kWhite, false, kLeft, false, -1, ""};

}  // namespace

std::span<const ControlLayout> FormControls() { return kControls; }

std::span<const LineLayout> FormLines() { return kLines; }

const ControlLayout& LayoutOf(Control control) {
  const auto found =
      std::find_if(kControls.begin(), kControls.end(),
                   [control](const ControlLayout& layout) { return layout.control == control; });
  return found == kControls.end() ? kNoControl : *found;
}

bool IsLine(Control control) {
  return std::any_of(kLines.begin(), kLines.end(),
                     [control](const LineLayout& line) { return line.line == control; });
}

const LineLayout& LineOf(Control control) {
  const auto found = std::find_if(kLines.begin(), kLines.end(), [control](const LineLayout& line) {
    return line.line == control;
  });
  return found == kLines.end() ? kLines.front() : *found;
}

bool TakesFocus(const ControlLayout& layout) { return layout.kind != ControlKind::Label; }

bool IsGlyphLabel(const ControlLayout& layout) { return layout.font.face == kGlyphFont.face; }

bool IsButton(const ControlLayout& layout) {
  return layout.kind == ControlKind::Label && !layout.spokenName.empty();
}

}  // namespace jukett
