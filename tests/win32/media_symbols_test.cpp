// The transport buttons' media symbols in whatever face the system gives for
// the symbol font. media_symbols_test.sh runs this in a prefix with Wine's
// own Webdings and in one without any, and holds the pictures side by side.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <vector>

#include "platform/win32/form_labels.h"
#include "platform/win32/gdi_fonts.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_player_form.h"
#include "tests/contracts/noted_events.h"
#include "tests/win32/window_capture.h"
#include "tests/win32/wine_tray.h"

namespace jukett::testing {
namespace {

constexpr Control kButtons[] = {Control::lbback, Control::lbstop, Control::lbplay, Control::lbpause,
                                Control::lbfoward};

// Pixel by pixel inside `place`: whether something is drawn over the ground.
std::vector<bool> Ink(const WindowCapture& shot, const RECT& place) {
  std::vector<bool> ink;
  for (int y = place.top; y < place.bottom; ++y) {
    for (int x = place.left; x < place.right; ++x) ink.push_back(!shot.IsWhite(x, y));
  }
  return ink;
}

// The same for the label's caption as the symbol font itself draws it, and
// the face the system chose for that font.
std::vector<bool> FontInk(const ControlLayout& layout, const RECT& place, HFONT font,
                          std::wstring& face) {
  const int width = place.right - place.left, height = place.bottom - place.top;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HGDIOBJ oldFont = SelectObject(dc, font);
  wchar_t selected[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, selected);
  face = selected;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  const std::wstring caption(layout.caption.begin(), layout.caption.end());
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &all,
            (layout.align == Alignment::Center ? DT_CENTER : DT_LEFT) | DT_WORDBREAK | DT_NOPREFIX);
  std::vector<bool> ink;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) ink.push_back(GetPixel(dc, x, y) != RGB(255, 255, 255));
  }
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return ink;
}

TEST(MediaSymbols, TheButtonsNeverShowTheSymbolFontsOwnCharacters) {
  if (!UnderWine()) GTEST_SKIP() << "Windows has the whole face, whose own symbols are right";
  SetProcessDPIAware();
  NotedEvents events;
  win32::Win32PlayerForm form{events};
  ASSERT_TRUE(form.Create());
  form.Show();
  PumpMessages(300);
  const WindowCapture shot(reinterpret_cast<HWND>(form.Handle()));
  win32::FontSet fonts(win32::ScreenDpi());

  std::wstring face;
  std::ostringstream pictures;
  for (const Control button : kButtons) {
    const ControlLayout& layout = LayoutOf(button);
    SCOPED_TRACE(layout.name);
    const RECT place = win32::PixelRect(layout, form.TwipsPerPixel());
    EXPECT_TRUE(shot.HasSolidMark(place)) << "a symbol, not a box's outline";
    // Neither a digit or punctuation of a face standing in, nor the font's
    // own symbol beside the window's drawn ones.
    const std::vector<bool> shown = Ink(shot, place);
    const std::vector<bool> font = FontInk(layout, place, fonts.Get(layout.font), face);
    const auto fontInk = std::count(font.begin(), font.end(), true);
    int differing = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) differing += shown[i] != font[i];
    EXPECT_GT(differing, std::max<long>(8, static_cast<long>(fontInk) / 4))
        << "drawn as the font draws it";

    pictures << layout.name << '\n';
    for (int y = place.top; y < place.bottom; ++y) {
      for (int x = place.left; x < place.right; ++x) {
        pictures << std::hex << std::setw(6) << std::setfill('0') << shot.At(x, y) << ' ';
      }
      pictures << '\n';
    }
  }

  wchar_t file[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"JUKETT_MEDIA_SYMBOLS", file, MAX_PATH) > 0) {
    std::ofstream out(std::filesystem::path(file), std::ios::binary);
    out << "face " << std::string(face.begin(), face.end()) << '\n' << pictures.str();
  }
}

}  // namespace
}  // namespace jukett::testing
