#include "player/folder_paths.h"

#include <gtest/gtest.h>

namespace jukett {
namespace {

using Chain = std::vector<std::string>;

TEST(FolderPaths, KeepsTheSeparatorOnlyAtARoot) {
  EXPECT_EQ(TidyFolderPath("C:\\Music\\"), "C:\\Music");
  EXPECT_EQ(TidyFolderPath("C:/Music//Rock/"), "C:\\Music\\Rock");
  EXPECT_EQ(TidyFolderPath("C:\\"), "C:\\");
  EXPECT_EQ(TidyFolderPath("C:\\\\"), "C:\\");
  EXPECT_EQ(TidyFolderPath("\\\\box\\share\\tunes\\"), "\\\\box\\share\\tunes");
  EXPECT_EQ(TidyFolderPath("\\\\box\\share"), "\\\\box\\share\\");
  EXPECT_EQ(TidyFolderPath("\\\\box\\"), "\\\\box\\");  // no share: no separator added
}

TEST(FolderPaths, ChainRunsFromTheRootDownToTheFolder) {
  EXPECT_EQ(FolderChain("C:\\Music\\Rock"), (Chain{"C:\\", "C:\\Music", "C:\\Music\\Rock"}));
  EXPECT_EQ(FolderChain("C:\\"), (Chain{"C:\\"}));
  EXPECT_EQ(FolderChain("\\\\box\\share\\a"), (Chain{"\\\\box\\share\\", "\\\\box\\share\\a"}));
  EXPECT_EQ(FolderChain("D:/x/"), (Chain{"D:\\", "D:\\x"}));
  EXPECT_TRUE(FolderChain("").empty());
}

TEST(FolderPaths, NamesTheLastFolderOrTheRoot) {
  EXPECT_EQ(FolderName("C:\\Music\\Rock"), "Rock");
  EXPECT_EQ(FolderName("C:\\"), "C:\\");
  EXPECT_EQ(FolderName("Rock"), "Rock");
}

TEST(FolderPaths, Mp3NamesMatchWhateverTheirCase) {
  EXPECT_TRUE(IsMp3Name("song.mp3"));
  EXPECT_TRUE(IsMp3Name("SONG.MP3"));
  EXPECT_TRUE(IsMp3Name("a.b.Mp3"));
  EXPECT_TRUE(IsMp3Name("\xC3\xA9t\xC3\xA9.mp3"));
  EXPECT_FALSE(IsMp3Name("song.mp3x"));  // what a short-name match would let through
  EXPECT_FALSE(IsMp3Name("song.mp"));
  EXPECT_FALSE(IsMp3Name("mp3"));
}

}  // namespace
}  // namespace jukett
