#include "platform/sim/sim_file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace jukett::sim {
namespace {

using ::testing::UnorderedElementsAre;

TEST(SimFileSystem, MatchesNamesWithoutRegardToCaseAndEitherSeparator) {
  SimFileSystem fs;
  fs.AddFile("C:\\Music\\Lazy Sunday.MP3", "abc");
  EXPECT_TRUE(fs.FileExists("c:/music/LAZY SUNDAY.mp3"));
  EXPECT_TRUE(fs.FileExists("C:\\\\Music//Lazy Sunday.MP3"));
  EXPECT_TRUE(fs.DirectoryExists("C:\\MUSIC\\"));
  EXPECT_FALSE(fs.FileExists("C:\\Music"));
  EXPECT_FALSE(fs.DirectoryExists("C:\\Music\\Lazy Sunday.MP3"));
  EXPECT_FALSE(fs.FileExists("D:\\Music\\Lazy Sunday.MP3"));
  EXPECT_FALSE(fs.FileExists("Music\\Lazy Sunday.MP3"));  // not absolute
  EXPECT_EQ(fs.ReadFile("c:\\music\\lazy sunday.mp3"), "abc");
  EXPECT_THAT(fs.Files("C:\\music"), UnorderedElementsAre("Lazy Sunday.MP3"));
  EXPECT_THAT(fs.Directories("c:"), UnorderedElementsAre("Music"));
}

TEST(SimFileSystem, FoldsOnlyAsciiSoOtherUtf8NamesStayDistinct) {
  SimFileSystem fs;
  fs.AddFile("C:\\M\\\xC3\xA9t\xC3\xA9.mp3");  // été
  EXPECT_TRUE(fs.FileExists("C:\\m\\\xC3\xA9T\xC3\xA9.MP3"));
  EXPECT_FALSE(fs.FileExists("C:\\m\\\xC3\x89t\xC3\x89.mp3"));  // ÉtÉ
}

TEST(SimFileSystem, GivesShortNamesOnlyToNamesThatNeedThem) {
  SimFileSystem fs;
  fs.AddFile("C:\\My Music\\Lazy Sunday.mp3");
  fs.AddFile("C:\\My Music\\Lazy Summer.mp3");
  fs.AddFile("C:\\My Music\\short.mp3");
  fs.AddFile("C:\\My Music\\\xC3\xA9t\xC3\xA9 song.mp3");
  fs.AddFile("C:\\My Music\\a.b.c.mp3");
  EXPECT_EQ(fs.ShortPath("c:\\my music\\lazy sunday.mp3"), "C:\\MYMUSI~1\\LAZYSU~1.MP3");
  EXPECT_EQ(fs.ShortPath("C:\\My Music\\Lazy Summer.mp3"), "C:\\MYMUSI~1\\LAZYSU~2.MP3");
  EXPECT_EQ(fs.ShortPath("C:\\My Music\\short.mp3"), "C:\\MYMUSI~1\\short.mp3");
  EXPECT_EQ(fs.ShortPath("C:\\My Music\\\xC3\xA9t\xC3\xA9 song.mp3"), "C:\\MYMUSI~1\\_T_SON~1.MP3");
  EXPECT_EQ(fs.ShortPath("C:\\My Music\\a.b.c.mp3"), "C:\\MYMUSI~1\\ABC~1.MP3");
  EXPECT_EQ(fs.ShortPath("C:\\My Music\\missing.mp3"), "");
  // A short name opens the same file, as it does on Windows.
  EXPECT_TRUE(fs.FileExists("C:\\MYMUSI~1\\LAZYSU~2.MP3"));
  EXPECT_EQ(fs.LongPath("C:\\MYMUSI~1\\LAZYSU~2.MP3"), "C:\\My Music\\Lazy Summer.mp3");
}

TEST(SimFileSystem, VolumesWithoutShortNamesAnswerTheLongPath) {
  SimFileSystem fs;
  fs.AddFile("C:\\My Music\\Lazy Sunday.mp3");
  fs.SetShortNames(false);
  EXPECT_EQ(fs.ShortPath("C:\\my music\\Lazy Sunday.mp3"), "C:\\My Music\\Lazy Sunday.mp3");
  EXPECT_FALSE(fs.FileExists("C:\\MYMUSI~1\\LAZYSU~1.MP3"));
}

TEST(SimFileSystem, WritesOnlyIntoExistingWritableFolders) {
  SimFileSystem fs;
  fs.AddDirectory("C:\\App\\Locked");
  EXPECT_TRUE(fs.WriteFile("C:\\App\\a.ini", "one"));
  EXPECT_TRUE(fs.WriteFile("c:\\app\\A.INI", "two"));
  EXPECT_EQ(fs.ReadFile("C:\\App\\a.ini"), "two");
  EXPECT_THAT(fs.Files("C:\\App"), UnorderedElementsAre("a.ini"));
  EXPECT_FALSE(fs.WriteFile("C:\\Nowhere\\a.ini", "x"));
  EXPECT_FALSE(fs.WriteFile("C:\\App\\Locked", "x"));  // a folder by that name
  fs.SetReadOnly("C:\\App\\Locked", true);
  EXPECT_FALSE(fs.WriteFile("C:\\App\\Locked\\a.ini", "x"));
  EXPECT_FALSE(fs.FileExists("C:\\App\\Locked\\a.ini"));
  fs.SetReadOnly("C:\\App\\Locked", false);
  EXPECT_TRUE(fs.WriteFile("C:\\App\\Locked\\a.ini", "x"));
  fs.RemoveFile("C:\\APP\\a.ini");
  EXPECT_FALSE(fs.FileExists("C:\\App\\a.ini"));
  EXPECT_EQ(fs.ReadFile("C:\\App\\a.ini"), std::nullopt);
}

// What a profile write never asks, as it reads a file before it writes or
// replaces it; the rest of what holds, denials and refusals do to the
// settings file: ProfileFilesContract.ObstaclesToARewriteLeaveTheFileAsItWas.
TEST(SimFileSystem, AHeldFileTakesNoWriteAndOneDeniedToReadersCanBeReplaced) {
  SimFileSystem fs;
  fs.AddFile("C:\\App\\a.ini", "old");
  fs.AddFile("C:\\App\\a.new", "new");
  fs.SetHold("C:\\App\\A.INI", SimFileSystem::Hold::kExclusive);
  EXPECT_FALSE(fs.WriteFile("C:\\App\\a.ini", "x"));
  EXPECT_TRUE(fs.FileExists("C:\\App\\a.ini"));
  fs.SetHold("C:\\App\\a.ini", SimFileSystem::Hold::kNone);
  fs.SetReadDenied("C:\\App\\a.ini", true);
  EXPECT_TRUE(fs.MoveFile("C:\\App\\a.new", "c:\\app\\A.INI"));
  EXPECT_EQ(fs.ReadFile("C:\\App\\a.ini"), "new") << "the new file has no denial of its own";
  EXPECT_FALSE(fs.FileExists("C:\\App\\a.new"));
}

}  // namespace
}  // namespace jukett::sim
