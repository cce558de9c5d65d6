#pragma once

#include <span>
#include <string_view>

#include "ports/player_form.h"

namespace jukett {

// The player window `frmJUKETT` as data: every toolkit builds the same window
// from this table, in twips measured from the window's top-left corner.
inline constexpr float kFormWidth = 3135, kShortHeight = 2175, kTallHeight = 3495;
inline constexpr std::string_view kFormTitle = "juKett ZRV - by kelvor";
inline constexpr Color kFormBackColor = 0x00FFFFFF;

// 0x800000nn names the system colour nn, resolved when it is drawn.
inline constexpr Color kSystemColorFlag = 0x80000000;
inline constexpr Color kWindowBackground = 0x80000005;
inline constexpr Color kWindowText = 0x80000008;

enum class ControlKind { DirectoryList, FileList, Label };
enum class Alignment { Left, Center };

struct FontStyle {
  std::string_view face;
  float points;
  int weight;
  int charset;
};

inline constexpr int kAnsiCharset = 0;
inline constexpr int kSymbolCharset = 2;
inline constexpr FontStyle kWindowFont{"Arial", 8.25f, 400, kAnsiCharset};
inline constexpr FontStyle kGlyphFont{"Webdings", 11.25f, 400, kSymbolCharset};

struct ControlLayout {
  Control control;
  std::string_view name;
  ControlKind kind;
  float left, top, width, height;
  std::string_view caption;  // UTF-8; empty for the lists
  FontStyle font;
  Color foreColor;
  Color backColor;
  bool opaque;  // false: the window's ground shows through
  Alignment align;
  bool border;  // one solid black pixel (lists: their plain frame)
  int tabIndex;
  // What a screen reader calls a label that is a button, in the state the
  // table's caption shows; empty for a label whose caption is its name (the
  // title, the count) and for the lists, which speak for themselves.
  std::string_view spokenName;
};

// A one-pixel solid line; the window's edges cut what lies outside it.
struct LineLayout {
  Control line;
  float x1, y1, x2, y2;
  Color color;
};

// In the order they are stacked: later entries lie on top of earlier ones.
std::span<const ControlLayout> FormControls();
std::span<const LineLayout> FormLines();

// The entry of a control of the table; for anything else (the form itself or
// a line) an empty label at the origin, so no caller can read past the table.
const ControlLayout& LayoutOf(Control control);

// Whether `control` is one of the lines; `LineOf` gives its entry when it is.
bool IsLine(Control control);
const LineLayout& LineOf(Control control);

// Only the lists take the keyboard focus.
bool TakesFocus(const ControlLayout& layout);
bool IsGlyphLabel(const ControlLayout& layout);
// The labels a click works on: those the table gives a name of their own.
bool IsButton(const ControlLayout& layout);

}  // namespace jukett
