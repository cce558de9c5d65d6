#include "platform/win32/list_box.h"

#include <commctrl.h>

#include "platform/win32/form_labels.h"
#include "platform/win32/form_pointer.h"
#include "platform/win32/twips.h"

namespace jukett::win32 {
namespace {

// The one subclass the window puts on each of its lists.
constexpr UINT_PTR kSubclassId = 1;

}  // namespace

ListBox::~ListBox() {
  if (window_) RemoveWindowSubclass(window_, &SubclassProc, kSubclassId);
  if (ground_) DeleteObject(ground_);
}

bool ListBox::Create(HWND parent, int id, DWORD extraStyle, FontSet& fonts, float twipsPerPixel) {
  if (window_) return true;
  const ControlLayout& layout = LayoutOf(control_);
  twipsPerPixel_ = twipsPerPixel;
  // Inside the black frame the window paints: a list box's own border takes
  // the system's frame colour.
  RECT place = PixelRect(layout, twipsPerPixel);
  if (layout.border) InflateRect(&place, -1, -1);
  window_ = CreateWindowExW(
      0, L"LISTBOX", L"",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
          LBS_HASSTRINGS | extraStyle,
      place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!window_) return false;
  if (!ground_) ground_ = CreateSolidBrush(ResolveColor(layout.backColor));
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(layout.font)), FALSE);
  SetWindowSubclass(window_, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  return true;
}

void ListBox::Fill(const std::vector<std::wstring>& rows, int selected) {
  if (!window_) return;
  // Nothing the subclass takes comes while the rows go in, and under Wine
  // every message through it costs tens of microseconds: a folder of
  // thousands would fill fifty times slower with it in place.
  RemoveWindowSubclass(window_, &SubclassProc, kSubclassId);
  SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(window_, LB_RESETCONTENT, 0, 0);
  std::size_t characters = 0;
  for (const std::wstring& row : rows) characters += row.size() + 1;
  SendMessageW(window_, LB_INITSTORAGE, rows.size(), characters * sizeof(wchar_t));
  for (const std::wstring& row : rows) {
    SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
  if (selected >= 0) SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  SetWindowSubclass(window_, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  InvalidateRect(window_, nullptr, TRUE);
}

int ListBox::Count() const {
  if (!window_) return 0;
  const LRESULT count = SendMessageW(window_, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

int ListBox::Selection() const {
  if (!window_) return -1;
  const LRESULT index = SendMessageW(window_, LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::Select(int index) {
  if (window_) SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring ListBox::Text(int index) const {
  if (!window_) return {};
  const LRESULT length = SendMessageW(window_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(window_, LB_GETTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

HBRUSH ListBox::Colour(HDC dc) const {
  const ControlLayout& layout = LayoutOf(control_);
  SetTextColor(dc, ResolveColor(layout.foreColor));
  SetBkColor(dc, ResolveColor(layout.backColor));
  return ground_;
}

LRESULT CALLBACK ListBox::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self) {
  auto* list = reinterpret_cast<ListBox*>(self);
  if (list->window_ != window) return DefSubclassProc(window, message, wParam, lParam);
  return list->OnMessage(message, wParam, lParam);
}

LRESULT ListBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      return OnKeyDown(wParam, lParam);
    case WM_CHAR:
      // Tab and Return are keys the window takes, never letters to look up.
      if (wParam == L'\t' || wParam == L'\r') return 0;
      break;
    case WM_SETFOCUS:
      owner_.ListFocused(control_);
      break;
    case WM_MOUSEMOVE:
      return OnMouseMove(wParam, lParam);
    case WM_NCDESTROY:
      return OnNcDestroy(wParam, lParam);
    default:
      break;
  }
  return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT ListBox::OnKeyDown(WPARAM wParam, LPARAM lParam) {
  if (owner_.ListKeyDown(control_, wParam)) return 0;
  return DefSubclassProc(window_, WM_KEYDOWN, wParam, lParam);
}

LRESULT ListBox::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(window_, WM_MOUSEMOVE, wParam, lParam);
  owner_.ListPointerMoved(control_, PointerOf(wParam, lParam, POINT{0, 0}, twipsPerPixel_));
  return result;
}

LRESULT ListBox::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
  HWND window = window_;
  RemoveWindowSubclass(window, &SubclassProc, kSubclassId);
  window_ = nullptr;
  return DefSubclassProc(window, WM_NCDESTROY, wParam, lParam);
}

}  // namespace jukett::win32
