#include "playback/settings.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_profile_files.h"

namespace jukett {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() { files_.AddDirectory("C:\\Program Files\\juKett"); }
  std::string Read() { return ReadSetting(profiles_, kSettingsSection, kSettingsPathKey, file_); }
  void Write(std::string_view value) {
    WriteSetting(profiles_, kSettingsSection, kSettingsPathKey, value, file_);
  }
  std::string Bytes() { return files_.ReadFile(file_).value_or("<missing>"); }

  sim::SimFileSystem files_;
  sim::SimProfileFiles profiles_{files_};
  std::string file_ = SettingsFile("C:\\Program Files\\juKett");
};

TEST_F(SettingsTest, FirstRunReadsNothingCreatesNothingThenWritesTwoLines) {
  EXPECT_EQ(file_, "C:\\Program Files\\juKett/jukettzrv.ini");
  EXPECT_EQ(Read(), "");
  EXPECT_FALSE(files_.FileExists(file_));
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
  files_.AddDirectory("E:\\");
  const std::string file = SettingsFile("E:\\");
  EXPECT_EQ(file, "E:\\/jukettzrv.ini");
  WriteSetting(profiles_, kSettingsSection, kSettingsPathKey, "E:\\", file);
  EXPECT_TRUE(files_.FileExists("E:\\jukettzrv.ini"));
}

TEST_F(SettingsTest, LongFoldersComeBackWhole) {
  const std::string folder = "C:\\" + std::string(300, 'x');
  Write(folder);
  EXPECT_EQ(Read(), folder);
}

TEST_F(SettingsTest, NamesMatchWithoutCaseAndBlanksAroundThemAreDropped) {
  files_.WriteFile(file_, "[JUKETT zrv]\r\n  PATH   =   C:\\Songs of Joy  \r\n");
  EXPECT_EQ(Read(), "C:\\Songs of Joy");
  EXPECT_EQ(ReadSetting(profiles_, " juKett ZRV ", " path ", file_), "C:\\Songs of Joy");
}

TEST_F(SettingsTest, AnEmptyValueReadsAsMissing) {
  files_.WriteFile(file_, "[juKett ZRV]\r\npath=\r\n");
  EXPECT_EQ(Read(), "");
}

TEST_F(SettingsTest, OtherSectionsAndKeysSurviveAWrite) {
  files_.WriteFile(file_,
                   "[other]\nkey=1\n[juKett ZRV]\nvolume=7\npath=C:\\old\n;note\n[last]\nx=y");
  Write("C:\\new");
  EXPECT_EQ(Bytes(),
            "[other]\r\nkey=1\r\n[juKett ZRV]\r\nvolume=7\r\npath=C:\\new\r\n;note\r\n"
            "[last]\r\nx=y\r\n");
}

TEST_F(SettingsTest, AMissingSectionIsAddedAtTheEnd) {
  files_.WriteFile(file_, "[other]\r\nkey=1\r\n");
  Write("C:\\new");
  EXPECT_EQ(Bytes(), "[other]\r\nkey=1\r\n[juKett ZRV]\r\npath=C:\\new\r\n");
}

TEST_F(SettingsTest, AFailedWriteLeavesTheFileAsItWas) {
  Write("C:\\kept");
  files_.SetReadOnly("C:\\Program Files\\juKett", true);
  Write("C:\\lost");
  EXPECT_EQ(Read(), "C:\\kept");
  const std::string nowhere = SettingsFile("C:\\Missing");
  WriteSetting(profiles_, kSettingsSection, kSettingsPathKey, "C:\\x", nowhere);
  EXPECT_FALSE(files_.FileExists(nowhere));
}

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
