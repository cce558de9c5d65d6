#pragma once

#include <windows.h>

#include <vector>

#include "player/form_layout.h"

namespace jukett::win32 {

// The fonts of the window's table, made once at the display's DPI and
// deleted with the window.
class FontSet {
 public:
  explicit FontSet(int dpi) : dpi_(dpi) {}
  ~FontSet();
  FontSet(const FontSet&) = delete;
  FontSet& operator=(const FontSet&) = delete;

  HFONT Get(const FontStyle& style);

 private:
  struct Entry {
    FontStyle style;
    HFONT font;
  };
  int dpi_;
  std::vector<Entry> fonts_;
};

}  // namespace jukett::win32
