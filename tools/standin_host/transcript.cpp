#include "tools/standin_host/transcript.h"

#include <richedit.h>

#include <algorithm>

#include "tools/standin_host/html_line.h"

namespace jukett::standin {

namespace {

CHARRANGE Selection(HWND transcript) {
  CHARRANGE range{};
  SendMessageA(transcript, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

void Select(HWND transcript, CHARRANGE range) {
  SendMessageA(transcript, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

// Puts the caret after the last character and says where that is.
LONG End(HWND transcript) {
  // Characters as positions count them: a line break is one.
  GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto end = static_cast<LONG>(
      SendMessageA(transcript, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
  Select(transcript, {end, end});
  return end;
}

// The format of a run: the transcript's own face and colour where the line
// names none, so one line's fonts never reach into the next.
CHARFORMATA FormatOf(const CHARFORMATA& base, const HtmlRun& run) {
  CHARFORMATA format = base;
  format.cbSize = sizeof(format);
  format.dwMask = CFM_FACE | CFM_COLOR | CFM_BOLD;
  format.dwEffects = base.dwEffects & ~(CFE_BOLD | CFE_AUTOCOLOR);
  if (run.bold) format.dwEffects |= CFE_BOLD;
  if (run.colour) {
    const std::uint32_t rgb = *run.colour;
    format.crTextColor = RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
  } else {
    format.dwEffects |= base.dwEffects & CFE_AUTOCOLOR;
  }
  if (!run.face.empty()) {
    const std::size_t length = std::min(run.face.size(), sizeof(format.szFaceName) - 1);
    std::copy_n(run.face.data(), length, format.szFaceName);
    format.szFaceName[length] = '\0';
  }
  return format;
}

// Inserts `text` at the end and gives it `format`.
void AppendRun(HWND transcript, const std::string& text, CHARFORMATA format) {
  const LONG start = End(transcript);
  SendMessageA(transcript, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  Select(transcript, {start, Selection(transcript).cpMax});
  SendMessageA(transcript, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

}  // namespace

void AppendTranscriptLine(HWND transcript, const std::string& line) {
  CHARFORMATA base{};
  base.cbSize = sizeof(base);
  SendMessageA(transcript, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&base));
  const HtmlRun plain{};
  if (End(transcript) > 0) AppendRun(transcript, "\r\n", FormatOf(base, plain));
  for (const HtmlRun& run : ParseHtmlLine(line)) {
    AppendRun(transcript, run.text, FormatOf(base, run));
  }
  End(transcript);
  SendMessageA(transcript, EM_SCROLLCARET, 0, 0);
}

}  // namespace jukett::standin
