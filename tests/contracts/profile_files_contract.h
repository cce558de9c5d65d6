// What the settings code relies on from profile files, stated once and run
// against the simulated file system and real files. A world type gives the
// port, a folder of files for it, and what another program may do to them:
//   struct World {
//     ProfileFiles& Profiles();
//     std::string File(std::string_view name);  // in the world's folder, not there yet
//     void Store(const std::string& file, std::string_view bytes);
//     std::optional<std::string> Load(const std::string& file);  // none: no such file
//     // Obstacles, each lifted again by Release(file):
//     void Hold(const std::string& file, bool sharing);  // another program has it open
//     bool DenyReading(const std::string& file);  // false where that cannot be staged
//     bool DenyWriting(const std::string& file);  // the file and its folder; likewise
//     void RefuseNewFiles(const std::string& file);  // no file can be created beside it
//     void Release(const std::string& file);
//   };
// The files are the platform's: 8-bit text in code page 1252, UTF-16LE after
// its byte-order mark.
// Instantiate with INSTANTIATE_TYPED_TEST_SUITE_P(Name, ProfileFilesContract, World).
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/sim/sim_code_page.h"
#include "ports/profile_files.h"

namespace jukett {
namespace profile_contract {

// A file as editors and older programs leave it, what each name in it reads
// as, and how a write rewrites the lines it had.
struct Odd {
  const char* name;
  std::string bytes;
  std::vector<std::vector<std::string>> reads;  // section, key, value (UTF-8)
  std::optional<std::string> plain;             // none: as it is
};

inline std::vector<Odd> OddFiles() {
  using namespace std::string_literals;  // for NULs inside
  std::string sections;
  for (int i = 0; i < 20; ++i)
    sections += "[s" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
  const std::string v300(300, 'v');
  // clang-format off
  return {
      {"plain", "[juKett ZRV]\r\npath=C:\\Music\r\n", {{"juKett ZRV", "path", "C:\\Music"}}, {}},
      {"odd-spacing", "  [juKett ZRV]  \r\n   path   =   C:\\My Music   \r\n",
       {{"juKett ZRV", "path", "C:\\My Music"}}, "[juKett ZRV]\r\npath=C:\\My Music\r\n"},
      {"tabs", "\t[a]\t\r\n\tk\t=\tvalue\t\r\n", {{"a", "k", "value"}}, "[a]\r\nk=value\r\n"},
      {"blank-lines", "\r\n\r\n[a]\r\n\r\nk=1\r\n\r\n\r\n[b]\r\nk=2\r\n\r\n",
       {{"a", "k", "1"}, {"b", "k", "2"}}, "[a]\r\nk=1\r\n[b]\r\nk=2\r\n"},
      {"comments", "; comment\r\n[a]\r\n; k=no\r\nk=yes\r\n# hash=1\r\n",
       {{"a", "k", "yes"}, {"a", "; k", "no"}, {"a", "# hash", "1"}}, {}},
      {"duplicate-sections", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n[A]\r\nk=3\r\nj=4\r\n",
       {{"a", "k", "1"}, {"b", "k", "2"}}, {}},
      {"duplicate-keys", "[a]\r\nk=1\r\nK=2\r\n", {{"a", "k", "1"}}, {}},
      {"key-before-section", "k=top\r\n[a]\r\nk=1\r\n", {{"a", "k", "1"}}, {}},
      {"no-final-newline", "[a]\r\nk=last", {{"a", "k", "last"}}, "[a]\r\nk=last\r\n"},
      {"long-value", "[a]\r\nk=" + v300 + "\r\n", {{"a", "k", v300}}, {}},
      {"mixed-case", "[JuKeTt zRv]\r\nPaTh=C:\\x\r\n", {{"juKett ZRV", "path", "C:\\x"}}, {}},
      {"lf-only", "[a]\nk=1\nj=2\n", {{"a", "k", "1"}, {"a", "j", "2"}}, "[a]\r\nk=1\r\nj=2\r\n"},
      {"cr-only", "[a]\rk=1\rj=2\r", {{"a", "k", "1"}, {"a", "j", "2"}}, "[a]\r\nk=1\r\nj=2\r\n"},
      {"not-text", "\x01\0\xFF\r\n[a\0x]\r\nk\0y=1\r\n\x8D=\x90\r\n[b]\x7F\r\nk=\x9D\0z\r\n"s,
       {{"a", "k", "1"}, {"b", "k", "\xC2\x9D"}},
       "\x01\r\n[a]\r\nk=1\r\n\x8D=\x90\r\n[b]\r\nk=\x9D\r\n"},
      {"empty", "", {}, {}},
      {"only-blanks", "   \r\n\t\r\n", {}, ""},
      {"key-without-equals", "[a]\r\nlonely\r\nk=1\r\n", {{"a", "k", "1"}}, {}},
      {"empty-value", "[a]\r\nk=\r\n", {}, {}},
      {"quotes", "[a]\r\nq=\"hello world\"\r\ns='x'\r\nh=\"half\r\ne=\"\"\r\n",
       {{"a", "q", "hello world"}, {"a", "s", "x"}, {"a", "h", "\"half"}}, {}},
      {"lone-quote", "[a]\r\nk=\"\r\n", {{"a", "k", "\""}}, {}},
      {"blanks-in-brackets", "[ a ]\r\nk=1\r\n", {{"a", "k", "1"}}, "[a]\r\nk=1\r\n"},
      {"unclosed-header", "[a\r\nk=1\r\n", {}, {}},
      {"header-with-tail", "[a] tail\r\nk=1\r\n", {{"a", "k", "1"}}, "[a]\r\nk=1\r\n"},
      {"two-brackets", "[a]b]\r\nk=1\r\n", {}, {}},
      {"equals-in-value", "[a]\r\nk=x=y\r\n", {{"a", "k", "x=y"}}, {}},
      {"blank-in-key", "[a]\r\nmy key = v\r\n", {{"a", "my key", "v"}}, "[a]\r\nmy key=v\r\n"},
      {"ansi-letters", "[a]\r\nk=caf\xE9 \xBB\r\n", {{"a", "k", "caf\xC3\xA9 \xC2\xBB"}}, {}},
      {"ctrl-z", "[a]\r\nk=1\r\n\x1A", {{"a", "k", "1"}}, "[a]\r\nk=1\r\n"},
      {"empty-key", "[a]\r\n=v\r\nk=1\r\n", {{"a", "k", "1"}}, {}},
      {"section-only", "[a]\r\n", {}, {}},
      {"empty-section-name", "[]\r\nk=1\r\n[a]\r\nk=2\r\n", {{"a", "k", "2"}},
       "k=1\r\n[a]\r\nk=2\r\n"},
      {"many-sections", sections, {{"s7", "k", "7"}}, {}},
      {"trailing-tab", "[a]\r\nk=v \t\r\n", {{"a", "k", "v"}}, "[a]\r\nk=v\r\n"},
      {"value-blanks-inside", "[a]\r\nk= a  b \r\n", {{"a", "k", "a  b"}}, "[a]\r\nk=a  b\r\n"},
  };
  // clang-format on
}

// Each name asked for in every spelling that finds it: case and blanks
// around it do not matter, brackets do.
inline const std::vector<std::vector<std::string>> kSections = {
    {"a", "A", " a "}, {"b"}, {"juKett ZRV", "JUKETT ZRV"}, {"s7"}, {"[a]"}};
inline const std::vector<std::vector<std::string>> kKeys = {
    {"k", "K", " k "}, {"j"},      {"q"},      {"s"},   {"h"},   {"e"},
    {"path", "PATH"},  {"lonely"}, {"my key"}, {"top"}, {"; k"}, {"# hash"}};

inline std::string Utf16Le(std::string_view utf8) {
  return std::string(sim::kUtf16Bom) + sim::Utf8ToUtf16Le(utf8);
}

inline std::string Utf16Be(std::string_view utf8) {
  std::string bytes = sim::Utf8ToUtf16Le("\xEF\xBB\xBF" + std::string(utf8));
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) std::swap(bytes[i], bytes[i + 1]);
  return bytes;
}

// Files a value is written into, as their lines read before and after the
// write of [juKett ZRV] path=VALUE, in UTF-8.
struct Start {
  const char* name;
  std::optional<std::string> bytes;  // none: no file yet
  std::string valueThere;            // what [a] k reads
  std::string before, after;         // the lines after the write, around VALUE
  bool eightBit;                     // until a text needs Unicode
  bool marked;                       // UTF-8 or UTF-16BE: read, it is made UTF-16LE
};

inline const std::string kMarkedText =
    "[juKett ZRV]\r\npath=C:\\Caf\xC3\xA9\r\n[a]\r\nk=\xD0\x96 \xC2\xBB\r\n";

inline std::vector<Start> Starts() {
  const std::string ansi = "[a]\r\nk=caf\xC3\xA9 \xC2\xBB\r\n[b]\r\nj=2\r\n";
  const std::string marked = "\xD0\x96 \xC2\xBB";
  return {
      {"missing", {}, "", "[juKett ZRV]\r\npath=", "\r\n", true, false},
      {"ansi", sim::Utf8ToAnsi(ansi), "caf\xC3\xA9 \xC2\xBB",
       ansi + "[juKett ZRV]\r\npath=", "\r\n", true, false},
      {"unicode", Utf16Le("[a]\r\nk=\xD0\x96\r\n"), "\xD0\x96",
       "[a]\r\nk=\xD0\x96\r\n[juKett ZRV]\r\npath=", "\r\n", false, false},
      {"utf8", "\xEF\xBB\xBF" + kMarkedText, marked,
       "[juKett ZRV]\r\npath=", "\r\n[a]\r\nk=" + marked + "\r\n", false, true},
      {"utf16be", Utf16Be(kMarkedText), marked,
       "[juKett ZRV]\r\npath=", "\r\n[a]\r\nk=" + marked + "\r\n", false, true},
  };
}

struct Value {
  const char* text;  // UTF-8
  bool inCodePage;
};

// Plain, inside the code page, outside it, and one the code page would
// hold only as a look-alike ("l" for "ł").
inline const Value kValues[] = {{"C:\\Music", true},
                                {"caf\xC3\xA9", true},
                                {"\xD0\x96\xD1\x83\xD0\xBA", false},
                                {"\xC5\x82\xC3\xB3\x64\xC5\xBA", false}};

// What keeps a file from being read or replaced, and whether the file can
// still be read, and written in place (a write that needs no new file).
struct Obstacle {
  const char* name;
  bool readable, writable;
};
inline const Obstacle kObstacles[] = {{"held without sharing", false, false},
                                      {"held sharing", true, true},
                                      {"reading denied", false, false},
                                      {"writing denied", true, false},
                                      {"no new file beside it", true, true}};

}  // namespace profile_contract

template <typename World>
class ProfileFilesContract : public ::testing::Test {
 protected:
  std::string Read(const std::string& file, std::string_view section = "juKett ZRV",
                   std::string_view key = "path") {
    return world.Profiles().ReadString(section, key, file);
  }
  void Write(const std::string& file, std::string_view value,
             std::string_view section = "juKett ZRV", std::string_view key = "path") {
    world.Profiles().WriteString(section, key, value, file);
  }
  bool Stage(const profile_contract::Obstacle& obstacle, const std::string& file) {
    const std::string_view name = obstacle.name;
    if (name == "reading denied") return world.DenyReading(file);
    if (name == "writing denied") return world.DenyWriting(file);
    if (name == "no new file beside it") {
      world.RefuseNewFiles(file);
    } else {
      world.Hold(file, name == "held sharing");
    }
    return true;
  }

  World world;
};

TYPED_TEST_SUITE_P(ProfileFilesContract);

// Reading leaves a file as it was. A write rewrites it from what it read:
// every section and key line kept, blank lines, blanks and anything past a
// NUL dropped, CR LF line ends.
TYPED_TEST_P(ProfileFilesContract, EveryOddFileReadsAsStatedAndIsRewrittenPlainly) {
  using namespace profile_contract;
  for (const auto& odd : OddFiles()) {
    SCOPED_TRACE(odd.name);
    const std::string file = this->world.File(odd.name);
    this->world.Store(file, odd.bytes);
    for (const auto& sections : kSections) {
      for (const auto& keys : kKeys) {
        std::string expected;
        for (const auto& read : odd.reads) {
          if (read[0] == sections[0] && read[1] == keys[0]) expected = read[2];
        }
        for (const auto& section : sections) {
          for (const auto& key : keys) {
            EXPECT_EQ(this->Read(file, section, key), expected) << section << " | " << key;
          }
        }
      }
    }
    EXPECT_EQ(this->world.Load(file), odd.bytes);
    this->Write(file, "v", "fresh section", "key");
    EXPECT_EQ(this->world.Load(file),
              odd.plain.value_or(odd.bytes) + "[fresh section]\r\nkey=v\r\n");
  }
}

// The first of two sections or keys of one name is the one written, in the
// spelling the file has; blanks before a value are dropped, those after it
// stay until the file is next rewritten; a value already there leaves the
// file untouched.
TYPED_TEST_P(ProfileFilesContract, AWriteReplacesTheFirstOfItsNameAndKeepsTheRest) {
  const std::string file = this->world.File("replace");
  const std::string untidy = "[other]\nkey=1\n\n[a]\nk = 1\n;note\n[A]\nk=3\n";
  const std::string longValue = "C:\\" + std::string(300, 'x');
  const struct {
    const char *section, *key;
    std::string value, bytes;
  } steps[] = {
      {"a", "K", "1", untidy},
      {"A", " K ", "  two  ", "[other]\r\nkey=1\r\n[a]\r\nk=two  \r\n;note\r\n[A]\r\nk=3\r\n"},
      {"a", "j", "", "[other]\r\nkey=1\r\n[a]\r\nk=two\r\n;note\r\nj=\r\n[A]\r\nk=3\r\n"},
      {"juKett ZRV", "path", longValue,
       "[other]\r\nkey=1\r\n[a]\r\nk=two\r\n;note\r\nj=\r\n[A]\r\nk=3\r\n[juKett ZRV]\r\npath=" +
           longValue + "\r\n"},
  };
  this->world.Store(file, untidy);
  for (const auto& step : steps) {
    this->Write(file, step.value, step.section, step.key);
    EXPECT_EQ(this->world.Load(file), step.bytes) << step.section << " " << step.key;
  }
  EXPECT_EQ(this->Read(file, "a", "k"), "two");
  EXPECT_EQ(this->Read(file), longValue);
}

TYPED_TEST_P(ProfileFilesContract, AFileInAMissingFolderIsNeverMade) {
  const std::string nowhere = this->world.File("missing\\jukettzrv");
  this->Write(nowhere, "C:\\x");
  EXPECT_EQ(this->world.Load(nowhere), std::nullopt);
  EXPECT_EQ(this->Read(nowhere), "");
}

// A file not there is made by the first write, not by a read. A text the
// code page cannot hold turns the file into UTF-16LE with every line it had,
// and a file marked UTF-8 or UTF-16BE is made UTF-16LE once it is read or
// written; anything else stays 8-bit.
TYPED_TEST_P(ProfileFilesContract, TextsOutsideTheCodePageTurnTheFileUnicodeKeepingEveryLine) {
  using namespace profile_contract;
  int made = 0;
  for (const auto& start : Starts()) {
    for (const Value& value : kValues) {
      for (const bool readFirst : {false, true}) {
        SCOPED_TRACE(std::string(start.name) + " with " + value.text +
                     (readFirst ? ", read first" : ""));
        const std::string file = this->world.File("e" + std::to_string(++made));
        if (start.bytes) this->world.Store(file, *start.bytes);
        EXPECT_EQ(this->world.Profiles().Holds(value.text, file),
                  value.inCodePage || !start.eightBit);
        if (readFirst) {
          EXPECT_EQ(this->Read(file, "a", "k"), start.valueThere);
          EXPECT_EQ(this->world.Load(file), start.marked ? Utf16Le(kMarkedText) : start.bytes);
        }
        this->Write(file, value.text);
        const std::string lines = start.before + value.text + start.after;
        EXPECT_EQ(this->world.Load(file),
                  value.inCodePage && start.eightBit ? sim::Utf8ToAnsi(lines) : Utf16Le(lines));
        EXPECT_EQ(this->Read(file), value.text);
        EXPECT_EQ(this->Read(file, "a", "k"), start.valueThere);
      }
    }
  }
}

// An editor, a sync client or a virus scanner holding the file, permissions
// that deny reading or writing it (a folder under Program Files), a folder
// that takes no new files: a write that cannot read the file, or cannot
// write or replace it, changes no byte and leaves no new file behind.
TYPED_TEST_P(ProfileFilesContract, ObstaclesToARewriteLeaveTheFileAsItWas) {
  using namespace profile_contract;
  const std::string ansi = "[a]\r\nk=caf\xE9\r\n[b]\r\nj=2\r\n";
  int staged = 0;
  for (const Obstacle& obstacle : kObstacles) {
    for (const std::string& bytes : {ansi, "\xEF\xBB\xBF" + kMarkedText}) {
      for (const bool inCodePage : {true, false}) {
        const char* value = inCodePage ? "C:\\Music" : "\xD0\x96\xD1\x83\xD0\xBA";
        const bool marked = bytes != ansi;
        SCOPED_TRACE(std::string(obstacle.name) + (marked ? ", marked, " : ", ") + value);
        const std::string file = this->world.File("o" + std::to_string(++staged));
        this->world.Store(file, bytes);
        if (!this->Stage(obstacle, file)) continue;
        // A marked file that cannot be made UTF-16LE reads differently on
        // different systems.
        if (!marked) {
          EXPECT_EQ(this->Read(file, "a", "k"), obstacle.readable ? "caf\xC3\xA9" : "");
        }
        this->Write(file, value, "b", "path");
        this->world.Release(file);
        const bool inPlace = obstacle.writable && !marked && inCodePage;
        EXPECT_EQ(this->world.Load(file), inPlace ? ansi + "path=C:\\Music\r\n" : bytes);
        EXPECT_EQ(this->world.Load(file + ".new"), std::nullopt);
      }
    }
  }
}

REGISTER_TYPED_TEST_SUITE_P(ProfileFilesContract, EveryOddFileReadsAsStatedAndIsRewrittenPlainly,
                            AWriteReplacesTheFirstOfItsNameAndKeepsTheRest,
                            AFileInAMissingFolderIsNeverMade,
                            TextsOutsideTheCodePageTurnTheFileUnicodeKeepingEveryLine,
                            ObstaclesToARewriteLeaveTheFileAsItWas);

}  // namespace jukett
