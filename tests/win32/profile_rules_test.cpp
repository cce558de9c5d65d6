// The simulated profile rules against the platform's own profile functions:
// the same files read the same way, and the same writes leave the same bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/sim/sim_code_page.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_profile_files.h"
#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_profile_files.h"

namespace jukett {
namespace {

struct Case {
  std::string name;
  std::string bytes;
};

std::vector<Case> Corpus() {
  std::string notText;
  unsigned state = 12345;
  for (int i = 0; i < 600; ++i) {
    state = state * 1103515245u + 12345u;
    notText += static_cast<char>((state >> 16) & 0xFF);
  }
  std::string sections;
  for (int i = 0; i < 20; ++i)
    sections += "[s" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
  return {
      {"plain", "[juKett ZRV]\r\npath=C:\\Music\r\n"},
      {"odd-spacing", "  [juKett ZRV]  \r\n   path   =   C:\\My Music   \r\n"},
      {"tabs", "\t[a]\t\r\n\tk\t=\tvalue\t\r\n"},
      {"blank-lines", "\r\n\r\n[a]\r\n\r\nk=1\r\n\r\n\r\n[b]\r\nk=2\r\n\r\n"},
      {"comments", "; comment\r\n[a]\r\n; k=no\r\nk=yes\r\n# hash=1\r\n"},
      {"duplicate-sections", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n[A]\r\nk=3\r\nj=4\r\n"},
      {"duplicate-keys", "[a]\r\nk=1\r\nK=2\r\n"},
      {"key-before-section", "k=top\r\n[a]\r\nk=1\r\n"},
      {"no-final-newline", "[a]\r\nk=last"},
      {"long-value", "[a]\r\nk=" + std::string(300, 'v') + "\r\n"},
      {"mixed-case", "[JuKeTt zRv]\r\nPaTh=C:\\x\r\n"},
      {"lf-only", "[a]\nk=1\nj=2\n"},
      {"not-text", notText},
      {"empty", ""},
      {"only-blanks", "   \r\n\t\r\n"},
      {"key-without-equals", "[a]\r\nlonely\r\nk=1\r\n"},
      {"empty-value", "[a]\r\nk=\r\n"},
      {"quotes", "[a]\r\nq=\"hello world\"\r\ns='x'\r\nh=\"half\r\ne=\"\"\r\n"},
      {"blanks-in-brackets", "[ a ]\r\nk=1\r\n"},
      {"unclosed-header", "[a\r\nk=1\r\n"},
      {"header-with-tail", "[a] tail\r\nk=1\r\n"},
      {"two-brackets", "[a]b]\r\nk=1\r\n"},
      {"equals-in-value", "[a]\r\nk=x=y\r\n"},
      {"blank-in-key", "[a]\r\nmy key = v\r\n"},
      {"cr-only", "[a]\rk=1\rj=2\r"},
      {"ansi-letters", "[a]\r\nk=caf\xE9 \xBB\r\n"},
      {"ctrl-z", "[a]\r\nk=1\r\n\x1A"},
      {"empty-key", "[a]\r\n=v\r\nk=1\r\n"},
      {"section-only", "[a]\r\n"},
      {"empty-section-name", "[]\r\nk=1\r\n[a]\r\nk=2\r\n"},
      {"many-sections", sections},
      {"trailing-tab", "[a]\r\nk=v \t\r\n"},
      {"value-blanks-inside", "[a]\r\nk= a  b \r\n"},
  };
}

const char* const kSections[] = {"a", "A", " a ", "b", "juKett ZRV", "JUKETT ZRV", "s7", "[a]"};
const char* const kKeys[] = {"k",    "K",    " k ",    "j",      "q",   "s",   "h",     "e",
                             "path", "PATH", "lonely", "my key", "top", "; k", "# hash"};

class ProfileRules : public ::testing::Test {
 protected:
  ProfileRules() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder =
        std::filesystem::path(temp) / ("jukett-profiles-" + std::to_string(GetCurrentProcessId()) +
                                       "-" + std::to_string(GetTickCount()));
    std::filesystem::create_directories(folder);
  }
  ~ProfileRules() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  std::string PathOf(const std::string& name) { return (folder / (name + ".ini")).string(); }
  static void Store(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::optional<std::string> Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  static std::string RealRead(const char* section, const char* key, const std::string& path) {
    std::vector<char> buffer(4096, '\0');
    const DWORD length = GetPrivateProfileStringA(section, key, "", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), path.c_str());
    return std::string(buffer.data(), length);
  }

  std::filesystem::path folder;
};

TEST_F(ProfileRules, EveryFileReadsAlike) {
  int compared = 0;
  for (const auto& file : Corpus()) {
    const std::string path = PathOf(file.name);
    Store(path, file.bytes);
    for (const char* section : kSections) {
      for (const char* key : kKeys) {
        const std::string simulated = sim::ProfileValue(file.bytes, section, key).value_or("");
        EXPECT_EQ(simulated, RealRead(section, key, path))
            << file.name << ": [" << section << "] " << key;
        ++compared;
      }
    }
  }
  EXPECT_GE(compared, 30 * 100);
}

TEST_F(ProfileRules, MissingFilesReadEmptyAndStayMissing) {
  const std::string path = PathOf("never-written");
  EXPECT_EQ(RealRead("juKett ZRV", "path", path), "");
  EXPECT_FALSE(Load(path).has_value());
}

TEST_F(ProfileRules, TheSameWritesLeaveTheSameBytes) {
  struct Write {
    const char* section;
    const char* key;
    const char* value;
  };
  const Write writes[] = {
      {"a", "k", "new"},      {"juKett ZRV", "path", "C:\\My Music"},
      {"a", "k", "new"},      {"JUKETT zrv", " PATH ", "  D:\\padded  "},
      {"A", "brandnew", "1"}, {"fresh section", "key", ""},
      {"b", "k", "caf\xE9"},
  };
  auto corpus = Corpus();
  corpus.push_back({"first-run", {}});
  for (const auto& file : corpus) {
    const std::string path = PathOf("w-" + file.name);
    std::optional<std::string> simulated;
    if (file.name != "first-run") {
      Store(path, file.bytes);
      simulated = file.bytes;
    }
    for (const auto& write : writes) {
      WritePrivateProfileStringA(write.section, write.key, write.value, path.c_str());
      WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // flush
      if (auto updated = sim::ProfileWithValue(simulated.value_or(""), write.section, write.key,
                                               write.value)) {
        simulated = updated;
      }
      ASSERT_EQ(simulated, Load(path))
          << file.name << " after [" << write.section << "] " << write.key << "=" << write.value;
    }
  }
}

std::string Utf16BigEndian(std::wstring_view text) {
  std::string bytes;
  for (wchar_t c : text) bytes.append({static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)});
  return bytes;
}

// Files saved by editors with a byte-order mark other than UTF-16LE's,
// holding letters inside the code page and outside it, the mark right before
// a section.
std::vector<Case> MarkedFiles() {
  const std::wstring text = L"[juKett ZRV]\r\npath=C:\\Caf\u00E9\r\n[a]\r\nk=\u0416 \u00BB\r\n";
  return {{"utf8", "\xEF\xBB\xBF" + win32::WideToUtf8(text)},
          {"utf16be", Utf16BigEndian(L"\uFEFF" + text)}};
}

TEST_F(ProfileRules, TextsOutsideTheCodePageMakeTheSameUnicodeFiles) {
  const std::string unicodeStart =
      std::string("\xFF\xFE[\0a\0]\0\r\0\n\0k\0=\0\x16\x04\r\0\n\0", 20);
  const std::vector<Case> starts = {{"missing", {}},
                                    {"ansi", "[a]\r\nk=caf\xE9 \xBB\r\n[b]\r\nj=2\r\n"},
                                    {"unicode", unicodeStart},
                                    MarkedFiles()[0],
                                    MarkedFiles()[1]};
  // UTF-8: plain, inside the code page, outside it, and one the system would
  // write as a look-alike ("l" for "\u0142").
  const char* const values[] = {"C:\\Music", "caf\xC3\xA9", "\xD0\x96\xD1\x83\xD0\xBA",
                                "\xC5\x82\xC3\xB3"
                                "d\xC5\xBA"};
  win32::Win32ProfileFiles real;
  for (const auto& start : starts) {
    for (const char* value : values) {
      // Read first, as the player does at start-up, or written straight away.
      for (const bool readFirst : {false, true}) {
        const std::string path = PathOf("e-" + start.name);
        std::filesystem::remove(path);
        sim::SimFileSystem files;
        files.AddDirectory("C:\\p");
        sim::SimProfileFiles simulated(files);
        const std::string simPath = "C:\\p\\f.ini";
        if (start.name != "missing") {
          Store(path, start.bytes);
          files.WriteFile(simPath, start.bytes);
        }
        const std::string where = start.name + " with " + value + (readFirst ? ", read first" : "");
        EXPECT_EQ(simulated.Holds(value, simPath), real.Holds(value, path)) << where;
        if (readFirst) {
          EXPECT_EQ(simulated.ReadString("a", "k", simPath), real.ReadString("a", "k", path))
              << where;
          ASSERT_EQ(files.ReadFile(simPath), Load(path)) << where;
        }
        simulated.WriteString("juKett ZRV", "path", value, simPath);
        real.WriteString("juKett ZRV", "path", value, path);
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, std::filesystem::path(path).c_str());
        ASSERT_EQ(files.ReadFile(simPath), Load(path)) << where;
        EXPECT_EQ(simulated.ReadString("juKett ZRV", "path", simPath),
                  real.ReadString("juKett ZRV", "path", path))
            << where;
        EXPECT_EQ(real.ReadString("juKett ZRV", "path", path), value) << where;
        EXPECT_EQ(simulated.ReadString("a", "k", simPath), real.ReadString("a", "k", path))
            << where;
      }
    }
  }
}

// What keeps a settings file from being rewritten whole, staged for real and
// in the simulation alike: another program holding it (an editor, a sync
// client, a virus scanner), or no new file possible beside it. For real that
// is a folder by the new file's name: Wine keeps no access rights on folders
// that could refuse new files.
struct RewriteObstacle {
  const char* name;
  HANDLE (*real)(const std::wstring& file);  // the other program's handle, if any
  void (*simulated)(sim::SimFileSystem& files, const std::string& file);
};

const RewriteObstacle kRewriteObstacles[] = {
    {"held without sharing",
     [](const std::wstring& file) {
       return CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
     },
     [](sim::SimFileSystem& files, const std::string& file) {
       files.SetHold(file, sim::SimFileSystem::Hold::kExclusive);
     }},
    {"held sharing",
     [](const std::wstring& file) {
       return CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
     },
     [](sim::SimFileSystem& files, const std::string& file) {
       files.SetHold(file, sim::SimFileSystem::Hold::kSharing);
     }},
    {"no new file beside it",
     [](const std::wstring& file) {
       CreateDirectoryW((file + L".new").c_str(), nullptr);
       return INVALID_HANDLE_VALUE;
     },
     [](sim::SimFileSystem& files, const std::string& file) {
       files.SetNoNewFiles(file.substr(0, file.find_last_of("\\/")), true);
     }},
};

// The simulation fails where the platform does and leaves the same bytes; a
// folder that cannot be stored as asked leaves them all as they were.
TEST_F(ProfileRules, ObstaclesToARewriteStopTheSameWrites) {
  const std::vector<Case> starts = {{"ansi", "[a]\r\nk=caf\xE9\r\n[b]\r\nj=2\r\n"},
                                    MarkedFiles().front()};
  win32::Win32ProfileFiles real;
  for (const auto& obstacle : kRewriteObstacles) {
    for (const auto& start : starts) {
      for (const char* value : {"C:\\Music", "\xD0\x96\xD1\x83\xD0\xBA"}) {
        const std::string path = PathOf(std::string("o-") + obstacle.name + "-" + start.name);
        Store(path, start.bytes);
        sim::SimFileSystem files;
        files.AddDirectory("C:\\p");
        sim::SimProfileFiles simulated(files);
        const std::string simPath = "C:\\p\\f.ini";
        files.WriteFile(simPath, start.bytes);
        HANDLE holder = obstacle.real(std::filesystem::path(path).wstring());
        obstacle.simulated(files, simPath);
        const std::string where = std::string(obstacle.name) + ", " + start.name + ", " + value;
        // A marked file that could not be made UTF-16LE is read as Wine reads it,
        // which Windows does not.
        if (start.name == "ansi") {
          EXPECT_EQ(simulated.ReadString("a", "k", simPath), real.ReadString("a", "k", path))
              << where;
        }
        simulated.WriteString("b", "path", value, simPath);
        real.WriteString("b", "path", value, path);
        if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
        files.SetHold(simPath, sim::SimFileSystem::Hold::kNone);
        EXPECT_EQ(files.ReadFile(simPath), Load(path)) << where;
        if (!sim::AnsiHolds(value)) {
          EXPECT_EQ(Load(path), start.bytes) << where;
        }
        const DWORD beside = GetFileAttributesA((path + ".new").c_str());
        EXPECT_TRUE(beside == INVALID_FILE_ATTRIBUTES || (beside & FILE_ATTRIBUTE_DIRECTORY))
            << where << ": no new file is left beside it";
        EXPECT_FALSE(files.FileExists(simPath + ".new")) << where;
        RemoveDirectoryA((path + ".new").c_str());
      }
    }
  }
}

}  // namespace
}  // namespace jukett
