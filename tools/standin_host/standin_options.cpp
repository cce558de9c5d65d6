#include "tools/standin_host/standin_options.h"

#include <cwctype>
#include <set>

namespace jukett::standin {

namespace {

// Up to six whole digits keeps the milliseconds inside 32 bits.
constexpr std::size_t kMaxWholeSecondDigits = 6;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// "2", "0.5", "1.25": seconds with at most millisecond precision kept.
// Signs, exponents and empty parts are refused rather than guessed at.
std::optional<unsigned> ParseSeconds(const std::wstring& text) {
  const std::size_t dot = text.find(L'.');
  const std::wstring whole = text.substr(0, dot);
  const std::wstring fraction = dot == std::wstring::npos ? std::wstring() : text.substr(dot + 1);
  if (whole.empty() || whole.size() > kMaxWholeSecondDigits) return {};
  if (dot != std::wstring::npos && fraction.empty()) return {};
  for (wchar_t c : whole + fraction) {
    if (!IsDigit(c)) return {};
  }
  unsigned ms = 0;
  for (wchar_t c : whole) ms = ms * 10 + static_cast<unsigned>(c - L'0');
  ms *= 1000;
  unsigned scale = 100;
  for (std::size_t i = 0; i < fraction.size() && scale > 0; ++i, scale /= 10) {
    ms += scale * static_cast<unsigned>(fraction[i] - L'0');
  }
  return ms;
}

std::optional<int> ParseVersion(const std::wstring& text) {
  if (text == L"none") return 0;  // 0 stands for "no item" here only
  if (text.size() == 1 && text[0] >= L'4' && text[0] <= L'8') {
    return text[0] - L'0';
  }
  return {};
}

std::optional<VersionCase> ParseVersionCase(const std::wstring& text) {
  if (text == L"title") return VersionCase::Title;
  if (text == L"upper") return VersionCase::Upper;
  if (text == L"lower") return VersionCase::Lower;
  return {};
}

std::optional<ChildKind> ParseChildKind(const std::wstring& text) {
  if (text == L"welcome") return ChildKind::Welcome;
  if (text == L"room") return ChildKind::Room;
  if (text == L"other") return ChildKind::Other;
  if (text == L"partial") return ChildKind::Partial;
  if (text == L"noinput") return ChildKind::NoInput;
  return {};
}

// An empty list or an empty item ("room,,room") is a typo, not "no
// children"; a tree without any child is not something tests need.
std::optional<std::vector<ChildKind>> ParseChildren(const std::wstring& text) {
  std::vector<ChildKind> kinds;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(L',', start);
    const auto kind = ParseChildKind(text.substr(start, comma - start));
    if (!kind) return {};
    kinds.push_back(*kind);
    if (comma == std::wstring::npos) return kinds;
    start = comma + 1;
  }
}

std::optional<int> ParseInputs(const std::wstring& text) {
  if (text == L"1") return 1;
  if (text == L"2") return 2;
  return {};
}

// Applies one option and its value; false when either is not understood.
bool ApplyOption(const std::wstring& name, const std::wstring& value, StandinOptions& options) {
  if (name == L"--log") {
    if (value.empty()) return false;
    options.logPath = value;
  } else if (name == L"--ready") {
    if (value.empty()) return false;
    options.readyPath = value;
  } else if (name == L"--version") {
    const auto version = ParseVersion(value);
    if (!version) return false;
    options.version = *version == 0 ? std::nullopt : version;
  } else if (name == L"--version-case") {
    const auto letterCase = ParseVersionCase(value);
    if (!letterCase) return false;
    options.versionCase = *letterCase;
  } else if (name == L"--menu-item") {
    if (value.empty()) return false;
    options.extraHelpItems.push_back(value);
  } else if (name == L"--screen-name") {
    if (value.empty()) return false;
    options.screenName = value;
  } else if (name == L"--welcome-caption") {
    options.welcomeCaption = value;
  } else if (name == L"--children") {
    auto children = ParseChildren(value);
    if (!children) return false;
    options.children = std::move(*children);
  } else if (name == L"--inputs") {
    const auto inputs = ParseInputs(value);
    if (!inputs) return false;
    options.inputsPerRoom = *inputs;
  } else if (name == L"--input-text") {
    options.inputText = value;
  } else if (name == L"--hang") {
    const auto ms = ParseSeconds(value);
    if (!ms) return false;
    options.hangMs = *ms;
  } else if (name == L"--input-kind") {
    if (value != L"ansi" && value != L"unicode") return false;
    options.unicodeInput = value == L"unicode";
  } else if (name == L"--slow-clear" || name == L"--slow-line") {
    const auto ms = ParseSeconds(value);
    if (!ms) return false;
    (name == L"--slow-clear" ? options.slowClearMs : options.slowLineMs) = *ms;
  } else if (name == L"--quit-after") {
    const auto ms = ParseSeconds(value);
    if (!ms) return false;
    options.quitAfterMs = *ms;
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::optional<StandinOptions> ParseStandinOptions(const std::vector<std::wstring>& args) {
  StandinOptions options;
  std::set<std::wstring> seen;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    const std::wstring& name = args[i];
    if (i + 1 >= args.size()) return {};
    // A test that passes an option twice most likely built its command line
    // wrongly; refusing says so instead of silently picking one.
    if (name != L"--menu-item" && !seen.insert(name).second) return {};
    if (!ApplyOption(name, args[i + 1], options)) return {};
  }
  return options;
}

std::wstring WelcomeCaption(const StandinOptions& options) {
  if (options.welcomeCaption) return *options.welcomeCaption;
  return L"Welcome, " + options.screenName + L"!";
}

std::wstring VersionItemText(int version, VersionCase letterCase) {
  std::wstring text = L"&What's New in AOL " + std::to_wstring(version) + L".0";
  for (wchar_t& c : text) {
    if (letterCase == VersionCase::Upper) c = static_cast<wchar_t>(std::towupper(c));
    if (letterCase == VersionCase::Lower) c = static_cast<wchar_t>(std::towlower(c));
  }
  return text;
}

}  // namespace jukett::standin
