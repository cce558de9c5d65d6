#include "playback/settings.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_profile_files.h"

namespace jukett {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() { files.AddDirectory("C:\\Program Files\\juKett"); }
  std::string Read() { return ReadSetting(profiles, kSettingsSection, kSettingsPathKey, file); }
  void Write(std::string_view value) {
    WriteSetting(profiles, kSettingsSection, kSettingsPathKey, value, file);
  }
  std::string Bytes() { return files.ReadFile(file).value_or("<missing>"); }

  sim::SimFileSystem files;
  sim::SimProfileFiles profiles{files};
  std::string file = SettingsFile("C:\\Program Files\\juKett");
};

TEST_F(SettingsTest, FirstRunReadsNothingCreatesNothingThenWritesTwoLines) {
  EXPECT_EQ(file, "C:\\Program Files\\juKett/jukettzrv.ini");
  EXPECT_EQ(Read(), "");
  EXPECT_FALSE(files.FileExists(file));
  Write("D:\\Music\\Best Of");
  EXPECT_EQ(Bytes(), "[juKett ZRV]\r\npath=D:\\Music\\Best Of\r\n");
  EXPECT_EQ(Read(), "D:\\Music\\Best Of");
}

TEST_F(SettingsTest, RepeatedWritesKeepOneKeyLine) {
  Write("C:\\");
  Write("C:\\");
  Write("D:\\Other");
  EXPECT_EQ(Bytes(), "[juKett ZRV]\r\npath=D:\\Other\r\n");
}

TEST_F(SettingsTest, AtADriveRootTheFileSitsThere) {
  files.AddDirectory("E:\\");
  const std::string rootFile = SettingsFile("E:\\");
  EXPECT_EQ(rootFile, "E:\\/jukettzrv.ini");
  WriteSetting(profiles, kSettingsSection, kSettingsPathKey, "E:\\", rootFile);
  EXPECT_TRUE(files.FileExists("E:\\jukettzrv.ini"));
}

TEST_F(SettingsTest, LongFoldersComeBackWhole) {
  const std::string folder = "C:\\" + std::string(300, 'x');
  Write(folder);
  EXPECT_EQ(Read(), folder);
}

TEST_F(SettingsTest, NamesMatchWithoutCaseAndBlanksAroundThemAreDropped) {
  files.WriteFile(file, "[JUKETT zrv]\r\n  PATH   =   C:\\Songs of Joy  \r\n");
  EXPECT_EQ(Read(), "C:\\Songs of Joy");
  EXPECT_EQ(ReadSetting(profiles, " juKett ZRV ", " path ", file), "C:\\Songs of Joy");
}

TEST_F(SettingsTest, AnEmptyValueReadsAsMissing) {
  files.WriteFile(file, "[juKett ZRV]\r\npath=\r\n");
  EXPECT_EQ(Read(), "");
}

TEST_F(SettingsTest, OtherSectionsAndKeysSurviveAWrite) {
  files.WriteFile(file, "[other]\nkey=1\n[juKett ZRV]\nvolume=7\npath=C:\\old\n;note\n[last]\nx=y");
  Write("C:\\new");
  EXPECT_EQ(Bytes(),
            "[other]\r\nkey=1\r\n[juKett ZRV]\r\nvolume=7\r\npath=C:\\new\r\n;note\r\n"
            "[last]\r\nx=y\r\n");
}

TEST_F(SettingsTest, AMissingSectionIsAddedAtTheEnd) {
  files.WriteFile(file, "[other]\r\nkey=1\r\n");
  Write("C:\\new");
  EXPECT_EQ(Bytes(), "[other]\r\nkey=1\r\n[juKett ZRV]\r\npath=C:\\new\r\n");
}

TEST_F(SettingsTest, AFailedWriteLeavesTheFileAsItWas) {
  Write("C:\\kept");
  files.SetReadOnly("C:\\Program Files\\juKett", true);
  Write("C:\\lost");
  EXPECT_EQ(Read(), "C:\\kept");
  const std::string nowhere = SettingsFile("C:\\Missing");
  WriteSetting(profiles, kSettingsSection, kSettingsPathKey, "C:\\x", nowhere);
  EXPECT_FALSE(files.FileExists(nowhere));
}

// What can keep the settings file from being read or replaced.
struct Obstacle {
  const char* name;
  void (*stage)(sim::SimFileSystem& files, const std::string& file);
};
void PrintTo(const Obstacle& obstacle, std::ostream* out) { *out << obstacle.name; }

class SettingsObstacle : public SettingsTest, public ::testing::WithParamInterface<Obstacle> {};

TEST_P(SettingsObstacle, AFolderThatCannotBeStoredAsAskedChangesNoByte) {
  const std::string before = "[other]\r\nkey=caf\xE9\r\n[juKett ZRV]\r\npath=C:\\Good\r\n";
  files.WriteFile(file, before);
  GetParam().stage(files, file);
  Write("C:\\\xD0\x96\xD1\x83\xD0\xBA");  // "Жук", outside the code page
  files.SetHold(file, sim::SimFileSystem::Hold::kNone);
  files.SetReadDenied(file, false);
  EXPECT_EQ(Bytes(), before);
  EXPECT_FALSE(files.FileExists(file + ".new"));
}

INSTANTIATE_TEST_SUITE_P(
    , SettingsObstacle,
    ::testing::Values(Obstacle{"ReadDenied",
                               [](auto& files, const auto& file) {
                                 files.SetReadDenied(file, true);
                               }},
                      Obstacle{"HeldWithoutSharing",
                               [](auto& files, const auto& file) {
                                 files.SetHold(file, sim::SimFileSystem::Hold::kExclusive);
                               }},
                      Obstacle{"HeldSharing",
                               [](auto& files, const auto& file) {
                                 files.SetHold(file, sim::SimFileSystem::Hold::kSharing);
                               }},
                      Obstacle{"NoNewFiles",
                               [](auto& files, const auto&) {
                                 files.SetNoNewFiles("C:\\Program Files\\juKett", true);
                               }}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ProfileRules, FirstOfDuplicatesWinsAndQuotesAreDropped) {
  const std::string text = "top=before\r\n[a]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\nq=\"quoted\"\r\n";
  EXPECT_EQ(sim::ProfileValue(text, "a", "k"), "1");
  EXPECT_EQ(sim::ProfileValue(text, "a", "q"), std::nullopt);  // only the first [a] is searched
  EXPECT_EQ(sim::ProfileValue("[s]\nq=\"quoted\"\nr='x'\ns=\"\n", "s", "q"), "quoted");
  EXPECT_EQ(sim::ProfileValue("[s]\nr='x'\n", "s", "r"), "x");
  EXPECT_EQ(sim::ProfileValue("[s]\nq=\"\n", "s", "q"), "\"");
  EXPECT_EQ(sim::ProfileValue(text, "a", "top"), std::nullopt);
}

// What the platform does and the simulation must do too (held against the
// real functions under Wine).
TEST(ProfileRules, LinesEndAtCrOrLfAndBracketedNamesAreTrimmed) {
  EXPECT_EQ(sim::ProfileValue("[ a ]\rk=1\rj=2", "a", "j"), "2");
  EXPECT_EQ(sim::ProfileValue("[a] tail\nk=1\n", "A", "K"), "1");
  EXPECT_EQ(sim::ProfileValue("[a\nk=1\n", "a", "k"), std::nullopt);
  EXPECT_EQ(sim::ProfileValue(std::string("[a]\nk=1\0x\n", 10), "a", "k"), "1");
}

TEST(ProfileRules, AWriteRewritesTheFilePlainlyAndKeepsBlanksAfterTheValue) {
  EXPECT_EQ(sim::ProfileWithValue("\n; note\n[a]\n\n  k = 1 \n", "a", "j", " v  "),
            "; note\r\n[a]\r\nk=1\r\nj=v  \r\n");
  EXPECT_EQ(sim::ProfileWithValue("[a]\r\nk=1\r\n", "A", " K ", "1"), std::nullopt);
}

}  // namespace
}  // namespace jukett
