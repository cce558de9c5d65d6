#include "util/text.h"

#include <gtest/gtest.h>

namespace jukett {
namespace {

TEST(TextFolding, FoldsOnlyAsciiLettersSoUtf8PassesThrough) {
  EXPECT_EQ(ToLowerAscii("AOL \xC3\x89T\xC3\x89 Z"), "aol \xC3\x89t\xC3\x89 z");
  EXPECT_TRUE(ContainsIgnoringCase("WELCOME, Bob!", "welcome,"));
  EXPECT_FALSE(ContainsIgnoringCase("Welcome", "welcome,"));
}

TEST(TextFolding, RemovesOnlyTheFirstOccurrenceWhateverItsCase) {
  EXPECT_EQ(RemoveFirstIgnoringCase("a CHAT INPUT b Chat Input", "Chat Input"), "a  b Chat Input");
  EXPECT_EQ(RemoveFirstIgnoringCase("nothing here", "Chat Input"), "nothing here");
  EXPECT_EQ(RemoveFirstIgnoringCase("keep", ""), "keep");
}

}  // namespace
}  // namespace jukett
